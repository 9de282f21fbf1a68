// The document: the whole editing state by the system's own names. Every picture slot at its
// fixed size, every control value, the work bitmaps, the faces and sheets and the flags of the
// combined-picture import. The GUI, the command line and the tests all
// drive this one object; it tells listeners what changed.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/control.h"
#include "document/region_outlines.h"
#include "document/slot.h"
#include "image/bitmap.h"
#include "image/work_bitmaps.h"
#include "result.h"

namespace pelterra {

// What changed, for a listener that repaints only that.
struct ChangeEvent {
    enum class Kind { Slot, Control, Flags, Problem };
    Kind kind = Kind::Control;
    std::string key;  // controlKey() of the slot or control; empty for Flags and Problem
};

class Document {
public:
    // Builds every slot and control from the tables, in their initial state.
    Document();

    // --- picture slots -------------------------------------------------------------------
    bool hasSlot(SlotName name, int index = -1) const;
    // The slot's bitmap. Asking for a slot that does not exist is a programming error (aborts).
    Bitmap& slot(SlotName name, int index = -1);
    const Bitmap& slot(SlotName name, int index = -1) const;
    // assign: replaces the slot's content with the picture at (0, 0), cut to the slot's size;
    // an uncovered area becomes white. Notifies.
    void assignSlot(SlotName name, int index, const Bitmap& picture);
    // Copies slot `from` into slot `to` (assign); the untouched copies are kept this way.
    void copySlot(SlotName fromName, int fromIndex, SlotName toName, int toIndex);
    // Tells listeners that a slot was drawn into directly through slot().
    void slotChanged(SlotName name, int index = -1);
    // Puts off filling some slots until one of them is first used (read or written): `fill` runs
    // once, just before that use. Start-up puts a part into every category this way, so that a
    // command-line run pays only for the pictures it reads.
    void deferSlotFill(std::span<const SlotRef> slots, std::function<void(Document&)> fill);
    // Every slot key, in table order (for the GUI and for project files).
    const std::vector<std::string>& slotKeys() const { return m_slotOrder; }

    // --- controls ------------------------------------------------------------------------
    bool hasControl(ControlName name, int index = -1) const;
    Control& control(ControlName name, int index = -1);
    const Control& control(ControlName name, int index = -1) const;

    int value(ControlName name, int index = -1) const { return control(name, index).value; }
    // Sets a value: clamps scroll bars to their range, selects an option (clearing the others of
    // its group), selects a list entry (-1 or a valid index). Notifies when it changed.
    void setValue(ControlName name, int index, int value);
    void setValue(ControlName name, int value) { setValue(name, -1, value); }
    // A check box counts as set only when its value is 1; an option when it is selected.
    bool isChecked(ControlName name, int index = -1) const { return value(name, index) == 1; }
    bool isSelected(ControlName name, int index = -1) const { return value(name, index) == 1; }
    void select(ControlName optionName, int index = -1) { setValue(optionName, index, 1); }

    const std::string& text(ControlName name, int index = -1) const { return control(name, index).text; }
    void setText(ControlName name, int index, std::string text);
    void setText(ControlName name, std::string text) { setText(name, -1, std::move(text)); }

    Colour swatch(ControlName name, int index = -1) const {
        return static_cast<Colour>(value(name, index)) & 0xFFFFFFu;
    }
    void setSwatch(ControlName name, int index, Colour colour) {
        setValue(name, index, static_cast<int>(colour & 0xFFFFFFu));
    }

    // Lists: replace the entries (selects the first, or none when empty) and read the choice.
    void setListEntries(ControlName name, int index, std::vector<std::string> entries,
                        int firstSectionCount);
    // The selected entry's text, or empty when nothing is selected.
    std::string selectedEntry(ControlName name, int index = -1) const;

    void setVisible(ControlName name, int index, bool visible);
    void setEnabled(ControlName name, int index, bool enabled);
    // Changes a scroll bar's range (start-up widens the colour bars); the value is clamped into it.
    void setRange(ControlName name, int index, int min, int max);
    // Puts a control back exactly as it was (undo): value, range, entries, visibility, all at
    // once, without the rules of setValue (options and twins come back with their own keys).
    // Unknown keys are ignored. Notifies.
    void restoreControl(std::string_view key, const Control& state);

    // The check box that shows the same value as this one (the make boxes), or empty.
    std::string_view twinOf(std::string_view key) const;

