#include "edit_names.h"

#include <string_view>

namespace pelterra::app {

namespace {

struct KnownName {
    std::string_view control;
    std::string_view text;
};

// Controls whose written name says little to a user.
constexpr KnownName kKnownNames[] = {
    {"hscR", "colour bar R"},     {"hscG", "colour bar G"},        {"hscB", "colour bar B"},
    {"lstData", "part choice"},   {"lstMask", "mask choice"},      {"lstEQData", "equalizer part choice"},
    {"lstEQMask", "equalizer mask choice"}, {"SliderCombo", "slider choice"}, {"BackColorCombo", "back colour choice"},
    {"EasyCombo", "picture choice"}, {"PLStyleCombo", "playlist style"}, {"optPelterra", "mix mode"},
    {"optSeken", "mix mode"},     {"optEQPelterra", "mix mode"},   {"optEQSeken", "mix mode"},
};

std::string_view baseName(std::string_view key) { return key.substr(0, key.find('(')); }

std::string kindWord(ControlKind kind) {
    switch (kind) {
        case ControlKind::Check: return "box ";
        case ControlKind::Option: return "option ";
        case ControlKind::Scroll: return "scroll bar ";
        case ControlKind::List: return "list ";
        case ControlKind::Text: return "text ";
        case ControlKind::Swatch: return "colour ";
    }
    return {};
}

}  // namespace

EditName DescribeEdit(const Document& doc, const std::string& firstControl, const std::string& firstSlot) {
    if (!firstControl.empty()) {
        const auto ref = doc.controlByWritten(firstControl);
        const ControlKind kind = ref ? doc.control(ref->name, ref->index).kind : ControlKind::Text;
        std::string text = kindWord(kind) + firstControl;
        for (const KnownName& known : kKnownNames)
            if (known.control == baseName(firstControl)) text = std::string(known.text);
        // A drag moves one scroll bar many times: all of it is one step.
        return {text, kind == ControlKind::Scroll ? firstControl : std::string()};
    }
    if (!firstSlot.empty()) return {"picture " + firstSlot, {}};
    return {"edit", {}};
}

}  // namespace pelterra::app
