#include "document/document.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "document/list_entries.h"
#include "document/tables.h"
#include "text/quote.h"

namespace pelterra {

std::string controlKey(std::string_view name, int index) {
    std::string key(name);
    if (index >= 0) key += "(" + std::to_string(index) + ")";
    return key;
}

bool parseControlName(std::string_view written, std::string& name, int& index) {
    auto parseIndex = [](std::string_view digits, int& out) {
        const auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
        return !digits.empty() && ec == std::errc() && p == digits.data() + digits.size() && out >= 0;
    };
    // '.' joins a window and its control where two windows use one name ("frmMakeFrame.picData").
    auto isNameChar = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    };
    index = -1;
    std::string_view base = written;
    if (const auto open = written.find('('); open != std::string_view::npos) {
        // "hscR(3)"
        if (written.back() != ')' || !parseIndex(written.substr(open + 1, written.size() - open - 2), index))
            return false;
        base = written.substr(0, open);
    } else if (const auto under = written.rfind('_'); under != std::string_view::npos) {
        // The GUI's object-name form "hscR_3".
        int i = -1;
        if (parseIndex(written.substr(under + 1), i)) {
            index = i;
            base = written.substr(0, under);
        }
    }
    if (base.empty() || base.front() == '.' || base.back() == '.') return false;
    for (char c : base)
        if (!isNameChar(c)) return false;
    name = std::string(base);
    return true;
}

namespace {

Error unknownControl(std::string_view written) {
    std::string name;
    int index = -1;
    if (!parseControlName(written, name, index))
        return Error{"",
                     CoreMessage::wording("%1 is not a control name (write NAME or NAME(INDEX))"),
                     {QuoteForMessage(written)}};
    return Error{"", CoreMessage::wording("there is no control named %1"), {QuoteForMessage(written)}};
}

}  // namespace

namespace {

// A written name ("hscR(3)", "hscR_3") as a handle of `names` and an index that `exists` accepts.
template <class Ref, class Names, class Exists>
std::optional<Ref> refByWritten(std::string_view written, const Names& names, Exists exists) {
    std::string name;
    int index = -1;
    if (!parseControlName(written, name, index)) return std::nullopt;
    const auto handle = nameByWritten(names, name);
    if (!handle || !exists(*handle, index)) return std::nullopt;
    return Ref{*handle, index};
}

}  // namespace

std::optional<ControlRef> Document::controlByWritten(std::string_view written) const {
    return refByWritten<ControlRef>(written, ctl::kAllNames,
                                    [this](ControlName n, int i) { return hasControl(n, i); });
}

std::optional<SlotRef> Document::slotByWritten(std::string_view written) const {
    return refByWritten<SlotRef>(written, pic::kAllNames, [this](SlotName n, int i) { return hasSlot(n, i); });
}

Document::Document() {
    addSlots(tables::mainWindowSlots());
    addSlots(tables::equalizerSlots());
    addSlots(tables::playlistSlots());
    addSlots(tables::skinSheetSlots());
    addSlots(tables::equalizerSheetSlots());
    addSlots(tables::playlistSheetSlots());
    addSlots(tables::toolWindowSlots());
    addSlots(tables::generatorSlots());
    addSlots(tables::regionSlots());
    addSlots(tables::outputSlots());
    addControls(tables::mainWindowControls());
    addControls(tables::skinBuildControls());
    addControls(tables::equalizerControls());
    addControls(tables::playlistControls());
    addControls(tables::toolWindowControls());
    addControls(tables::generatorControls());
    addControls(tables::regionControls());
    addControls(tables::outputControls());
    addOptionGroups(tables::optionGroups());
    addOptionGroups(tables::generatorOptionGroups());
    addTwins();
}

void Document::addSlots(std::span<const SlotSpec> specs) {
    for (const SlotSpec& s : specs) {
        const bool array = s.first >= 0;
        for (int i = array ? s.first : -1; i <= (array ? s.last : -1); ++i) {
            std::string key = controlKey(s.name, i);
            if (!m_slots.count(key)) m_slotOrder.push_back(key);
            m_slots[key] = SlotEntry{s.width, s.height, s.blank, std::nullopt};
        }
    }
}

