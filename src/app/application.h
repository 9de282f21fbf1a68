// The program's life: the start-up sequence (splash, settings, part catalogue and first parts,
// main window), and the end by closing the main window (settings written) or by "Exit" (not).
#pragma once

#include <filesystem>
#include <memory>

#include <QSettings>

#include "document/document.h"
#include "document_bridge.h"
#include "result.h"

namespace pelterra::app {

class MainWindow;
class SplashWindow;

class Application {
public:
    // `settings` is the per-user store the program reads at start-up and writes at the end.
    Application(std::filesystem::path programFolder, std::unique_ptr<QSettings> settings);
    ~Application();

    // In this order: the splash window; the check-box settings, the save folder and the colours;
    // the part catalogue (its progress lines on the splash) and the first part of every category;
    // the main window shown; the splash closed. A failing step after the settings is skipped. A
    // settings file that cannot be used is told in a message once the window is up.
    void start(bool showSplash = true);

    Document& doc() { return m_doc; }
    DocumentBridge& bridge() { return *m_bridge; }
    MainWindow* mainWindow() const { return m_main.get(); }
    SplashWindow* splash() const { return m_splash.get(); }
    // The per-user store; nullptr when its file could not be used (nothing is then saved).
    QSettings* settings() { return m_settings.get(); }
    const std::filesystem::path& programFolder() const { return m_programFolder; }
    // What the start-up steps could not do (missing PartsData folders and the like).
    const Status& startupStatus() const { return m_startup; }

private:
    std::filesystem::path m_programFolder;
    std::unique_ptr<QSettings> m_settings;
    Document m_doc;
    std::unique_ptr<DocumentBridge> m_bridge;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_main;
    Status m_startup = ok();
};

}  // namespace pelterra::app
