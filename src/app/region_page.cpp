#include "region_page.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPolygon>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "bindings.h"
#include "core_words.h"
#include "how_form.h"
#include "image_convert.h"
#include "interaction.h"
#include "main_window.h"
#include "page_helpers.h"
#include "region/region_editor.h"
#include "slot_view.h"

namespace pelterra::app {

namespace {

// SlotView draws its picture inside a one-pixel border.
constexpr int kViewBorder = 1;
constexpr int kAreaZoom = 2;
constexpr int kCutOutZoom = 1;

struct KeyChannel {
    const char* caption;
    ControlName bar;
    ControlName box;
};
constexpr KeyChannel kKeyChannels[] = {
    {"R", ctl::HsRed, ctl::RegionRed},
    {"G", ctl::HsGreen, ctl::RegionGreen},
    {"B", ctl::HsBlue, ctl::RegionBlue},
};

// A region picture area: the left button (pressed or dragged) picks the key colour from the
// pixel under the mouse, the right button opens the clipboard menu.
class RegionAreaView : public SlotView {
public:
    RegionAreaView(DocumentBridge& bridge, int item, QWidget* parent)
        : SlotView(bridge, pic::RegionArea, item, parent), m_bridge(bridge), m_item(item) {
        setCursor(Qt::CrossCursor);
        setMouseTracking(false);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) pick(event->position());
        SlotView::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::LeftButton) pick(event->position());
        SlotView::mouseMoveEvent(event);
    }

private:
    void pick(const QPointF& at) {
        PickRegionKeyColour(m_bridge.doc(), m_item, (at.x() - kViewBorder) / zoom(), (at.y() - kViewBorder) / zoom());
    }

    DocumentBridge& m_bridge;
    int m_item;
};

void regionClipMenu(MainWindow& main, DocumentBridge& bridge, int item, const QPoint& at) {
    const ClipChoice chosen = askClipChoice(&main, at);
    if (chosen == ClipChoice::Paste) {
        Status pasted = PasteRegionArea(bridge.doc(), item, clipboardPicture());
        if (!pasted) ShowFailure(&main, pasted.error());
    } else if (chosen == ClipChoice::Copy) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setImage(toQImage(bridge.doc().slot(pic::RegionArea, item)));
    }
}

void loadRegionPicture(MainWindow& main, DocumentBridge& bridge) {
    const QString file = ChoosePictureFile(&main);
    if (file.isEmpty()) return;
    Result<int> loaded = LoadRegion(bridge.doc(), main.programFolder(), file.toStdString(),
                                    [&main] { return main.howForm()->ask(); });
    if (!loaded) ShowFailure(&main, loaded.error());
}

void makeRegion(MainWindow& main, DocumentBridge& bridge) {
    // The trace lets pending events run at every row and outline (Areay shows how far it is);
    // the main window takes no input meanwhile.
    main.setEnabled(false);
    Result<RegionTrace> traced = MakeRegion(bridge.doc(), main.programFolder(), [](const std::string&) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (!traced) {
        main.setEnabled(true);
        ShowFailure(&main, traced.error());
        return;
    }
    // The window takes input again before the message: a message box of a disabled window could
    // not be answered.
    main.setEnabled(true);
    QString text = QStringLiteral("Complete");
    if (traced->cutOff > 0)
        text += QCoreApplication::translate("RegionPage", "\n（%1 個の輪郭が長すぎたため途中で切りました）").arg(traced->cutOff);
    ShowInformation(&main, text);
}

QGroupBox* keyColourFrame(DocumentBridge& bridge, QWidget* parent) {
    Document& doc = bridge.doc();
    auto* frame = new QGroupBox(QCoreApplication::translate("RegionPage", "透明化する領域の色"), parent);
    frame->setObjectName(QStringLiteral("FrmRegionColor"));
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const KeyChannel& c : kKeyChannels) {
        auto* bar = new QScrollBar(Qt::Horizontal, frame);
        const ControlName name = c.bar;
        bindScrollBar(bridge, bar, c.bar, -1, [&doc, name](int value) {
            doc.setValue(name, value);
            RegionKeyBarChanged(doc, name);
        });
        bar->setMinimumWidth(130);
        auto* box = new QLineEdit(frame);
        bindLineEdit(bridge, box, c.box);
        box->setMaximumWidth(48);
        auto* label = new QLabel(QString::fromLatin1(c.caption), frame);
        label->setBuddy(bar);
        grid->addWidget(label, row, 0);
        grid->addWidget(bar, row, 1);
        grid->addWidget(box, row, 2);
        ++row;
    }
    // The key colour itself, as the boxes give it.
    auto* sample = new QLabel(frame);
    sample->setObjectName(QStringLiteral("lblRegionKeyColour"));
    sample->setAutoFillBackground(true);
    sample->setFrameShape(QFrame::Box);
    sample->setFixedHeight(16);
    auto refresh = [&doc, sample] {
        Result<Colour> key = ReadRegionKeyColour(doc);
        QPalette p = sample->palette();
        p.setColor(QPalette::Window, key ? QColor(GetRed(*key), GetGreen(*key), GetBlue(*key)) : QColor(Qt::transparent));
        sample->setPalette(p);
        sample->setToolTip(key ? QString() : wordError(key.error()));
    };
    for (const KeyChannel& c : kKeyChannels) watchControl(bridge, sample, c.box, refresh);
    grid->addWidget(sample, row, 0, 1, 3);
    return frame;
}

}  // namespace

