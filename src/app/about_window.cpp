#include "about_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_info.h"
#include "interaction.h"

namespace pelterra::app {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kProductTitle) + QCoreApplication::translate("AboutWindow", "のﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);

    auto* title = new QLabel(QString::fromLatin1(kProductTitle), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(versionLabel(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description = new QLabel(QCoreApplication::translate("AboutWindow", "Winamp 2 のスキンを、画像とパーツから作るツールです。"), this);
    description->setObjectName(QStringLiteral("lblDescription"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // There is no system information tool to start on this platform.
    auto* sysInfo = new QPushButton(QCoreApplication::translate("AboutWindow", "ｼｽﾃﾑ情報(&S)..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(sysInfo, &QPushButton::clicked, this,
            [this] { ShowMessage(this, QCoreApplication::translate("AboutWindow", "現時点ではｼｽﾃﾑ情報を使用できません")); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(description);
    text->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(text, 1);
    layout->addLayout(buttons);
}

}  // namespace pelterra::app
