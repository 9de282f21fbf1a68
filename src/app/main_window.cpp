#include "main_window.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "about_window.h"
#include "app_info.h"
#include "core_words.h"
#include "sheets/build_driver.h"
#include "equalizer/eq_parts.h"
#include "equalizer/picture_import.h"
#include "how_form.h"
#include "image_convert.h"
#include "interaction.h"
#include "mix_mode_window.h"
#include "output/preview.h"
#include "player_pane.h"
#include "preview_window.h"
#include "settings_store.h"
#include "slot_view.h"
#include "tab_strip.h"

namespace pelterra::app {

namespace {

constexpr int kTimerInterval = 100;  // ms, CheckTimer

// The recent pictures and projects in the settings store, newest first.
constexpr int kRecentCount = 10;
constexpr const char* kRecentPicturesKey = "recent/pictures";
constexpr const char* kRecentProjectsKey = "recent/projects";

QAction* addMenuAction(QMenu* menu, const QString& text, const char* name, const QKeySequence& key = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

// "Undo" and "Redo" in the Edit menu, with the name of the step they take back or do again.
QString undoText(const QString& step = {}) {
    return step.isEmpty() ? QCoreApplication::translate("MainWindow", "元に戻す(&U)")
                          : QCoreApplication::translate("MainWindow", "元に戻す(&U): %1").arg(step);
}

QString redoText(const QString& step = {}) {
    return step.isEmpty() ? QCoreApplication::translate("MainWindow", "やり直す(&R)")
                          : QCoreApplication::translate("MainWindow", "やり直す(&R): %1").arg(step);
}

// The largest window that still fits a 1366x768 screen with its task bar.
constexpr QSize kPreferredSize(1280, 700);

// A tooltip shows the latest problems only; the message behind the button shows them all.
constexpr std::size_t kProblemsInTooltip = 20;

std::optional<Bitmap> clipboardPicture() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) return std::nullopt;
    return toBitmap(image);
}

void putOnClipboard(const Bitmap& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(toQImage(picture));
}

// The last `count` problems, one a line, oldest first; a first line says how many came before.
QString problemLines(const std::vector<Error>& problems, std::size_t count) {
    const std::size_t skipped = problems.size() > count ? problems.size() - count : 0;
    QStringList lines;
    if (skipped > 0) lines << QCoreApplication::translate("MainWindow", "（ほかに %1 件）").arg(skipped);
    for (std::size_t i = skipped; i < problems.size(); ++i) lines << wordError(problems[i]);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

MainWindow::MainWindow(DocumentBridge& bridge, std::filesystem::path programFolder, QSettings* settings,
                       QWidget* parent)
    : QMainWindow(parent), m_bridge(bridge), m_programFolder(std::move(programFolder)), m_settings(settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kMainWindowCaption));

    buildMenus();
    setCentralWidget(buildCentralWidget());
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    buildProblemButton();

    m_howForm = new HowForm(m_bridge, this);
    m_preview = new PreviewWindow(m_bridge, m_programFolder, this);
    m_mixMode = new MixModeWindow(m_bridge, this);
    m_player = new PlayerPane(m_bridge, m_programFolder, this);
    addDockWidget(Qt::RightDockWidgetArea, m_player);
    // Beside the editor rather than in it, so that the pages keep their room on a small screen.
    m_player->setFloating(true);
    m_player->resize(600, 300);
    if (QMenu* view = menuBar()->findChild<QMenu*>(QStringLiteral("mnuView"))) {
        QAction* show = m_player->toggleViewAction();
        show->setObjectName(QStringLiteral("mnuPlayerView"));
        show->setShortcut(QKeySequence(Qt::Key_F5));
        view->addAction(show);
    }

    // A command that fails on a user's change (a part file that cannot be read) is shown at once.
    m_bridge.onFailure = [this](const Error& error) { reportFailure(error); };

    // The make boxes' twins are kept equal by the document; the timer only repeats that.
    m_checkTimer = new QTimer(this);
    m_checkTimer->setObjectName(QStringLiteral("CheckTimer"));
    m_checkTimer->setInterval(kTimerInterval);
    connect(m_checkTimer, &QTimer::timeout, this, &MainWindow::syncMakeBoxes);
    m_checkTimer->start();

    // A new user's first step: the keyboard starts on "PictureOpen".
    if (auto* open = m_tabStrip1->frame(page::Main)->findChild<QWidget*>(QStringLiteral("Command1"))) open->setFocus();

    auto* buildKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    connect(buildKey, &QShortcut::activated, this, &MainWindow::build);

