// frmHowToMix "合成方法": per part position, "Pelterra標準" or "世間の標準", for the main window and
// the equalizer. Shown without blocking the main window; closing only hides it.
#pragma once

#include <QWidget>

#include "document_bridge.h"

namespace pelterra::app {

class MixModeWindow : public QWidget {
    Q_OBJECT
public:
    MixModeWindow(DocumentBridge& bridge, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace pelterra::app
