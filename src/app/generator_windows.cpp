#include "generator_windows.h"

#include <iterator>

#include <QCoreApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "bindings.h"
#include "colour_swatch.h"
#include "generators/back_base_maker.h"
#include "generators/frame_maker.h"
#include "generators/slider_maker.h"
#include "slot_view.h"

namespace pelterra::app {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

SlotView* picture(DocumentBridge& bridge, SlotName slot, int zoom, QWidget* parent) {
    auto* view = new SlotView(bridge, slot, -1, parent);
    view->setZoom(zoom);
    view->setToolTip(QStringLiteral("%1  %2×%3").arg(qs(slot.written())).arg(view->image().width()).arg(view->image().height()));
    return view;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent, std::function<void()> action) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    QObject::connect(b, &QPushButton::clicked, b, std::move(action));
    return b;
}

QRadioButton* option(DocumentBridge& bridge, ControlName name, int index, const QString& caption, QWidget* parent,
                     std::function<void()> afterClick = {}) {
    auto* o = new QRadioButton(caption, parent);
    bindOption(bridge, o, name, index);
    if (afterClick) QObject::connect(o, &QRadioButton::clicked, o, std::move(afterClick));
    return o;
}

// --- frmMakeFrame ---------------------------------------------------------------------------

constexpr const char* kFrameColourCaptions[] = {QT_TRANSLATE_NOOP("GeneratorWindows", "明るい色"), QT_TRANSLATE_NOOP("GeneratorWindows", "通常色"), QT_TRANSLATE_NOOP("GeneratorWindows", "暗い色"), QT_TRANSLATE_NOOP("GeneratorWindows", "ボディー")};
static_assert(std::size(kFrameColourCaptions) == 4);

struct TransferButton {
    const char* name;
    const char* caption;
    FrameTransfer transfer;
};
constexpr TransferButton kFrameTransfers[] = {
    {"btnData", QT_TRANSLATE_NOOP("GeneratorWindows", "MainのDataへ転送"), FrameTransfer::FrameDataToMain},
    {"btnEqData", QT_TRANSLATE_NOOP("GeneratorWindows", "EQのDataへ転送"), FrameTransfer::FrameDataToEq},
    {"btnMask", QT_TRANSLATE_NOOP("GeneratorWindows", "MainのMaskへ転送"), FrameTransfer::FrameMaskToMain},
    {"btnEqMask", QT_TRANSLATE_NOOP("GeneratorWindows", "EQのMaskへ転送"), FrameTransfer::FrameMaskToEq},
};
constexpr TransferButton kGradientTransfers[] = {
    {"btnDataGra", QT_TRANSLATE_NOOP("GeneratorWindows", "MainのDataへ転送する"), FrameTransfer::GradientDataToMain},
    {"Command1", QT_TRANSLATE_NOOP("GeneratorWindows", "EQのDataへ送る"), FrameTransfer::GradientDataToEq},
    {"Command2", QT_TRANSLATE_NOOP("GeneratorWindows", "MainのMaskへ転送する"), FrameTransfer::GradientMaskToMain},
    {"Command3", QT_TRANSLATE_NOOP("GeneratorWindows", "EQのMaskへ送る"), FrameTransfer::GradientMaskToEq},
};

// A maker box: its swatches over its picture, and the two transfer buttons (when it has them).
void layOutMakerBox(DocumentBridge& bridge, QGroupBox* box, QHBoxLayout* swatches, SlotName slot,
                    const TransferButton* transfers) {
    Document& doc = bridge.doc();
    auto* buttons = new QHBoxLayout;
    for (int i = 0; transfers && i < 2; ++i) {
        const FrameTransfer t = transfers[i].transfer;
        buttons->addWidget(button(transfers[i].name, QCoreApplication::translate("GeneratorWindows", transfers[i].caption), box,
                                  [&doc, t] { TransferFrame(doc, t); }));
    }
    buttons->addStretch();
    auto* column = new QVBoxLayout(box);
    column->addLayout(swatches);
    column->addWidget(picture(bridge, slot, 1, box));
    column->addLayout(buttons);
}

