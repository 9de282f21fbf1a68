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

// One frame of eight pairs ("Main" or "EQ"), two frames fraETC per row.
QGroupBox* positionsFrame(DocumentBridge& bridge, pelterra::MixWindow window, std::string_view caption,
                          const MixPosition (&positions)[kMixPositionCount], QWidget* parent) {
    auto* frame = new QGroupBox(text(caption), parent);
    frame->setObjectName(window == pelterra::MixWindow::Main ? QStringLiteral("fraMain") : QStringLiteral("fraEQ"));
    auto* grid = new QGridLayout(frame);
    for (int k = 0; k < kMixPositionCount; ++k) {
        auto* pair = new QGroupBox(text(positions[k].caption), frame);
        pair->setObjectName(objectNameOf(window == pelterra::MixWindow::Main ? "fraETC" : "fraEQETC", k));
        auto* column = new QVBoxLayout(pair);
        auto* pelterra = new QRadioButton(text(kPelterraCaption), pair);
        auto* seken = new QRadioButton(text(kSekenCaption), pair);
        bindOption(bridge, pelterra, pelterraOption(window), k);
        bindOption(bridge, seken, sekenOption(window), k);
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
    frames->addWidget(positionsFrame(bridge, pelterra::MixWindow::Main, kMixMainFrameCaption, kMainMixPositions, this));
    frames->addWidget(positionsFrame(bridge, pelterra::MixWindow::Equalizer, kMixEqFrameCaption, kEqMixPositions, this));

    Document& doc = bridge.doc();
    auto* allPelterra = new QPushButton(text(kAllPelterraCaption), this);
    allPelterra->setObjectName(QStringLiteral("cmdAllPelterra"));
    connect(allPelterra, &QPushButton::clicked, this, [&doc] { AllPelterra(doc); });
    auto* allSeken = new QPushButton(text(kAllSekenCaption), this);
    allSeken->setObjectName(QStringLiteral("cmdAllSeken"));
    connect(allSeken, &QPushButton::clicked, this, [&doc] { AllSeken(doc); });
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
