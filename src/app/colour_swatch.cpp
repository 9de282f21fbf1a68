#include "colour_swatch.h"

#include <QCoreApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMouseEvent>

#include "bindings.h"
#include "document/control.h"

namespace pelterra::app {

ColourDialogs& colourDialogs() {
    static ColourDialogs hooks;
    return hooks;
}

std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) {
    if (colourDialogs().chooseColour) return colourDialogs().chooseColour(parent, initial);
    const QColor chosen = QColorDialog::getColor(initial, parent, QCoreApplication::translate("ColourSwatch", "色の設定"));
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) {
    if (colourDialogs().chooseFont) return colourDialogs().chooseFont(parent, initial);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QCoreApplication::translate("ColourSwatch", "Font選択"));
    if (!ok) return std::nullopt;
    return chosen;
}

QColor toQColor(Colour colour) { return QColor(GetRed(colour), GetGreen(colour), GetBlue(colour)); }

Colour toColour(const QColor& colour) { return RGB(colour.red(), colour.green(), colour.blue()); }

ColourSwatch::ColourSwatch(DocumentBridge& bridge, ControlName name, int index, const QString& caption,
                           QWidget* parent)
    : QLabel(parent), m_bridge(bridge), m_name(name), m_index(index), m_caption(caption) {
    setObjectName(objectNameOf(name, index));
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    watchControl(bridge, this, controlKey(name, index), [this] { refresh(); });
}

QSize ColourSwatch::sizeHint() const {
    if (m_caption.isEmpty()) return {24, 18};
    const QSize text = QLabel::sizeHint();
    return {std::max(text.width() + 12, 60), std::max(text.height() + 6, 22)};
}

void ColourSwatch::refresh() {
    const Colour colour = m_bridge.doc().swatch(m_name, m_index);
    const QColor background = toQColor(colour);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    // Dark text on light colours, light text on dark ones.
    p.setColor(QPalette::WindowText, background.lightness() > 128 ? Qt::black : Qt::white);
    setPalette(p);
    setText(m_caption);
    setToolTip(QStringLiteral("%1%2\nR %3  G %4  B %5\n%6")
                   .arg(m_caption.isEmpty() ? QString() : m_caption + QLatin1Char(' '))
                   .arg(QString::fromStdString(controlKey(m_name, m_index)))
                   .arg(GetRed(colour))
                   .arg(GetGreen(colour))
                   .arg(GetBlue(colour))
                   .arg(QCoreApplication::translate("ColourSwatch", "クリック: 色を選ぶ")));
}

void ColourSwatch::pick() {
    Document& doc = m_bridge.doc();
    const std::optional<QColor> chosen = ChooseColour(window(), toQColor(doc.swatch(m_name, m_index)));
    if (!chosen) return;
    m_bridge.setControl(controlKey(m_name, m_index), static_cast<int>(toColour(*chosen) & 0xFFFFFFu));
    if (m_afterPick) m_afterPick();
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pick();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ColourSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pick();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace pelterra::app
