#include "parts/colour_change.h"

#include <string>

#include "image/recolor.h"
#include "parts/categories.h"

namespace pelterra {

namespace {

struct BarNames {
    ControlName bar;
    ControlName label;
};

constexpr BarNames kBarNames[] = {
    {ctl::hscR, ctl::lblRed},
    {ctl::hscG, ctl::lblGreen},
    {ctl::hscB, ctl::lblBlue},
};

Error noSuchGroup(int i) {
    return Error{"", CoreMessage::wording("there is no colour-shift group %1 (the groups are 0 to 9)"), {i}};
}

void showBarValue(Document& doc, const BarNames& names, int i) {
    doc.setText(names.label, i, std::to_string(doc.value(names.bar, i)));
}

}  // namespace

std::optional<ColourGroup> colourGroup(int i) {
    for (const MainCategory& c : kMainCategories)
        if (c.colourGroup == i && i != kNone) return ColourGroup{{pic::picData, c.index}, {pic::picData, c.untouchedCopy}};
    for (const EqCategory& c : kEqCategories)
        if (c.colourGroup == i && i != kNone)
            return ColourGroup{{pic::picEQData, c.index}, {pic::picEQData, c.untouchedCopy}};
    return std::nullopt;
}

std::optional<SlotRef> untouchedCopyOf(SlotRef data) {
    for (int i = 0; i < kColourGroupCount; ++i)
        if (const auto g = colourGroup(i); g->target == data) return g->untouched;
    return std::nullopt;
}

std::optional<ColourBar> colourBarNamed(ControlName name) {
    for (int b = 0; b < static_cast<int>(std::size(kBarNames)); ++b)
        if (kBarNames[b].bar == name) return static_cast<ColourBar>(b);
    return std::nullopt;
}

void refreshUntouchedCopy(Document& doc, SlotRef data) {
    if (const auto copy = untouchedCopyOf(data))
        doc.copySlot(data.name, data.index, copy->name, copy->index);
}

Status ColorChange(Document& doc, int i) {
    const std::optional<ColourGroup> group = colourGroup(i);
    if (!group) return noSuchGroup(i);
    const ColourGroup& g = *group;
    RecolorImage(doc.slot(g.target.name, g.target.index), doc.slot(g.untouched.name, g.untouched.index),
                 doc.value(ctl::hscR, i), doc.value(ctl::hscG, i), doc.value(ctl::hscB, i));
    doc.slotChanged(g.target.name, g.target.index);
    return ok();
}

Status SetColourBar(Document& doc, ColourBar bar, int i, int value) {
    if (!colourGroup(i)) return noSuchGroup(i);
    const BarNames& names = kBarNames[static_cast<int>(bar)];
    doc.setValue(names.bar, i, value);
    showBarValue(doc, names, i);
    return ColorChange(doc, i);
}

}  // namespace pelterra
