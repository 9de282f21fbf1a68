// frmSplash: shown while the start-up routine fills the part catalogue. A key or a click closes
// it early; start-up carries on either way.
#pragma once

#include <QFrame>

class QLabel;

namespace pelterra::app {

class SplashWindow : public QFrame {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // A progress line of the catalogue fill, shown in lblDebug.
    void showProgress(const QString& line);
    QString progress() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* m_debug = nullptr;
};

}  // namespace pelterra::app