// A frame of four colour swatches (lbldata or lblMask) over its picture and two transfer buttons.
QGroupBox* frameColours(DocumentBridge& bridge, const QString& caption, ControlName swatch, SlotName slot,
                        const TransferButton* transfers, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* swatches = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* s = new ColourSwatch(bridge, swatch, i, QCoreApplication::translate("GeneratorWindows", kFrameColourCaptions[i]), box);
        swatches->addWidget(s);
    }
    swatches->addStretch();
    layOutMakerBox(bridge, box, swatches, slot, transfers);
    return box;
}

QWidget* frameTab(DocumentBridge& bridge, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(objectNameOf("fraTab", 0));
    auto* style = new QGroupBox(QCoreApplication::translate("GeneratorWindows", "スタイル"), tab);
    style->setObjectName(QStringLiteral("fraFrameStyle"));
    auto* styleColumn = new QVBoxLayout(style);
    const char* const styles[] = {QT_TRANSLATE_NOOP("GeneratorWindows", "通常"), QT_TRANSLATE_NOOP("GeneratorWindows", "下無し"), QT_TRANSLATE_NOOP("GeneratorWindows", "上無し")};
    for (int i = 0; i < 3; ++i)
        styleColumn->addWidget(option(bridge, ctl::Optframe, i, QCoreApplication::translate("GeneratorWindows", styles[i]), style));
    styleColumn->addStretch();
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(frameColours(bridge, QStringLiteral("Data"), ctl::lbldata, frame_maker::kFrameData, &kFrameTransfers[0], tab),
                      0, Qt::AlignTop);
    layout->addWidget(frameColours(bridge, QStringLiteral("Mask"), ctl::lblMask, frame_maker::kFrameMask, &kFrameTransfers[2], tab),
                      0, Qt::AlignTop);
    layout->addWidget(style, 0, Qt::AlignTop);
    return tab;
}

// A two-colour gradient: its top and bottom swatches, the picture and two transfer buttons.
QGroupBox* gradientBox(DocumentBridge& bridge, const QString& caption, ControlName top, ControlName bottom,
                       SlotName slot, const TransferButton* transfers, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* swatches = new QHBoxLayout;
    for (auto [name, text] : {std::pair{top, QT_TRANSLATE_NOOP("GeneratorWindows", "上端の色")}, std::pair{bottom, QT_TRANSLATE_NOOP("GeneratorWindows", "下端の色")}}) {
        auto* s = new ColourSwatch(bridge, name, -1, QCoreApplication::translate("GeneratorWindows", text), box);
        swatches->addWidget(s);
    }
    swatches->addStretch();
    layOutMakerBox(bridge, box, swatches, slot, transfers);
    return box;
}

QWidget* gradientTab(DocumentBridge& bridge, QWidget* parent) {
    auto* tab = new QWidget(parent);
    tab->setObjectName(objectNameOf("fraTab", 1));
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(gradientBox(bridge, QStringLiteral("Data"), ctl::lblDataGra1, ctl::lblDataGra2, frame_maker::kGradientData,
                                  &kGradientTransfers[0], tab),
                      0, Qt::AlignTop);
    layout->addWidget(gradientBox(bridge, QStringLiteral("Mask"), ctl::lblMaskGra1, ctl::lblMaskGra2, frame_maker::kGradientMask,
                                  &kGradientTransfers[2], tab),
                      0, Qt::AlignTop);
    layout->addStretch();
    return tab;
}

QWidget* bigGradientTab(DocumentBridge& bridge, QWidget* parent) {
    Document& doc = bridge.doc();
    auto* tab = new QWidget(parent);
    tab->setObjectName(objectNameOf("fraTab", 2));
    QGroupBox* gradient = gradientBox(bridge, QCoreApplication::translate("GeneratorWindows", "Main＋EQ"), ctl::lblBig1, ctl::lblBig2, frame_maker::kBigGradient,
                                      nullptr, tab);

    auto* where = new QGroupBox(QCoreApplication::translate("GeneratorWindows", "転送場所の指定"), tab);
    where->setObjectName(QStringLiteral("fraToWhere"));
    auto* whereColumn = new QVBoxLayout(where);
    whereColumn->addWidget(option(bridge, ctl::optToData, -1, QCoreApplication::translate("GeneratorWindows", "Dataへ転送"), where));
    whereColumn->addWidget(option(bridge, ctl::optToMask, -1, QCoreApplication::translate("GeneratorWindows", "Maskへ転送"), where));
    auto* order = new QGroupBox(QCoreApplication::translate("GeneratorWindows", "上下の指定"), tab);
    order->setObjectName(QStringLiteral("fraUpDown"));
    auto* orderColumn = new QVBoxLayout(order);
    orderColumn->addWidget(option(bridge, ctl::optMainUp, -1, QCoreApplication::translate("GeneratorWindows", "Mainが上、EQが下"), order));
    orderColumn->addWidget(option(bridge, ctl::optEqUp, -1, QCoreApplication::translate("GeneratorWindows", "EQが上、Mainが下"), order));

    auto* side = new QVBoxLayout;
    side->addWidget(where);
    side->addWidget(order);
    side->addWidget(button("Command8", QCoreApplication::translate("GeneratorWindows", "転送実行"), tab, [&doc] { Command8(doc); }));
    side->addStretch();
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(gradient, 0, Qt::AlignTop);
    layout->addLayout(side);
    layout->addStretch();
    return tab;
}

