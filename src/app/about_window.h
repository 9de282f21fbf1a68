// frmAbout: the title and version, "OK", and the system-information button.
#pragma once

#include <QDialog>

namespace pelterra::app {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace pelterra::app