QWidget* buildRegionPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;
    Document& doc = bridge.doc();

    auto* load = new QPushButton(QCoreApplication::translate("RegionPage", "画像読みこみ"), pageWidget);
    load->setObjectName(objectNameOf(ctl::LoadRegion));
    load->setToolTip(QCoreApplication::translate("RegionPage", "275×116 (メイン画面) か 275×232 (メイン＋イコライザ) の画像を開きます"));
    QObject::connect(load, &QPushButton::clicked, pageWidget, [&main, &bridge] { loadRegionPicture(main, bridge); });
    auto* trace = new QPushButton(QCoreApplication::translate("RegionPage", "画像切り取り"), pageWidget);
    bindVisibility(bridge, trace, ctl::BtnMakeRegion);
    trace->setObjectName(objectNameOf(ctl::BtnMakeRegion));
    trace->setToolTip(QCoreApplication::translate("RegionPage", "透明化する色の部分を切り取り、窓の形を作ります"));
    QObject::connect(trace, &QPushButton::clicked, pageWidget, [&main, &bridge] { makeRegion(main, bridge); });
    auto* progress = new QLabel(pageWidget);
    bindLabel(bridge, progress, ctl::Areay);
    auto* write = new QCheckBox(QCoreApplication::translate("RegionPage", "Region.txtを出力する"), pageWidget);
    bindCheckBox(bridge, write, ctl::RegionCheck);
    // The main page's "EQが下" again: it also names the sections of region.txt.
    auto* eqBelow = new QCheckBox(QCoreApplication::translate("RegionPage", "EQが下"), pageWidget);
    bindCheckBox(bridge, eqBelow, ctl::EqUporDown);
    eqBelow->setToolTip(QCoreApplication::translate("RegionPage", "縦に重ねた画像で、下の段をイコライザとして使います"));
    eqBelow->setObjectName(QStringLiteral("EqUporDown_Region"));
    auto* hint = new QLabel(QCoreApplication::translate("RegionPage", "切り取りが上手く行かないときは、その画像を添えて\n"
                                             "Pelterraのバグ報告 (プロジェクトの課題管理ページ) に\n"
                                             "送ってください"), pageWidget);
    hint->setObjectName(QStringLiteral("lblRegionHint"));
    hint->setWordWrap(true);
    auto* help = new QLabel(QCoreApplication::translate("RegionPage", "画像の上を左クリックすると、その点の色が透明化する色になります。"
                                           "右クリックで貼りつけ／コピー。"),
                            pageWidget);
    help->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(keyColourFrame(bridge, pageWidget));
    left->addWidget(load);
    left->addWidget(trace);
    left->addWidget(progress);
    left->addWidget(write);
    left->addWidget(eqBelow);
    left->addSpacing(8);
    left->addWidget(help);
    left->addWidget(hint);
    left->addStretch();

    auto* source = new QGroupBox(QCoreApplication::translate("RegionPage", "画像"), pageWidget);
    source->setObjectName(QStringLiteral("FrmRegionSource"));
    auto* sourceColumn = new QVBoxLayout(source);
    auto* result = new QGroupBox(QCoreApplication::translate("RegionPage", "切り取り結果"), pageWidget);
    result->setObjectName(QStringLiteral("FrmRegionArea"));
    auto* resultColumn = new QVBoxLayout(result);
    for (int item = 0; item < 2; ++item) {
        auto* area = new RegionAreaView(bridge, item, source);
        area->setZoom(kAreaZoom);
        area->setToolTip(item == 0 ? QCoreApplication::translate("RegionPage", "RegionArea(0): メイン画面") : QCoreApplication::translate("RegionPage", "RegionArea(1): イコライザ"));
        bindVisibility(bridge, area, ctl::RegionArea, item);
        QObject::connect(area, &SlotView::menuRequested, area,
                         [&main, &bridge, item](const QPoint& at) { regionClipMenu(main, bridge, item, at); });
        sourceColumn->addWidget(area);
        auto* cutOut = new SlotView(bridge, pic::RegionSource, item, result);
        cutOut->setZoom(kCutOutZoom);
        cutOut->setToolTip(QCoreApplication::translate("RegionPage", "RegionSource(%1): 切り取った輪郭 (赤)").arg(item));
        bindVisibility(bridge, cutOut, ctl::RegionSource, item);
        resultColumn->addWidget(cutOut);
    }
    sourceColumn->addStretch();
    resultColumn->addStretch();

    auto* layout = new QHBoxLayout(pageWidget);
    auto* leftBox = new QWidget(pageWidget);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(250);
    layout->addWidget(leftBox);
    layout->addWidget(source, 0, Qt::AlignTop);
    layout->addWidget(result, 0, Qt::AlignTop);
    layout->addStretch();
    (void)doc;
    return pageWidget;
}