void Document::addControls(std::span<const ControlSpec> specs) {
    for (const ControlSpec& s : specs) {
        const bool array = s.count > 0;
        for (int i = array ? s.first : -1; i < (array ? s.first + s.count : 0); ++i) {
            Control c;
            c.kind = s.kind;
            c.value = s.initial;
            c.min = s.min;
            c.max = s.max;
            c.text = std::string(s.text);
            c.visible = s.visible;
            c.enabled = s.enabled;
            if (s.kind == ControlKind::List) {
                c.value = -1;  // a list selects nothing until it is told to
                c.entries.assign(s.items.begin(), s.items.end());
            }
            if (array && !s.startColours.empty())
                c.value = static_cast<int>(s.startColours[static_cast<std::size_t>(i - s.first)] & 0xFFFFFFu);
            std::string key = controlKey(s.name, i);
            if (!m_controls.count(key)) m_controlOrder.push_back(key);
            m_controls[key] = std::move(c);
        }
    }
}

void Document::addOptionGroups(std::span<const OptionGroupSpec> groups) {
    const std::size_t firstNew = m_optionGroups.size();
    for (const OptionGroupSpec& g : groups) {
        if (!g.perIndex) {
            std::vector<std::string> keys;
            for (const ControlRef& m : g.members)
                if (!m.name.empty()) keys.push_back(controlKey(m.name, m.index));
            m_optionGroups.push_back(std::move(keys));
            continue;
        }
        // One group per index the first member's array has.
        for (int i = 0; hasControl(g.members[0].name, i); ++i) {
            std::vector<std::string> keys;
            for (const ControlRef& m : g.members)
                if (!m.name.empty()) keys.push_back(controlKey(m.name, i));
            m_optionGroups.push_back(std::move(keys));
        }
    }
    for (std::size_t gi = firstNew; gi < m_optionGroups.size(); ++gi)
        for (const std::string& key : m_optionGroups[gi])
            if (Control* c = find(key)) c->group = static_cast<int>(gi);
}

void Document::addTwins() {
    for (const TwinCheckSpec& t : tables::twinCheckBoxes()) {
        if (!hasControl(t.box) || !hasControl(t.twin)) continue;
        m_twins[controlKey(t.box)] = controlKey(t.twin);
        m_twins[controlKey(t.twin)] = controlKey(t.box);
    }
}

std::string_view Document::twinOf(std::string_view key) const {
    auto it = m_twins.find(std::string(key));
    return it == m_twins.end() ? std::string_view{} : std::string_view(it->second);
}

Control* Document::find(std::string_view key) {
    auto it = m_controls.find(std::string(key));
    return it == m_controls.end() ? nullptr : &it->second;
}
const Control* Document::find(std::string_view key) const {
    auto it = m_controls.find(std::string(key));
    return it == m_controls.end() ? nullptr : &it->second;
}

bool Document::hasSlot(SlotName name, int index) const {
    return m_slots.count(controlKey(name, index)) != 0;
}

Bitmap& Document::slot(SlotName name, int index) {
    auto it = m_slots.find(controlKey(name, index));
    if (it == m_slots.end()) {
        std::fprintf(stderr, "no picture slot %s\n", controlKey(name, index).c_str());
        std::abort();
    }
    return bitmapOf(it->second);
}

Bitmap& Document::bitmapOf(SlotEntry& entry) {
    if (entry.pending) {
        const std::shared_ptr<PendingFill> pending = entry.pending;
        for (const std::string& key : pending->keys) m_slots[key].pending.reset();
        pending->fill(*this);
    }
    if (!entry.bitmap) entry.bitmap.emplace(entry.width, entry.height, entry.blank);
    return *entry.bitmap;
}

