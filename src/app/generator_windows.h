// The generator windows: frmMakeFrame "FrameMaking" (frames and gradients for the frame
// positions), FrmMakeSlider "SliderMaking" (the slider knobs) and frmBackColor "MakeBackColor"
// (the equalizer slider back colour). Each is made on first use as a tool window of the main
// window, shown without blocking it, and only hidden when closed, so its pictures last as long
// as the program; its colours are swatches of the document, kept in the settings.
#pragma once

#include <QWidget>

#include "document_bridge.h"

class QPushButton;

namespace pelterra::app {

class FrameMakerWindow : public QWidget {
    Q_OBJECT
public:
    FrameMakerWindow(DocumentBridge& bridge, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
};

class SliderMakerWindow : public QWidget {
    Q_OBJECT
public:
    SliderMakerWindow(DocumentBridge& bridge, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
};

class BackColorWindow : public QWidget {
    Q_OBJECT
public:
    BackColorWindow(DocumentBridge& bridge, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The window of `owner` (the main window), made on first use (loading it draws its pictures).
FrameMakerWindow* frameMakerWindow(DocumentBridge& bridge, QWidget* owner);
SliderMakerWindow* sliderMakerWindow(DocumentBridge& bridge, QWidget* owner);
BackColorWindow* backColorWindow(DocumentBridge& bridge, QWidget* owner);

// Shows a tool window in front without making it modal.
void showToolWindow(QWidget* window);

// The main window's buttons that show them: "FrameData自作" (btmMakeFrame on the "Frame" page,
// btnEQMakeFrame on the equalizer's), "SliderData自作" (BtnMakeSliderData) and "MakeBackColor"
// (btnBackColor on the equalizer's slider page).
QPushButton* frameMakerButton(DocumentBridge& bridge, QWidget* owner, const char* name, QWidget* parent);
QPushButton* sliderMakerButton(DocumentBridge& bridge, QWidget* owner, QWidget* parent);
QPushButton* backColorButton(DocumentBridge& bridge, QWidget* owner, QWidget* parent);

}  // namespace pelterra::app
