// Form1, the main window: the tab strips of the "Main", "EQ", "Region" and "PlayList" pages, the
// part pages, the "Making" frame with the build button, the menus, and the 100 ms timer that keeps
// the make boxes in step (CheckTimer). Which page each tab strip shows is the window's own state.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include <QMainWindow>

#include "document_bridge.h"
#include "document/slot.h"
#include "parts/categories.h"
#include "parts/part_loading.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QGroupBox;
class QSettings;
class QTimer;
class QToolButton;

namespace pelterra::app {

class HowForm;
class MixModeWindow;
class PlayerPane;
class PreviewWindow;
class SlotView;
class TabStrip;

// The TabStrip1 pages, by tab.
namespace page {
inline constexpr int Main = 0;
inline constexpr int Settings = 10;  // "環境設定"
inline constexpr int Count = 17;
}  // namespace page

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `settings` receives the settings when the window is closed (may be null: nothing written).
    MainWindow(DocumentBridge& bridge, std::filesystem::path programFolder, QSettings* settings,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Document& doc() { return m_bridge.doc(); }
    const std::filesystem::path& programFolder() const { return m_programFolder; }

    // --- what the controls do -------------------------------------------------------------
    // "PictureOpen": the open-file dialog, then the combined picture import (HowForm asks when the
    // size needs it).
    void openBasePicture();
    // The build button: ZIP library check, build, the preview window.
    void build();
    // "Exit" (Ctrl+Q): closes the window as its close button does: unsaved work is asked
    // about first, and the settings are written.
    void exitWithoutSaving();
    // The File menu: a project folder chosen in a dialog (or given) is loaded as "プロジェクト読みこみ"
    // loads it; "Save project" saves as "プロジェクト保存" does.
    void openProject();
    void openProjectFolder(const QString& folder);
    void saveProject();
    // Opens a picture file as the base picture (the File menu, a recent picture, a drop).
    void openBasePictureFile(const QString& file);
    // The recent pictures and projects, newest first (10 each), as the settings keep them.
    QStringList recentPictures() const;
    QStringList recentProjects() const;
    // CheckTimer: both boxes of every make pair take the flag's value.
    void syncMakeBoxes();
    // Double-click on a part slot: the open-file dialog, then the picture stretched into it.
    void openPictureIntoSlot(SlotRef slot);
    // The mnuClip choice on a part slot, and on Picture1.
    void applyClipChoice(SlotRef slot, ClipChoice choice);
    void applyPicture1ClipChoice(ClipChoice choice);
    // "合成方法" and "About".
    void showMixModeWindow();
    void showAbout();
    // The document's problems (files that could not be read at start-up, on first use or by a
    // project load): the latest on the status bar, the count on the button beside it, every one
    // in its tooltip and, on a click, in a message.
    void showLatestProblem();
    void showProblems();
    QToolButton* problemButton() const { return m_problemButton; }

    // --- parts of the window ------------------------------------------------------------
    TabStrip* topTabs() const { return m_tabStrip3; }    // TabStrip3
    TabStrip* pageTabs() const { return m_tabStrip1; }   // TabStrip1
    TabStrip* eqTabs() const { return m_tabStrip2; }     // TabStrip2
    TabStrip* regionTabs() const { return m_tabStrip4; } // TabStrip4
    TabStrip* playlistTabs() const { return m_tabStrip5; }  // TabStrip5
    PreviewWindow* previewWindow() const { return m_preview; }
    MixModeWindow* mixModeWindow() const { return m_mixMode; }
    PlayerPane* playerPane() const { return m_player; }
    // File > Open skin, a dropped archive: the skin read from a folder, .wsz or .zip in the player view.
    void openSkin(const QString& path);
    // A dropped file or one named on the command line: a project folder opens as the project, a
    // .wsz or .zip in the player view, anything else as the base picture.
    void openFile(const QString& file);
    HowForm* howForm() const { return m_howForm; }
    QTimer* makeBoxTimer() const { return m_checkTimer; }
    // Every part slot view, for the zoom and for the tests.
    const std::vector<SlotView*>& slotViews() const { return m_slotViews; }

    // When set, the build hands the arranged preview window to this instead of showing it
    // modally (the screenshot walk grabs it).
    std::function<void(PreviewWindow&)> previewHook;

Q_SIGNALS:
    // "Exit" was chosen: the program ends without writing the settings.
    void exitRequested();
    // The window was closed and the settings written: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildEditMenu();
    void updateEditMenu();
    void rememberRecent(const char* key, const QString& path);
    // Writes the settings out; the first save of the run that fails is told, once.
    void syncSettings();
    void fillRecentMenus();
    // Asks about unsaved work; false when the user chose to go on working.
    bool unsavedWorkMayGo();
    QWidget* buildCentralWidget();
    QWidget* buildMainTabs();
    QWidget* buildMakingFrame();
    QWidget* buildMainPage();
    QWidget* buildPartPage(const MainCategory& category, int page);
    QWidget* buildSettingsPage();
    QGroupBox* languageBox(QWidget* parent);
    QWidget* placeholderPage(const QString& caption);
    void buildProblemButton();
    SlotView* addSlotView(SlotName name, int index, QWidget* parent, int zoom);
    void showPageChosen(int page);
    void reportFailure(const Error& error);
    int askHowForm();

    DocumentBridge& m_bridge;
    std::filesystem::path m_programFolder;
    QSettings* m_settings = nullptr;
    bool m_settingsFailureTold = false;

    TabStrip* m_tabStrip3 = nullptr;
    TabStrip* m_tabStrip1 = nullptr;
    TabStrip* m_tabStrip2 = nullptr;
    TabStrip* m_tabStrip4 = nullptr;
    TabStrip* m_tabStrip5 = nullptr;
    QTimer* m_checkTimer = nullptr;
    QToolButton* m_problemButton = nullptr;
    PreviewWindow* m_preview = nullptr;
    MixModeWindow* m_mixMode = nullptr;
    HowForm* m_howForm = nullptr;
    std::vector<SlotView*> m_slotViews;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QMenu* m_recentPictures = nullptr;
    QMenu* m_recentProjects = nullptr;
    PlayerPane* m_player = nullptr;
};

}  // namespace pelterra::app