void Document::deferSlotFill(std::span<const SlotRef> slots, std::function<void(Document&)> fill) {
    auto pending = std::make_shared<PendingFill>(PendingFill{{}, std::move(fill)});
    for (const SlotRef& s : slots) {
        std::string key = controlKey(s.name, s.index);
        auto it = m_slots.find(key);
        if (it == m_slots.end()) continue;
        if (it->second.pending) bitmapOf(it->second);  // an earlier deferred fill goes first
        it->second.pending = pending;
        pending->keys.push_back(std::move(key));
    }
}

const Bitmap& Document::slot(SlotName name, int index) const {
    return const_cast<Document*>(this)->slot(name, index);
}

void Document::assignSlot(SlotName name, int index, const Bitmap& picture) {
    assign(slot(name, index), picture);
    slotChanged(name, index);
}

void Document::copySlot(SlotName fromName, int fromIndex, SlotName toName, int toIndex) {
    const Bitmap source = slot(fromName, fromIndex);
    assignSlot(toName, toIndex, source);
}

void Document::slotChanged(SlotName name, int index) {
    notify({ChangeEvent::Kind::Slot, controlKey(name, index)});
}

bool Document::hasControl(ControlName name, int index) const {
    return find(controlKey(name, index)) != nullptr;
}

Control& Document::control(ControlName name, int index) {
    Control* c = find(controlKey(name, index));
    if (!c) {
        std::fprintf(stderr, "no control %s\n", controlKey(name, index).c_str());
        std::abort();
    }
    return *c;
}
const Control& Document::control(ControlName name, int index) const {
    return const_cast<Document*>(this)->control(name, index);
}

void Document::setValue(ControlName name, int index, int value) {
    Control& c = control(name, index);
    switch (c.kind) {
        case ControlKind::Scroll:
            value = value < c.min ? c.min : (value > c.max ? c.max : value);
            break;
        case ControlKind::List:
            if (value < -1 || value >= static_cast<int>(c.entries.size())) return;
            break;
        case ControlKind::Option:
            if (value != 1) return;  // an option is cleared only by selecting another
            if (c.group >= 0)
                for (const std::string& other : m_optionGroups[c.group]) {
                    Control* o = find(other);
                    if (o && o != &c && o->value != 0) {
                        o->value = 0;
                        notify({ChangeEvent::Kind::Control, other});
                    }
                }
            break;
        default:
            break;
    }
    const std::string key = controlKey(name, index);
    // Twin boxes show one value: both take it, whichever was set.
    if (Control* twin = c.kind == ControlKind::Check ? find(twinOf(key)) : nullptr; twin && twin->value != value) {
        twin->value = value;
        notify({ChangeEvent::Kind::Control, std::string(twinOf(key))});
    }
    if (c.value == value) return;
    c.value = value;
    notify({ChangeEvent::Kind::Control, key});
}

void Document::restoreControl(std::string_view key, const Control& state) {
    Control* c = find(key);
    if (!c || *c == state) return;
    *c = state;
    notify({ChangeEvent::Kind::Control, std::string(key)});
}

void Document::setRange(ControlName name, int index, int min, int max) {
    Control& c = control(name, index);
    c.min = min;
    c.max = max;
    const int clamped = c.value < min ? min : (c.value > max ? max : c.value);
    if (clamped != c.value) {
        c.value = clamped;
        notify({ChangeEvent::Kind::Control, controlKey(name, index)});
    }
}

void Document::setText(ControlName name, int index, std::string text) {
    Control& c = control(name, index);
    if (c.text == text) return;
    c.text = std::move(text);
    notify({ChangeEvent::Kind::Control, controlKey(name, index)});
}

void Document::setListEntries(ControlName name, int index, std::vector<std::string> entries,
                              int firstSectionCount) {
    Control& c = control(name, index);
    c.entries = std::move(entries);
    c.firstSectionCount = firstSectionCount;
    c.value = c.entries.empty() ? -1 : 0;
    notify({ChangeEvent::Kind::Control, controlKey(name, index)});
}

std::string Document::selectedEntry(ControlName name, int index) const {
    const Control& c = control(name, index);
    if (c.value < 0 || c.value >= static_cast<int>(c.entries.size())) return {};
    return c.entries[c.value];
}

