// pelterra: the desktop program. PartsData lies beside the executable, or in the installed
// prefix's share/pelterra, unless --parts names another folder.
#include <filesystem>
#include <string_view>
#include <system_error>

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QTimer>

#include "app_info.h"
#include "fs/program_folders.h"
#include "fs/program_path.h"
#include "application.h"
#include "language.h"
#include "last_resort.h"
#include "main_window.h"
#include "screenshots.h"
#include "settings_store.h"

namespace {

// The program's options, read from the command line of `app`: --help and --version print their
// words and end the program here.
struct ProgramOptions {
    QCommandLineParser parser;
    const QCommandLineOption screenshots{
        QStringLiteral("screenshots"),
        QStringLiteral("Walk the windows with the sample picture, save a PNG of each into DIR and quit "
                       "(settings are neither read nor written)."),
        QStringLiteral("DIR")};
    const QCommandLineOption language{QStringLiteral("language"),
                                      QStringLiteral("The language of the windows for this run, ja or en (default: the "
                                                     "choice stored on the settings page, else the system's)."),
                                      QStringLiteral("LANG")};
    const QCommandLineOption parts{QStringLiteral("parts"),
                                   QStringLiteral("The folder that holds PartsData (default: beside this program, else "
                                                  "its ../share/pelterra)."),
                                   QStringLiteral("DIR")};

    explicit ProgramOptions(const QCoreApplication& app) {
        parser.setApplicationDescription(QStringLiteral("Pelterra: makes Winamp 2 skins from a picture and parts."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(screenshots);
        parser.addOption(language);
        parser.addOption(parts);
        parser.addPositionalArgument(QStringLiteral("FILE"),
                                     QStringLiteral("A picture to start from, a skin (.wsz or .zip) to show in the "
                                                    "player view, or a project folder to open."),
                                     QStringLiteral("[FILE]"));
        parser.process(app);
    }
};

// True when the command line asks for the help or the version: words on stdout, no window.
bool asksForWordsOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") break;
        for (const std::string_view asked : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (word == asked) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // The help and the version need no display: the application is made on the platform that
    // draws nowhere (with every Qt option of --help-all all the same), prints them and ends.
    if (asksForWordsOnly(argc, argv)) qputenv("QT_QPA_PLATFORM", "minimal");
    pelterra::app::GuardedApplication qt(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pelterra::app::kSettingsApplication));
    QApplication::setApplicationDisplayName(QString::fromLatin1(pelterra::app::kProductTitle));
    QApplication::setApplicationVersion(QStringLiteral("0.23.8"));
    const ProgramOptions given(qt);
    const QCommandLineParser& options = given.parser;

    // The translations always come with the program; --parts only names another parts library.
    const std::filesystem::path ownFolder = pelterra::LibraryFolder(pelterra::ExecutableFolder(argv[0]));
    const std::filesystem::path programFolder =
        options.isSet(given.parts) ? std::filesystem::path(options.value(given.parts).toStdString()) : ownFolder;
    if (options.isSet(given.screenshots)) {
        pelterra::app::installTranslations(
            pelterra::app::chooseLanguage(options.value(given.language), QLocale::system()), ownFolder);
        return pelterra::app::TakeScreenshots(programFolder, options.value(given.screenshots));
    }

    std::unique_ptr<QSettings> settings = pelterra::app::openUserSettings();
    pelterra::app::installTranslations(
        pelterra::app::chooseLanguage(
            options.isSet(given.language) ? options.value(given.language) : pelterra::app::storedLanguage(*settings),
            QLocale::system()),
        ownFolder);
    pelterra::app::Application app(programFolder, std::move(settings));
    // A fault of the program: tell the user, offer to save the project, then quit.
    const auto rescue = [&app](const QString& fault) { pelterra::app::OfferRescue(app.mainWindow(), fault); };
    qt.onFault = [rescue](const QString& fault) {
        rescue(fault);
        QApplication::exit(pelterra::app::kExitAfterFault);
    };
    pelterra::app::InstallTerminateHandler(rescue);
    app.start();
    if (const QStringList files = options.positionalArguments(); !files.isEmpty())
        app.mainWindow()->openFile(files.first());
    QObject::connect(app.mainWindow(), &pelterra::app::MainWindow::exitRequested, &qt, [] { QApplication::exit(0); });
    QObject::connect(app.mainWindow(), &pelterra::app::MainWindow::closed, &qt, [] { QApplication::quit(); });
    const int code = QApplication::exec();
    // The window goes now: there is nothing left to save, and the handlers must not reach it.
    qt.onFault = {};
    pelterra::app::InstallTerminateHandler({});
    return code;
}
