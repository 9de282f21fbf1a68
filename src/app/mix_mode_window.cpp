#include "mix_mode_window.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "bindings.h"
#include "parts/mix_mode.h"

namespace pelterra::app {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The frame captions of the rows k = 0..7 of each window.
constexpr std::string_view kMainRowCaptions[] = {"Cbuttons", "Shufrep",  "MonoSter", "PlayPaus",
                                                 "TitleBar", "Frame",    "Layer1",   "Layer2"};
constexpr std::string_view kEqRowCaptions[] = {"OnAuto", "Frame",  "TitleBar", "Image(Wave)",
                                               "Preset", "Layer1", "layer2",   "Slider"};
static_assert(std::size(kMainRowCaptions) == kMixRowCount && std::size(kEqRowCaptions) == kMixRowCount);

constexpr const char* kBitwiseCaption = QT_TRANSLATE_NOOP("MixModeWindow", "Pelterra標準");
constexpr const char* kAdditiveCaption = QT_TRANSLATE_NOOP("MixModeWindow", "世間の標準");

// What each blend does; both give the Data where the Mask is white and the background where it is
// black, and differ on grey.
QString bitwiseTip() {
    return QCoreApplication::translate("MixModeWindow",
    "Pelterra標準: Maskの白い所にData、黒い所に背景を置きます。\n"
    "灰色の所は色の値をビットごとに (背景 AND NOT Mask) OR (Mask AND Data) で混ぜます。\n"
    "白黒のMaskでは境目がくっきりし、灰色のMaskでは思わぬ色が出ることがあります。");
}
QString additiveTip() {
    return QCoreApplication::translate("MixModeWindow",
    "世間の標準: Maskの白い所にData、黒い所に背景を置きます。\n"
    "灰色の所は、Maskの明るさの分だけ暗くした背景と、Maskの暗さの分だけ暗くしたDataを足します。\n"
    "灰色のMaskで縁がなめらかに背景へ溶けこみます。");
}

// One frame of eight pairs ("Main" or "EQ"), two frames fraETC per row.
QGroupBox* positionsFrame(DocumentBridge& bridge, pelterra::MixWindow window, std::string_view caption,
                          const std::string_view (&rows)[kMixRowCount], QWidget* parent) {
    auto* frame = new QGroupBox(text(caption), parent);
    frame->setObjectName(window == pelterra::MixWindow::Main ? QStringLiteral("fraMain") : QStringLiteral("fraEQ"));
    auto* grid = new QGridLayout(frame);
    for (int k = 0; k < kMixRowCount; ++k) {
        auto* pair = new QGroupBox(text(rows[k]), frame);
        pair->setObjectName(objectNameOf(window == pelterra::MixWindow::Main ? "fraETC" : "fraEQETC", k));
        auto* column = new QVBoxLayout(pair);
        auto* pelterra = new QRadioButton(QCoreApplication::translate("MixModeWindow", kBitwiseCaption), pair);
        auto* seken = new QRadioButton(QCoreApplication::translate("MixModeWindow", kAdditiveCaption), pair);
        bindOption(bridge, pelterra, bitwiseOption(window), k);
        bindOption(bridge, seken, additiveOption(window), k);
        pelterra->setToolTip(bitwiseTip());
        seken->setToolTip(additiveTip());
        column->addWidget(pelterra);
        column->addWidget(seken);
        grid->addWidget(pair, k / 2, k % 2);
    }
    return frame;
}

}  // namespace

MixModeWindow::MixModeWindow(DocumentBridge& bridge, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHowToMix"));
    setWindowTitle(QCoreApplication::translate("MixModeWindow", "合成方法"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(positionsFrame(bridge, pelterra::MixWindow::Main, "Main", kMainRowCaptions, this));
    frames->addWidget(positionsFrame(bridge, pelterra::MixWindow::Equalizer, "EQ", kEqRowCaptions, this));

    Document& doc = bridge.doc();
    auto* allPelterra = new QPushButton(QCoreApplication::translate("MixModeWindow", "すべてPelterra標準"), this);
    allPelterra->setObjectName(QStringLiteral("cmdAllPelterra"));
    connect(allPelterra, &QPushButton::clicked, this, [&doc] { SetEveryMixMode(doc, MixMode::Bitwise); });
    allPelterra->setToolTip(QCoreApplication::translate("MixModeWindow", "どの部品もPelterra標準で合成します\n\n") + bitwiseTip());
    auto* allSeken = new QPushButton(QCoreApplication::translate("MixModeWindow", "すべて世間の標準"), this);
    allSeken->setToolTip(QCoreApplication::translate("MixModeWindow", "どの部品も世間の標準で合成します\n\n") + additiveTip());
    allSeken->setObjectName(QStringLiteral("cmdAllSeken"));
    connect(allSeken, &QPushButton::clicked, this, [&doc] { SetEveryMixMode(doc, MixMode::Additive); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(allPelterra);
    buttons->addWidget(allSeken);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);
}

void MixModeWindow::closeEvent(QCloseEvent* event) {
    // The choices last as long as the program: closing only hides the window.
    event->ignore();
    hide();
}

}  // namespace pelterra::app
