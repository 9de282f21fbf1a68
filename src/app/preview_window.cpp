#include "preview_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

#include "bindings.h"
#include "core_words.h"
#include "output/destination.h"
#include "interaction.h"
#include "region_page.h"
#include "slot_view.h"

namespace pelterra::app {

namespace {

constexpr int kPreviewZoom = 2;

SlotName slotOf(PreviewImage image) { return image == PreviewImage::Main ? pic::PreView : pic::EQPreView; }

void arrangePane(SlotView* view, const PreviewPane& pane) {
    if (pane.shows)
        view->showSlot(slotOf(*pane.shows));
    else
        view->showSlot({});
    view->setVisible(pane.visible);
}

}  // namespace

PreviewWindow::PreviewWindow(DocumentBridge& bridge, std::filesystem::path programFolder, QWidget* parent)
    : QDialog(parent), m_bridge(bridge), m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("PreViewForm"));
    setWindowTitle(QStringLiteral("Preview"));
    setModal(true);

    // A screen too small for doubled pictures gets them 1:1.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int zoom = screen && screen->availableGeometry().height() < 700 ? 1 : kPreviewZoom;

    m_pane1 = new SlotView(bridge, {}, -1, this);
    m_pane1->setObjectName(QStringLiteral("PreView1"));
    m_pane1->setZoom(zoom);
    m_pane2 = new SlotView(bridge, {}, -1, this);
    m_pane2->setObjectName(QStringLiteral("PreView2"));
    m_pane2->setZoom(zoom);
    auto* playlist = new SlotView(bridge, pic::PreViewPL, -1, this);
    playlist->setObjectName(objectNameOf(pic::picPL));
    playlist->setZoom(zoom);
    Document& doc = bridge.doc();
    watchControl(bridge, playlist, ctl::chkPLMake, [&doc, playlist] { playlist->setVisible(doc.isChecked(ctl::chkPLMake)); });

    auto* panes = new QVBoxLayout;
    panes->setSpacing(0);
    panes->addWidget(m_pane1);
    panes->addWidget(m_pane2);
    panes->addStretch();
    auto* pictures = new QHBoxLayout;
    pictures->addLayout(panes);
    pictures->addWidget(playlist, 0, Qt::AlignTop);
    pictures->addStretch();

    auto* question = new QLabel(QCoreApplication::translate("PreviewWindow", "このデータでSaveしてもいいですか？"), this);
    question->setObjectName(QStringLiteral("Label1"));
    auto* where = new QLabel(QCoreApplication::translate("PreviewWindow", "データを保存する場所は下の場所です"), this);
    where->setObjectName(QStringLiteral("Label3"));
    auto* destination = new QLabel(this);
    bindLabel(bridge, destination, ctl::Label2);
    destination->setTextInteractionFlags(Qt::TextSelectableByMouse);
    destination->setWordWrap(true);

    auto* saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setObjectName(QStringLiteral("Command1"));
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &PreviewWindow::save);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addWidget(question);
    layout->addWidget(where);
    layout->addWidget(destination);
    layout->addLayout(buttons);
}

void PreviewWindow::arrange(const PreviewPanes& panes) {
    arrangePane(m_pane1, panes.preView1);
    arrangePane(m_pane2, panes.preView2);
    ShapePreviewPanes(m_bridge, m_pane1, m_pane2, this);
    adjustSize();
}

void PreviewWindow::showModal() {
    m_saved.reset();
    exec();
}

void PreviewWindow::save() {
    if (!incompleteSkinIsAgreed() || !replacingIsAgreed()) return;
    Result<SavedSkin> saved = SaveSkin(m_bridge.doc(), m_programFolder);
    if (!saved) {
        // The window stays open: the user can cancel, or try again after freeing the place.
        ShowFailure(this, saved.error());
        return;
    }
    m_saved = std::move(*saved);
    accept();
}

bool PreviewWindow::incompleteSkinIsAgreed() {
    const std::optional<Words> missing = MissingPlayerFilesWarning(m_bridge.doc());
    if (!missing) return true;
    return AskYesNo(this, wordText(*missing) + QStringLiteral("\n\n") +
                              QCoreApplication::translate("PreviewWindow", "このまま保存しますか？"));
}

bool PreviewWindow::replacingIsAgreed() {
    Document& doc = m_bridge.doc();
    if (!doc.isChecked(ctl::AskBeforeReplacing)) return true;
    const Result<Destination> destination = ResolveDestination(doc);
    if (!destination) return true;  // the save itself says what is wrong
    const std::filesystem::path target = destination->zip ? destination->archive() : destination->skinFolder();
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(target, error))) return true;
    return AskYesNo(this, QCoreApplication::translate("PreviewWindow", "%1 はもうあります。置きかえますか？\n"
                                         "（「環境設定」の「すでにあるスキンを置きかえる前に確認する」で、この確認をやめられます）")
                              .arg(QString::fromStdString(target.string())));
}

}  // namespace pelterra::app
