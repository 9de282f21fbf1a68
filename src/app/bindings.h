// Widgets bound to the document by control name. A bound widget shows the control's value,
// visibility and enabled state, and writes a user's change back; it keeps no state of its own.
// Its objectName is the control name, with an array index joined by an underscore ("lstData_0",
// "hscR_3"), the form the document's name registry also reads.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QString>

#include "document_bridge.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace pelterra::app {

// "lstData_0" for an array element, "chkASP" for a single control.
QString objectNameOf(std::string_view name, int index = -1);
template <class Tag>
QString objectNameOf(DocumentName<Tag> name, int index = -1) {
    return objectNameOf(name.written(), index);
}

// Runs `refresh` now and whenever the control `key` changes (or the whole document); the
// connection ends with `widget`.
void watchControl(DocumentBridge& bridge, QWidget* widget, const std::string& key, std::function<void()> refresh);
void watchSlot(DocumentBridge& bridge, QWidget* widget, const std::string& key, std::function<void()> refresh);
inline void watchControl(DocumentBridge& bridge, QWidget* widget, ControlName name, std::function<void()> refresh) {
    watchControl(bridge, widget, controlKey(name), std::move(refresh));
}
inline void watchSlot(DocumentBridge& bridge, QWidget* widget, SlotName name, std::function<void()> refresh) {
    watchSlot(bridge, widget, controlKey(name), std::move(refresh));
}

// Shows or hides, enables or disables `widget` as the control says (for widgets that stand for a
// control without showing its value, such as a caption beside a list).
void bindVisibility(DocumentBridge& bridge, QWidget* widget, ControlName name, int index = -1);

// Every user's change below goes through DocumentBridge::setControl, which runs the control's
// core command as --set does.

// Check box: checked exactly when the value is 1. A click sets the value to 1 or 0, then runs
// `afterClick` (something of the window alone).
using ClickHandler = std::function<void(bool checked)>;
void bindCheckBox(DocumentBridge& bridge, QCheckBox* box, ControlName name, int index = -1,
                  ClickHandler afterClick = {});

// Option button: checked when selected; a click selects it (the document clears its group).
void bindOption(DocumentBridge& bridge, QRadioButton* option, ControlName name, int index = -1);

// Scroll bar: range and value of the control. A released thumb, an arrow or a track click hands
// the new value to `onChange` (a window of its own), or sets the control when there is none.
using ValueHandler = std::function<void(int value)>;
void bindScrollBar(DocumentBridge& bridge, QScrollBar* bar, ControlName name, int index = -1,
                   ValueHandler onChange = {});

// List: entries and selected index. A user's choice sets the index, then runs `afterChoice`.
void bindList(DocumentBridge& bridge, QListWidget* list, ControlName name, int index = -1,
              std::function<void()> afterChoice = {});

// Text box: the control's text; every edit writes it back, then runs `afterEdit`.
void bindLineEdit(DocumentBridge& bridge, QLineEdit* edit, ControlName name, int index = -1,
                  std::function<void()> afterEdit = {});

// Label: shows the control's text.
void bindLabel(DocumentBridge& bridge, QLabel* label, ControlName name, int index = -1);

}  // namespace pelterra::app
