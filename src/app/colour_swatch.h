// A colour swatch: a label whose background is a colour value of the document (a control of kind
// Swatch). One click, as on every swatch of the program, opens the colour dialog; the chosen
// colour becomes the swatch's value and the swatch's own handler runs. The colour and font
// dialogs can be answered by a test instead.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QLabel>

#include "document_bridge.h"
#include "image/colour.h"

namespace pelterra::app {

struct ColourDialogs {
    // The chosen colour, or nothing when the dialog was cancelled.
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColour;
    // The chosen font, or nothing when the dialog was cancelled.
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
};

// The hooks in force; empty members mean the real dialogs.
ColourDialogs& colourDialogs();

std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial);
std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial);

QColor toQColor(Colour colour);
Colour toColour(const QColor& colour);

class ColourSwatch : public QLabel {
    Q_OBJECT
public:
    // Shows swatch `name`(index); `caption` is written on it in a colour that stays readable.
    ColourSwatch(DocumentBridge& bridge, ControlName name, int index, const QString& caption,
                 QWidget* parent = nullptr);

    // Runs after a colour was chosen and stored (the swatch's own handler: a ramp, a redraw).
    void setAfterPick(std::function<void()> afterPick) { m_afterPick = std::move(afterPick); }

    // The colour dialog, starting at the swatch's colour; a choice is stored, then the handler
    // runs. A cancelled dialog leaves the swatch as it was.
    void pick();

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();

    DocumentBridge& m_bridge;
    ControlName m_name;
    int m_index;
    QString m_caption;
    std::function<void()> m_afterPick;
};

}  // namespace pelterra::app
