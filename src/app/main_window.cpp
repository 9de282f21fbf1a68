#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
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
#include "sheets/build_driver.h"
#include "equalizer/eq_parts.h"
#include "equalizer/picture_import.h"
#include "how_form.h"
#include "image_convert.h"
#include "interaction.h"
#include "mix_mode_window.h"
#include "output/preview.h"
#include "preview_window.h"
#include "settings_store.h"
#include "slot_view.h"
#include "tab_strip.h"

namespace pelterra::app {

namespace {

constexpr int kTimerInterval = 100;  // ms, CheckTimer

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
    if (skipped > 0) lines << QStringLiteral("（ほかに %1 件）").arg(skipped);
    for (std::size_t i = skipped; i < problems.size(); ++i) lines << QString::fromStdString(problems[i].describe());
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

    QSize size = kPreferredSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
    resize(size);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("MenuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &MainWindow::exitWithoutSaving);

    QAction* mix = menuBar()->addAction(QStringLiteral("合成方法(&M)"));
    mix->setObjectName(QStringLiteral("mnuMask"));
    connect(mix, &QAction::triggered, this, &MainWindow::showMixModeWindow);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("response"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
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
    if (file.isEmpty()) return;
    Status opened = OpenCombinedPicture(doc(), file.toStdString(), [this] { return askHowForm(); });
    if (!opened) reportFailure(opened.error());
}

void MainWindow::build() {
    if (isBuilding(doc())) return;
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
        statusBar()->showMessage(QStringLiteral("保存しました: ") + QString::fromStdString(where.string()));
    }
}

void MainWindow::exitWithoutSaving() {
    m_exiting = true;
    Q_EMIT exitRequested();
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
    const QString latest = QString::fromStdString(problems.back().describe()).section(QLatin1Char('\n'), 0, 0);
    statusBar()->showMessage(QStringLiteral("読みこめませんでした: ") + latest);
    m_problemButton->setText(QStringLiteral("読みこみの問題 %1 件").arg(problems.size()));
    m_problemButton->setToolTip(problemLines(problems, kProblemsInTooltip));
    m_problemButton->show();
}

void MainWindow::showProblems() { ShowMessage(this, problemLines(doc().problems(), doc().problems().size())); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_exiting && m_settings) WriteSettings(doc(), *m_settings);
    m_checkTimer->stop();
    // Every other window goes with the main window.
    m_mixMode->hide();
    m_preview->hide();
    event->accept();
    Q_EMIT closed();
}

}  // namespace pelterra::app
