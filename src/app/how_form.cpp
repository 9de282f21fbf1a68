#include "how_form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "bindings.h"
#include "interaction.h"
#include "equalizer/picture_import.h"

namespace pelterra::app {

namespace {

struct HowFormButton {
    const char* name;
    const char* caption;
    HowFormAnswer answer;
};

constexpr HowFormButton kButtons[] = {
    {"Command1", QT_TRANSLATE_NOOP("HowForm", "275*116に無理やり変換"), HowFormAnswer::Stretch},
    {"Command2", QT_TRANSLATE_NOOP("HowForm", "EQ部分も使って275*232に変換"), HowFormAnswer::SplitInHalves},
    {"Command4", QT_TRANSLATE_NOOP("HowForm", "PLまで使ってしまう（275*348）"), HowFormAnswer::SplitInThirds},
    {"Command3", QT_TRANSLATE_NOOP("HowForm", "キャンセル"), HowFormAnswer::Cancel},
};
static_assert(std::size(kButtons) == 4, "four answers");

}  // namespace

HowForm::HowForm(DocumentBridge& bridge, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HowForm"));
    setWindowTitle(QCoreApplication::translate("HowForm", "画像の大きさ"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(QCoreApplication::translate("HowForm", "画像の大きさが275*116ではありません"), this);
    question->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(question);
    for (const HowFormButton& b : kButtons) {
        auto* button = new QPushButton(QCoreApplication::translate("HowForm", b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        const int digit = static_cast<int>(b.answer);
        connect(button, &QPushButton::clicked, this, [this, digit] {
            m_answer = digit;
            accept();
        });
        layout->addWidget(button);
    }
    keepTitleWhole(this);
    // The answer of the last question, kept as the hidden label's caption.
    auto* syori = new QLabel(this);
    syori->setObjectName(objectNameOf(ctl::Syori));
    syori->hide();
    Document& doc = bridge.doc();
    watchControl(bridge, syori, ctl::Syori, [&doc, syori] { syori->setText(QString::fromStdString(doc.text(ctl::Syori))); });
}

int HowForm::ask() {
    m_answer = static_cast<int>(HowFormAnswer::Cancel);
    exec();
    return m_answer;
}

}  // namespace pelterra::app
