#include "application.h"

#include <QApplication>

#include "core_words.h"
#include "document/initial_state.h"
#include "interaction.h"
#include "main_window.h"
#include "settings_store.h"
#include "splash_window.h"

namespace pelterra::app {

Application::Application(std::filesystem::path programFolder, std::unique_ptr<QSettings> settings)
    : m_programFolder(std::move(programFolder)), m_settings(std::move(settings)),
      m_bridge(std::make_unique<DocumentBridge>(m_doc, m_programFolder)) {}

Application::~Application() {
    // The windows go before the bridge and the document they are bound to.
    m_main.reset();
    m_splash.reset();
    m_bridge.reset();
}

void Application::start(bool showSplash) {
    m_splash = std::make_unique<SplashWindow>();
    if (showSplash) {
        m_splash->show();
        QApplication::processEvents();
    }

    // A settings file that cannot be read is never written over: this run goes without stored
    // settings (an empty store gives every default, and the window saves none) and says so.
    const QString settingsProblem = m_settings ? SettingsFileProblem(*m_settings) : QString();
    if (!settingsProblem.isEmpty()) m_settings.reset();
    QSettings blank{QString(), QSettings::IniFormat};
    QSettings& stored = m_settings ? *m_settings : blank;
    ReadCheckSettings(m_doc, stored);
    ReadSaveFolderSettings(m_doc, stored, m_programFolder);
    ReadColourSettings(m_doc, stored);

    SplashWindow* splash = m_splash.get();
    m_startup = InitialiseDocument(m_doc, m_programFolder, [splash](const Words& line) {
        splash->showProgress(wordText(line));
        QApplication::processEvents();
    });

    // Library folders that cannot be read, a missing cg.bmp and start-up parts that cannot be
    // read: the window's status bar shows them.
    if (!m_startup) m_doc.noteProblem(m_startup.error());
    m_main = std::make_unique<MainWindow>(*m_bridge, m_programFolder, m_settings.get());
    m_main->show();
    m_splash->hide();
    if (!settingsProblem.isEmpty()) ShowMessage(m_main.get(), settingsProblem);
}

}  // namespace pelterra::app