    // Every control key, in table order.
    const std::vector<std::string>& controlKeys() const { return m_controlOrder; }

    // --- the name registry: controls by their written name ("hscR(3)", ctl::chkPLMake) ----------
    // The value as text: a number for checks, options, scroll bars, list indexes and swatches;
    // the text of a text box. Unknown names are an error.
    Result<std::string> getByName(std::string_view written) const;
    // Sets a value from text. Errors: unknown name, text that is not a number where one is needed,
    // a value out of range for a check box (0..2), an option (1 only: options are selected), a
    // scroll bar (its range) or a list (−1..entries−1).
    Status setByName(std::string_view written, std::string_view value);
    // The control or slot a written name ("hscR(3)", "hscR_3", ctl::chkASP) stands for, or none when
    // the document has no such control or slot: for the places that hold a name only at run time
    // (the project manifest, --set, the window's bindings by object name, walks over the keys).
    std::optional<ControlRef> controlByWritten(std::string_view written) const;
    std::optional<SlotRef> slotByWritten(std::string_view written) const;

    // --- state of the combined-picture import and the build -----------------------------
    int combinedPictureFlag = 0;  // 1 when the base picture carried an equalizer band
    std::string BackgroundImagePath, BackgroundImageTitle;
    std::string ExtraImagePath, ExtraImageTitle;

    // Per slot key: the picture last put into the slot from a part file by a list choice, as it
    // was read (before it was cut to the slot, and untouched by any later stretch, paste or colour
    // shift). The slot's clipboard "コピー" hands this one out.
    std::map<std::string, Bitmap, std::less<>> listChoicePictures;

    // The work bitmaps MaskAndData.data/mask/picTmp and Form3.Picture1.
    WorkBitmaps work;

    // --- the outlines of the last region trace (TraceRegionAreas; a loaded project) ------------
    const RegionOutlines& regionOutlines() const { return m_regionOutlines; }
    // Replaces them and tells listeners (a Flags change: the preview shape depends on them).
    void setRegionOutlines(RegionOutlines outlines);

    // --- problems no caller waited for -------------------------------------------------
    // A file read on first use (the start-up parts), at start-up or by a project load fails
    // where no dialog is open to say so: the failure is kept here, in order, for the front ends
    // to show, and listeners hear of it (ChangeEvent::Kind::Problem).
    void noteProblem(Error problem);
    const std::vector<Error>& problems() const { return m_problems; }

    // --- change notifications ----------------------------------------------------------
    using Listener = std::function<void(const ChangeEvent&)>;
    int addListener(Listener listener);
    void removeListener(int id);
    void notify(const ChangeEvent& event) const;

private:
    void addSlots(std::span<const SlotSpec> specs);
    void addControls(std::span<const ControlSpec> specs);
    void addOptionGroups(std::span<const OptionGroupSpec> groups);
    void addTwins();
    Control* find(std::string_view key);
    const Control* find(std::string_view key) const;

    // A slot's bitmap is made (in its blank colour) when it is first used: most of the ~160 slots
    // are never touched by a command-line build, and making them all cost more than the build itself.
    struct PendingFill {
        std::vector<std::string> keys;
        std::function<void(Document&)> fill;
    };
    struct SlotEntry {
        int width = 0, height = 0;
        Colour blank = kWhite;
        std::optional<Bitmap> bitmap;
        std::shared_ptr<PendingFill> pending;
    };
    Bitmap& bitmapOf(SlotEntry& entry);
    std::unordered_map<std::string, SlotEntry> m_slots;
    std::vector<std::string> m_slotOrder;
    std::unordered_map<std::string, Control> m_controls;
    std::vector<std::string> m_controlOrder;
    std::vector<std::vector<std::string>> m_optionGroups;  // control keys of each group
    std::map<int, Listener> m_listeners;
    std::unordered_map<std::string, std::string> m_twins;  // control key -> twin key, both ways
    int m_nextListener = 1;
    RegionOutlines m_regionOutlines;
    std::vector<Error> m_problems;
};

// Splits a written control name into name and index: "hscR(3)" -> (ctl::hscR, 3), ctl::chkASP -> -1.
// Also accepts the GUI's object-name form "hscR_3".
bool parseControlName(std::string_view written, std::string& name, int& index);

}  // namespace pelterra