void hideInstead(QWidget* window, QCloseEvent* event) {
    // The window lasts as long as the program: closing only hides it.
    event->ignore();
    window->hide();
}

template <typename W>
W* toolWindow(DocumentBridge& bridge, QWidget* owner, const char* name) {
    if (auto* existing = owner->findChild<W*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)) return existing;
    return new W(bridge, owner);
}

}  // namespace

FrameMakerWindow::FrameMakerWindow(DocumentBridge& bridge, QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmMakeFrame"));
    setWindowTitle(QStringLiteral("FrameMaking"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabFrame"));
    tabs->addTab(frameTab(bridge, tabs), QCoreApplication::translate("GeneratorWindows", "其の一"));
    tabs->addTab(gradientTab(bridge, tabs), QCoreApplication::translate("GeneratorWindows", "其のニ"));
    tabs->addTab(bigGradientTab(bridge, tabs), QCoreApplication::translate("GeneratorWindows", "其の三"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    // Loading the window draws its pictures.
    LoadFrameMaker(bridge.doc());
}

void FrameMakerWindow::closeEvent(QCloseEvent* event) { hideInstead(this, event); }

SliderMakerWindow::SliderMakerWindow(DocumentBridge& bridge, QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("FrmMakeSlider"));
    setWindowTitle(QStringLiteral("SliderMaking"));
    Document& doc = bridge.doc();

    struct SliderSwatch {
        ControlName swatch;
        const char* caption;
    };
    const SliderSwatch data[] = {{ctl::LblSliderDataHi, QT_TRANSLATE_NOOP("GeneratorWindows", "ハイライト")}, {ctl::LblSliderDataTop, QT_TRANSLATE_NOOP("GeneratorWindows", "トップ")},
                                 {ctl::LblSliderDataShadow, QT_TRANSLATE_NOOP("GeneratorWindows", "シャドウ")}, {ctl::LblSliderDataFrame, QT_TRANSLATE_NOOP("GeneratorWindows", "枠")}};
    const SliderSwatch mask[] = {{ctl::LblSliderMaskHi, QT_TRANSLATE_NOOP("GeneratorWindows", "ハイライト")}, {ctl::LblSliderMaskTop, QT_TRANSLATE_NOOP("GeneratorWindows", "トップ")},
                                 {ctl::LblSliderMaskShadow, QT_TRANSLATE_NOOP("GeneratorWindows", "シャドウ")}, {ctl::LblSliderMaskFrame, QT_TRANSLATE_NOOP("GeneratorWindows", "枠")}};
    auto frameOf = [&](const QString& caption, const SliderSwatch (&swatches)[4], SlotName slot) {
        auto* box = new QGroupBox(caption, this);
        auto* grid = new QGridLayout(box);
        for (int i = 0; i < 4; ++i) {
            auto* s = new ColourSwatch(bridge, swatches[i].swatch, -1, QCoreApplication::translate("GeneratorWindows", swatches[i].caption), box);
            grid->addWidget(s, i / 2, i % 2);
        }
        grid->addWidget(picture(bridge, slot, 4, box), 2, 0, 1, 2);
        return box;
    };

    auto* style = new QHBoxLayout;
    style->addWidget(option(bridge, ctl::OpSliderOff, -1, QCoreApplication::translate("GeneratorWindows", "枠無し"), this));
    style->addWidget(option(bridge, ctl::OpSliderOn, -1, QCoreApplication::translate("GeneratorWindows", "枠あり"), this));
    style->addStretch();
    auto* hint = new QLabel(QCoreApplication::translate("GeneratorWindows", "色はダブルクリックで選びます"), this);

    auto* apply = button("Command1", QCoreApplication::translate("GeneratorWindows", "適用"), this, [this, &doc] {
        ApplySlider(doc);
        hide();
    });
    auto* cancel = button("Command2", QCoreApplication::translate("GeneratorWindows", "キャンセル"), this, [this] { hide(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);

    auto* frames = new QHBoxLayout;
    frames->addWidget(frameOf(QStringLiteral("Data"), data, slider_maker::kData));
    frames->addWidget(frameOf(QStringLiteral("Mask"), mask, slider_maker::kMask));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(style);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    SliderColorChange(doc);
}

void SliderMakerWindow::closeEvent(QCloseEvent* event) { hideInstead(this, event); }

BackColorWindow::BackColorWindow(DocumentBridge& bridge, QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmBackColor"));
    setWindowTitle(QStringLiteral("MakeBackColor"));
    Document& doc = bridge.doc();

    auto* swatches = new QVBoxLayout;
    const char* const captions[] = {"Top", "Middle", "Bottom"};
    for (int i = 0; i < 3; ++i) {
        auto* s = new ColourSwatch(bridge, ctl::lblcolor, i, QString::fromLatin1(captions[i]), this);
        swatches->addWidget(s);
    }
    swatches->addStretch();
    swatches->addWidget(button("btnMake", QCoreApplication::translate("GeneratorWindows", "作成"), this, [&doc] { MakeBackColor(doc); }));
    swatches->addWidget(button("btnCopy", QCoreApplication::translate("GeneratorWindows", "適用"), this, [this, &doc] {
        ApplyBackColor(doc);
        hide();
    }));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(swatches);
    layout->addWidget(picture(bridge, back_base_maker::kStrip, 2, this), 0, Qt::AlignTop);
    layout->addWidget(picture(bridge, back_base_maker::kSheet, 2, this), 0, Qt::AlignTop);
    // Loading the window draws nothing.
}

void BackColorWindow::closeEvent(QCloseEvent* event) { hideInstead(this, event); }

FrameMakerWindow* frameMakerWindow(DocumentBridge& bridge, QWidget* owner) {
    return toolWindow<FrameMakerWindow>(bridge, owner, "frmMakeFrame");
}

SliderMakerWindow* sliderMakerWindow(DocumentBridge& bridge, QWidget* owner) {
    return toolWindow<SliderMakerWindow>(bridge, owner, "FrmMakeSlider");
}

BackColorWindow* backColorWindow(DocumentBridge& bridge, QWidget* owner) {
    return toolWindow<BackColorWindow>(bridge, owner, "frmBackColor");
}

void showToolWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

QPushButton* frameMakerButton(DocumentBridge& bridge, QWidget* owner, const char* name, QWidget* parent) {
    auto* b = button(name, QCoreApplication::translate("GeneratorWindows", "FrameData自作"), parent,
                     [&bridge, owner] { showToolWindow(frameMakerWindow(bridge, owner)); });
    b->setToolTip(QCoreApplication::translate("GeneratorWindows", "色を選んでフレームやグラデーションを作ります"));
    return b;
}

QPushButton* sliderMakerButton(DocumentBridge& bridge, QWidget* owner, QWidget* parent) {
    auto* b = button("BtnMakeSliderData", QCoreApplication::translate("GeneratorWindows", "SliderData自作"), parent,
                     [&bridge, owner] { showToolWindow(sliderMakerWindow(bridge, owner)); });
    b->setToolTip(QCoreApplication::translate("GeneratorWindows", "色を選んでスライダーのつまみを作ります"));
    return b;
}

QPushButton* backColorButton(DocumentBridge& bridge, QWidget* owner, QWidget* parent) {
    auto* b = button("btnBackColor", QStringLiteral("MakeBackColor"), parent,
                     [&bridge, owner] { showToolWindow(backColorWindow(bridge, owner)); });
    b->setToolTip(QCoreApplication::translate("GeneratorWindows", "三つの色からイコライザのスライダーの背景を作ります"));
    return b;
}

}  // namespace pelterra::app