    // A picture dropped on the window opens as the base picture, a project folder as the project.
    setAcceptDrops(true);
    connect(&m_bridge, &DocumentBridge::projectSaved, this,
            [this](const QString& folder) { rememberRecent(kRecentProjectsKey, folder); });
    connect(&m_bridge, &DocumentBridge::projectLoaded, this,
            [this](const QString& folder) { rememberRecent(kRecentProjectsKey, folder); });

    // Every edit from here on can be undone; the start state is the saved state.
    m_bridge.startHistory();

    QSize size = kPreferredSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
    resize(size);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("MainWindow", "ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addMenuAction(file, QCoreApplication::translate("MainWindow", "画像を開く(&O)..."), "mnuOpenPicture", QKeySequence::Open),
            &QAction::triggered, this, &MainWindow::openBasePicture);
    connect(addMenuAction(file, QCoreApplication::translate("MainWindow", "プロジェクトを開く(&R)..."), "mnuOpenProject", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::openProject);
    connect(addMenuAction(file, QCoreApplication::translate("MainWindow", "プロジェクトを保存(&S)"), "mnuSaveProject", QKeySequence::Save),
            &QAction::triggered, this, &MainWindow::saveProject);
    connect(addMenuAction(file, QCoreApplication::translate("MainWindow", "スキンを開く(&K)..."), "mnuOpenSkin"), &QAction::triggered, this, [this] {
        const QString skin = ChooseSkinFile(this);
        if (!skin.isEmpty()) openSkin(skin);
    });
    file->addSeparator();
    m_recentPictures = file->addMenu(QCoreApplication::translate("MainWindow", "最近使った画像(&P)"));
    m_recentPictures->setObjectName(QStringLiteral("mnuRecentPictures"));
    m_recentProjects = file->addMenu(QCoreApplication::translate("MainWindow", "最近使ったプロジェクト(&J)"));
    m_recentProjects->setObjectName(QStringLiteral("mnuRecentProjects"));
    fillRecentMenus();
    file->addSeparator();
    QAction* exit = addMenuAction(file, QCoreApplication::translate("MainWindow", "終了(&X)"), "MenuExit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &MainWindow::exitWithoutSaving);

    buildEditMenu();
    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("MainWindow", "表示(&V)"));
    view->setObjectName(QStringLiteral("mnuView"));

    QAction* mix = menuBar()->addAction(QCoreApplication::translate("MainWindow", "合成方法(&M)"));
    mix->setObjectName(QStringLiteral("mnuMask"));
    connect(mix, &QAction::triggered, this, &MainWindow::showMixModeWindow);

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("MainWindow", "ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* keys = help->addAction(QCoreApplication::translate("MainWindow", "キーボードショートカット(&K)"));
    keys->setObjectName(QStringLiteral("mnuShortcuts"));
    connect(keys, &QAction::triggered, this, [this] {
        ShowMessage(this, QCoreApplication::translate("MainWindow", "Ctrl+O\t画像を開く (Open picture)\n"
                                         "Ctrl+Shift+O\tプロジェクトを開く (Open project)\n"
                                         "Ctrl+S\tプロジェクト保存 (Save project)\n"
                                         "Ctrl+B\tスキン作成 (Build the skin)\n"
                                         "Ctrl+Z\t元に戻す (Undo)\n"
                                         "Ctrl+Shift+Z, Ctrl+Y\tやり直す (Redo)\n"
                                         "F5\tプレイヤーでの見え方 (Player view)\n"
                                         "Ctrl+Q\t終了 (Exit)"));
    });
    QAction* about = help->addAction(QCoreApplication::translate("MainWindow", "バージョン情報(&A)"));
    about->setObjectName(QStringLiteral("response"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildEditMenu() {
    QMenu* editMenu = menuBar()->addMenu(QCoreApplication::translate("MainWindow", "編集(&E)"));
    editMenu->setObjectName(QStringLiteral("mnuEdit"));
    m_undo = addMenuAction(editMenu, undoText(), "mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = addMenuAction(editMenu, redoText(), "mnuRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undo, &QAction::triggered, this, [this] { m_bridge.undo(); });
    connect(m_redo, &QAction::triggered, this, [this] { m_bridge.redo(); });
    // The names are brought up to date as the menu opens: a pending edit has no step yet.
    connect(editMenu, &QMenu::aboutToShow, this, [this] {
        m_bridge.commitPendingEdit();
        updateEditMenu();
    });
    connect(&m_bridge, &DocumentBridge::historyChanged, this, &MainWindow::updateEditMenu);
    updateEditMenu();
}

void MainWindow::updateEditMenu() {
    History* history = m_bridge.history();
    const QString undoName = history ? QString::fromStdString(history->undoName()) : QString();
    const QString redoName = history ? QString::fromStdString(history->redoName()) : QString();
    m_undo->setText(undoText(undoName));
    m_redo->setText(redoText(redoName));
    m_undo->setEnabled(history && history->canUndo());
    m_redo->setEnabled(history && history->canRedo());
    setWindowModified(m_bridge.hasUnsavedWork());
}

QStringList MainWindow::recentPictures() const {
    return m_settings ? m_settings->value(QString::fromLatin1(kRecentPicturesKey)).toStringList() : QStringList();
}

QStringList MainWindow::recentProjects() const {
    return m_settings ? m_settings->value(QString::fromLatin1(kRecentProjectsKey)).toStringList() : QStringList();
}

void MainWindow::rememberRecent(const char* key, const QString& path) {
    if (!m_settings || path.isEmpty()) return;
    QStringList list = m_settings->value(QString::fromLatin1(key)).toStringList();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kRecentCount) list.removeLast();
    m_settings->setValue(QString::fromLatin1(key), list);
    syncSettings();
    fillRecentMenus();
}

void MainWindow::syncSettings() {
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError || m_settingsFailureTold) return;
    m_settingsFailureTold = true;
    ShowMessage(this, SettingsSaveProblem(*m_settings));
}

void MainWindow::fillRecentMenus() {
    const auto fill = [this](QMenu* menu, const QStringList& paths, void (MainWindow::*open)(const QString&)) {
        menu->clear();
        for (const QString& path : paths)
            connect(menu->addAction(path), &QAction::triggered, this, [this, path, open] { (this->*open)(path); });
        menu->setEnabled(!paths.isEmpty());
    };
    fill(m_recentPictures, recentPictures(), &MainWindow::openBasePictureFile);
    fill(m_recentProjects, recentProjects(), &MainWindow::openProjectFolder);
}

void MainWindow::openProject() {
    const QString folder = ChooseFolder(this, QCoreApplication::translate("MainWindow", "プロジェクトのフォルダ"));
    if (!folder.isEmpty()) openProjectFolder(folder);
}

void MainWindow::openProjectFolder(const QString& folder) {
    // The project page loads it, so that the page shows the folder and the result.
    auto* path = findChild<QLineEdit*>(QStringLiteral("Dir2Path"));
    auto* load = findChild<QPushButton*>(QStringLiteral("cmdSaveProject_1"));
    if (!path || !load) return;
    path->setText(QDir::toNativeSeparators(folder));
    Q_EMIT path->editingFinished();
    load->click();
}

void MainWindow::saveProject() {
    if (auto* save = findChild<QPushButton*>(QStringLiteral("cmdSaveProject_0"))) save->click();
}

void MainWindow::openSkin(const QString& path) {
    m_player->show();
    m_player->raise();
    if (Status opened = m_player->openSkin(path.toStdString()); !opened) reportFailure(opened.error());
}

bool MainWindow::unsavedWorkMayGo() {
    m_bridge.commitPendingEdit();
    if (!m_bridge.hasUnsavedWork()) return true;
    switch (AskUnsaved(this, QCoreApplication::translate("MainWindow", "保存していない変更があります。終了する前にプロジェクトを保存しますか？"))) {
        case UnsavedAnswer::Save:
            saveProject();
            return !m_bridge.hasUnsavedWork();
        case UnsavedAnswer::Discard: return true;
        case UnsavedAnswer::Cancel: return false;
    }
    return false;
}

void MainWindow::buildProblemButton() {
    m_problemButton = new QToolButton(statusBar());
    m_problemButton->setObjectName(QStringLiteral("ProblemList"));
    m_problemButton->setAutoRaise(true);
    m_problemButton->hide();
    statusBar()->addPermanentWidget(m_problemButton);
    connect(m_problemButton, &QToolButton::clicked, this, &MainWindow::showProblems);
    // Queued: a problem is noted while a slot view paints the slot whose part failed.
    connect(&m_bridge, &DocumentBridge::problemNoted, this, &MainWindow::showLatestProblem, Qt::QueuedConnection);
    showLatestProblem();  // the start-up's own
}

// --- the controls' actions ------------------------------------------------------------------

int MainWindow::askHowForm() { return m_howForm->ask(); }

void MainWindow::reportFailure(const Error& error) { ShowFailure(this, error); }

void MainWindow::openBasePicture() {
    const QString file = ChoosePictureFile(this);
    if (!file.isEmpty()) openBasePictureFile(file);
}

void MainWindow::openBasePictureFile(const QString& file) {
    Status opened = OpenCombinedPicture(doc(), file.toStdString(), [this] { return askHowForm(); });
    if (!opened) {
        reportFailure(opened.error());
        return;
    }
    rememberRecent(kRecentPicturesKey, file);
}

void MainWindow::build() {
    if (isBuilding(doc())) return;
    if (!hasPictureToBuild(doc())) {
        ShowMessage(this, QCoreApplication::translate("MainWindow", "スキンを作るには、先に「Main」ページの「PictureOpen」(Ctrl+O) で元になる画像を開いてください。"));
        return;
    }
    BuildHooks hooks;
    hooks.composePreview = [](Document& d) { ComposePreview(d); };
    hooks.showPreview = [this](const PreviewPanes& panes) {
        QApplication::restoreOverrideCursor();
        m_preview->arrange(panes);
        if (previewHook)
            previewHook(*m_preview);
        else
            m_preview->showModal();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Result<BuildReport> built = BuildSkinImages(doc(), m_programFolder, hooks);
    QApplication::restoreOverrideCursor();
    if (!built) {
        reportFailure(built.error());
        return;
    }
    if (built->outcome == BuildOutcome::Built && m_preview->saved()) {
        const Destination& d = m_preview->saved()->destination;
        const auto where = d.zip ? d.archive() : d.skinFolder();
        statusBar()->showMessage(QCoreApplication::translate("MainWindow", "保存しました: ") + QString::fromStdString(where.string()));
        m_bridge.markSaved();  // the work is in the skin: quitting now loses nothing asked for
    }
}

void MainWindow::exitWithoutSaving() {
    if (close()) Q_EMIT exitRequested();
}

void MainWindow::syncMakeBoxes() { SyncMakeBoxes(doc()); }

void MainWindow::openPictureIntoSlot(SlotRef slot) {
    const QString file = ChoosePictureFile(this);
    if (file.isEmpty()) return;
    Status loaded = LoadPictureIntoSlot(doc(), slot, file.toStdString());
    if (!loaded) reportFailure(loaded.error());
}

void MainWindow::applyClipChoice(SlotRef slot, ClipChoice choice) {
    Bitmap clipboard;
    if (choice == ClipChoice::Paste) clipboard = clipboardPicture().value_or(Bitmap{});
    Result<std::optional<Bitmap>> done = SlotClipboardMenu(doc(), slot, choice, clipboard);
    if (!done) {
        reportFailure(done.error());
        return;
    }
    if (choice == ClipChoice::Copy && done->has_value()) putOnClipboard(**done);
}

void MainWindow::applyPicture1ClipChoice(ClipChoice choice) {
    if (choice == ClipChoice::Copy) {
        putOnClipboard(doc().slot(pic::Picture1));
    } else if (choice == ClipChoice::Paste) {
        Status pasted = PasteCombinedPicture(doc(), clipboardPicture(), [this] { return askHowForm(); });
        if (!pasted) reportFailure(pasted.error());
    }
}

void MainWindow::showMixModeWindow() {
    m_mixMode->show();
    m_mixMode->raise();
    m_mixMode->activateWindow();
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.exec();
}

void MainWindow::showLatestProblem() {
    const std::vector<Error>& problems = doc().problems();
    if (problems.empty()) return;
    const QString latest = wordError(problems.back()).section(QLatin1Char('\n'), 0, 0);
    statusBar()->showMessage(QCoreApplication::translate("MainWindow", "読みこめませんでした: ") + latest);
    m_problemButton->setText(QCoreApplication::translate("MainWindow", "読みこみの問題 %1 件").arg(problems.size()));
    m_problemButton->setToolTip(problemLines(problems, kProblemsInTooltip));
    m_problemButton->show();
}

void MainWindow::showProblems() { ShowMessage(this, problemLines(doc().problems(), doc().problems().size())); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!unsavedWorkMayGo()) {
        event->ignore();
        return;
    }
    if (m_settings) {
        WriteSettings(doc(), *m_settings);
        syncSettings();
    }
    m_checkTimer->stop();
    // Every other window goes with the main window.
    m_mixMode->hide();
    m_preview->hide();
    event->accept();
    Q_EMIT closed();
}

namespace {

// The local file of a drag, or empty when it carries none.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
    const QUrl url = data->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

bool isSkinArchive(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("wsz") || suffix == QLatin1String("zip");
}

bool isProjectFolder(const QString& path) { return QFileInfo(QDir(path).filePath(QStringLiteral("project.ini"))).isFile(); }

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (!file.isEmpty() && (QFileInfo(file).isFile() || isProjectFolder(file))) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    openFile(file);
}

void MainWindow::openFile(const QString& file) {
    if (isProjectFolder(file))
        openProjectFolder(file);
    else if (isSkinArchive(file))
        openSkin(file);
    else
        openBasePictureFile(file);
}

}  // namespace pelterra::app