void Document::setVisible(ControlName name, int index, bool visible) {
    Control& c = control(name, index);
    if (c.visible == visible) return;
    c.visible = visible;
    notify({ChangeEvent::Kind::Control, controlKey(name, index)});
}

void Document::setEnabled(ControlName name, int index, bool enabled) {
    Control& c = control(name, index);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    notify({ChangeEvent::Kind::Control, controlKey(name, index)});
}

Result<std::string> Document::getByName(std::string_view written) const {
    const auto ref = controlByWritten(written);
    if (!ref) return unknownControl(written);
    const Control* c = &control(ref->name, ref->index);
    if (c->kind == ControlKind::Text) return c->text;
    return std::to_string(c->value);
}

Status Document::setByName(std::string_view written, std::string_view text) {
    const auto ref = controlByWritten(written);
    if (!ref) return unknownControl(written);
    const auto [name, index] = *ref;
    Control* c = &control(name, index);
    if (c->kind == ControlKind::Text) {
        setText(name, index, std::string(text));
        return ok();
    }
    long long v = 0;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size()) {
        // A list also takes one of its entries by name ("lstData(0)=Glass").
        if (c->kind == ControlKind::List) {
            if (const std::optional<int> entry = FindListEntry(*c, *ref, text)) {
                setValue(name, index, *entry);
                return ok();
            }
            return Error{"", CoreMessage::wording("%1 has no entry %2"), {std::string(written), QuoteForMessage(text)}};
        }
        return Error{
            "", CoreMessage::wording("%1 takes a whole number, not %2"), {std::string(written), QuoteForMessage(text)}};
    }
    auto outOfRange = [&](const Words& allowed) {
        return Error{"", CoreMessage::wording("%1 cannot be %2: %3"), {std::string(written), v, allowed}};
    };
    switch (c->kind) {
        case ControlKind::Check:
            if (v < 0 || v > 2)
                return outOfRange(CoreMessage::wording("a check box is 0 (clear), 1 (checked) or 2 (greyed)"));
            break;
        case ControlKind::Option:
            if (v != 1)
                return outOfRange(
                    CoreMessage::wording("an option is set by selecting it (1); select another option to clear it"));
            break;
        case ControlKind::Scroll:
            if (v < c->min || v > c->max)
                return outOfRange({CoreMessage::wording("the range is %1 to %2"), {c->min, c->max}});
            break;
        case ControlKind::List:
            if (v < -1 || v >= static_cast<long long>(c->entries.size()))
                return outOfRange({CoreMessage::wording("the list has %1 entries (0 to %2)"),
                                   {c->entries.size(), static_cast<long long>(c->entries.size()) - 1}});
            break;
        case ControlKind::Swatch:
            if (v < 0 || v > 0xFFFFFF)
                return outOfRange(CoreMessage::wording("a colour is 0 to 16777215 (red + green*256 + blue*65536)"));
            break;
        case ControlKind::Text:
            break;
    }
    setValue(name, index, static_cast<int>(v));
    return ok();
}

void Document::noteProblem(Error problem) {
    m_problems.push_back(std::move(problem));
    notify({ChangeEvent::Kind::Problem, {}});
}

int Document::addListener(Listener listener) {
    m_listeners[m_nextListener] = std::move(listener);
    return m_nextListener++;
}

void Document::removeListener(int id) { m_listeners.erase(id); }

void Document::setRegionOutlines(RegionOutlines outlines) {
    m_regionOutlines = std::move(outlines);
    notify({ChangeEvent::Kind::Flags, {}});
}

void Document::notify(const ChangeEvent& event) const {
    if (m_listeners.empty()) return;
    // A listener may add or remove listeners while it is called: walk a snapshot of the ids and
    // skip those removed meanwhile.
    std::vector<int> ids;
    ids.reserve(m_listeners.size());
    for (const auto& entry : m_listeners) ids.push_back(entry.first);
    for (int id : ids) {
        auto it = m_listeners.find(id);
        if (it == m_listeners.end()) continue;
        const Listener listener = it->second;  // the call may erase the stored one
        listener(event);
    }
}

}  // namespace pelterra