QRegion toRegion(const WindowShape& shape, int zoom) {
    QRegion region;
    for (const ShapePiece& piece : shape.pieces) {
        QRegion part;
        if (piece.isPolygon) {
            QPolygon polygon;
            polygon.reserve(static_cast<qsizetype>(piece.polygon.size()));
            for (const Point& p : piece.polygon) polygon << QPoint(p.x * zoom, p.y * zoom);
            part = QRegion(polygon, Qt::OddEvenFill);
        } else {
            part = QRegion(piece.rect.x * zoom, piece.rect.y * zoom, piece.rect.w * zoom, piece.rect.h * zoom);
        }
        switch (piece.combine) {
            case ShapeCombine::Start: region = part; break;
            case ShapeCombine::Xor: region = region.xored(part); break;
            case ShapeCombine::Union: region = region.united(part); break;
        }
    }
    return region;
}

void ShapePreviewPanes(DocumentBridge& bridge, SlotView* upper, SlotView* lower, QWidget* parent) {
    // The panes are the whole shaped area: the picture's own place, both windows below each other.
    PreviewWindowLayout layout;
    layout.windowWidth = kRegionImageWidth;
    layout.windowHeight = 2 * kRegionImageHeight;
    // ApplyPreviewRegion adds the classic window frame (3 across, 22 down); the panes have none.
    layout.picture = {-3, -22, kRegionImageWidth, kRegionImageHeight};
    const Document& doc = bridge.doc();
    Result<WindowShape> shape = ApplyPreviewRegion(doc, doc.isChecked(ctl::RegionCheck) ? 0 : 1, layout);
    if (!shape) {
        upper->clearMask();
        lower->clearMask();
        ShowFailure(parent, shape.error());
        return;
    }
    const int zoom = upper->zoom();
    const QRegion whole = toRegion(*shape, zoom);
    const int h = kRegionImageHeight * zoom;
    const QRect window(0, 0, kRegionImageWidth * zoom, h);
    auto apply = [](SlotView* pane, QRegion part) {
        part.translate(kViewBorder, kViewBorder);
        // An empty mask would mean no mask at all: a pane with nothing kept shows nothing.
        if (part.isEmpty()) part = QRegion(-1, -1, 1, 1);
        pane->setMask(part);
    };
    apply(upper, whole.intersected(window));
    apply(lower, whole.intersected(window.translated(0, h)).translated(0, -h));
}

}  // namespace pelterra::app
