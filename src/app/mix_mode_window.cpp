#include "mix_mode_window.h"

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

constexpr std::string_view kBitwiseCaption = "Pelterra標準";
constexpr std::string_view kAdditiveCaption = "世間の標準";

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
        auto* pelterra = new QRadioButton(text(kBitwiseCaption), pair);
        auto* seken = new QRadioButton(text(kAdditiveCaption), pair);
        bindOption(bridge, pelterra, bitwiseOption(window), k);
        bindOption(bridge, seken, additiveOption(window), k);
        column->addWidget(pelterra);
        column->addWidget(seken);
        grid->addWidget(pair, k / 2, k % 2);
    }
    return frame;
}

}  // namespace

MixModeWindow::MixModeWindow(DocumentBridge& bridge, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHowToMix"));
    setWindowTitle(QStringLiteral("合成方法"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(positionsFrame(bridge, pelterra::MixWindow::Main, "Main", kMainRowCaptions, this));
    frames->addWidget(positionsFrame(bridge, pelterra::MixWindow::Equalizer, "EQ", kEqRowCaptions, this));

    Document& doc = bridge.doc();
    auto* allPelterra = new QPushButton(QStringLiteral("すべてPelterra標準"), this);
    allPelterra->setObjectName(QStringLiteral("cmdAllPelterra"));
    connect(allPelterra, &QPushButton::clicked, this, [&doc] { SetEveryMixMode(doc, MixMode::Bitwise); });
    auto* allSeken = new QPushButton(QStringLiteral("すべて世間の標準"), this);
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
