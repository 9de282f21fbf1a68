// HowForm: the modal picture-size dialog. It asks how to fit a picture that is not 275*116,
// 275*232 or 275*348; each of its four buttons answers with one digit (the caption of Syori).
#pragma once

#include <QDialog>

#include "document_bridge.h"

namespace pelterra::app {

class HowForm : public QDialog {
    Q_OBJECT
public:
    HowForm(DocumentBridge& bridge, QWidget* parent = nullptr);

    // Shows the dialog modally and returns the digit of the button pressed; closing the window
    // any other way counts as "キャンセル".
    int ask();

private:
    int m_answer = 2;
};

}  // namespace pelterra::app
