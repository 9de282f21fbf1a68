#include "splash_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "app_info.h"

namespace pelterra::app {

SplashWindow::SplashWindow(QWidget* parent) : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(2);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* product = new QLabel(QString::fromLatin1(kProductTitle), this);
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(versionLabel(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignRight);

    m_debug = new QLabel(QCoreApplication::translate("SplashWindow", "フォームの初期化中"), this);
    m_debug->setObjectName(QStringLiteral("lblDebug"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addStretch();
    layout->addWidget(m_debug);
    setFixedSize(440, 220);
}

void SplashWindow::showProgress(const QString& line) { m_debug->setText(line); }

QString SplashWindow::progress() const { return m_debug->text(); }

void SplashWindow::keyPressEvent(QKeyEvent*) { hide(); }

void SplashWindow::mousePressEvent(QMouseEvent*) { hide(); }

}  // namespace pelterra::app
