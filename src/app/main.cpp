// pelterra: the desktop program. PartsData lies beside the executable, or in the installed
// prefix's share/pelterra, unless --parts names another folder.
#include <filesystem>
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

int main(int argc, char** argv) {
    pelterra::app::GuardedApplication qt(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pelterra::app::kSettingsApplication));
    QApplication::setApplicationDisplayName(QString::fromLatin1(pelterra::app::kProductTitle));
    QApplication::setApplicationVersion(QStringLiteral("0.23.8"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Pelterra: makes Winamp 2 skins from a picture and parts."));
    options.addHelpOption();
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Walk the windows with the sample picture, save a PNG of each into DIR and quit "
                       "(settings are neither read nor written)."),
        QStringLiteral("DIR"));
    options.addOption(screenshots);
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The language of the windows for this run, ja or en (default: the "
                                                     "choice stored on the settings page, else the system's)."),
                                      QStringLiteral("LANG"));
    options.addOption(language);
    const QCommandLineOption parts(QStringLiteral("parts"),
                                   QStringLiteral("The folder that holds PartsData (default: beside this program, else "
                                                  "its ../share/pelterra)."),
                                   QStringLiteral("DIR"));
    options.addOption(parts);
    options.addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("A picture to start from, a skin (.wsz or .zip) to show in the "
                                                 "player view, or a project folder to open."),
                                  QStringLiteral("[FILE]"));
    options.process(qt);

    // The translations always come with the program; --parts only names another parts library.
    const std::filesystem::path ownFolder = pelterra::LibraryFolder(pelterra::ExecutableFolder(argv[0]));
    const std::filesystem::path programFolder =
        options.isSet(parts) ? std::filesystem::path(options.value(parts).toStdString()) : ownFolder;
    if (options.isSet(screenshots)) {
        pelterra::app::installTranslations(
            pelterra::app::chooseLanguage(options.value(language), QLocale::system()), ownFolder);
        return pelterra::app::TakeScreenshots(programFolder, options.value(screenshots));
    }

    std::unique_ptr<QSettings> settings = pelterra::app::openUserSettings();
    pelterra::app::installTranslations(
        pelterra::app::chooseLanguage(
            options.isSet(language) ? options.value(language) : pelterra::app::storedLanguage(*settings),
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
