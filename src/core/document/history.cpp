#include "document/history.h"

#include <algorithm>
#include <iterator>

#include "sheets/skin_sheets.h"

namespace pelterra {

namespace {

// The slots and controls only a build writes, besides the skin's sheets.
constexpr std::string_view kOtherBuildOutputs[] = {"Picture3", "PreView", "EQPreView", "PreViewPL", "Label2"};

std::size_t bitmapBytes(const Bitmap& b) { return b.pixels().size() * sizeof(Colour); }

}  // namespace

std::size_t History::Step::bytes() const {
    std::size_t total = 0;
    for (const auto& [key, picture] : slots) total += bitmapBytes(picture);
    for (const ImportState& state : import)
        for (const auto& [key, picture] : state.listChoicePictures) total += bitmapBytes(picture);
    return total;
}

bool History::Step::holds(const std::string& key) const {
    return std::any_of(slots.begin(), slots.end(), [&](const auto& s) { return s.first == key; }) ||
           std::any_of(controls.begin(), controls.end(), [&](const auto& c) { return c.first == key; });
}

bool History::isBuildOutput(std::string_view key) {
    for (const SkinSheet& sheet : kSkinSheets)
        if (sheet.slot.index < 0 && key == sheet.slot.name.written()) return true;
    return std::find(std::begin(kOtherBuildOutputs), std::end(kOtherBuildOutputs), key) != std::end(kOtherBuildOutputs);
}

History::History(Document& doc, HistoryLimits limits) : m_doc(doc), m_limits(limits) {
    takeCurrentState();
    m_listener = m_doc.addListener([this](const ChangeEvent& event) {
        if (m_applying || isBuildOutput(event.key)) return;
        switch (event.kind) {
            case ChangeEvent::Kind::Slot: m_changedSlots.insert(event.key); break;
            case ChangeEvent::Kind::Control: m_changedControls.insert(event.key); break;
            case ChangeEvent::Kind::Flags:  // the import state is compared at every step
            case ChangeEvent::Kind::Problem: break;
        }
    });
}

History::~History() { m_doc.removeListener(m_listener); }

History::ImportState History::importState() const {
    return {m_doc.combinedPictureFlag, m_doc.BackgroundImagePath, m_doc.BackgroundImageTitle, m_doc.ExtraImagePath,
            m_doc.ExtraImageTitle,     m_doc.listChoicePictures,  m_doc.regionOutlines()};
}

bool History::importUnchanged() const {
    return m_doc.combinedPictureFlag == m_import.combinedPictureFlag &&
           m_doc.BackgroundImagePath == m_import.backgroundPath && m_doc.BackgroundImageTitle == m_import.backgroundTitle &&
           m_doc.ExtraImagePath == m_import.extraPath && m_doc.ExtraImageTitle == m_import.extraTitle &&
           m_doc.regionOutlines() == m_import.regionOutlines && m_doc.listChoicePictures == m_import.listChoicePictures;
}

void History::putImportState(const ImportState& state) {
    m_doc.combinedPictureFlag = state.combinedPictureFlag;
    m_doc.BackgroundImagePath = state.backgroundPath;
    m_doc.BackgroundImageTitle = state.backgroundTitle;
    m_doc.ExtraImagePath = state.extraPath;
    m_doc.ExtraImageTitle = state.extraTitle;
    m_doc.listChoicePictures = state.listChoicePictures;
    m_doc.setRegionOutlines(state.regionOutlines);  // notifies: the preview shape follows
}

void History::takeCurrentState() {
    m_applying = true;  // making a slot that waited for its first use is no edit
    m_slots.clear();
    for (const std::string& key : m_doc.slotKeys())
        if (const auto ref = m_doc.slotByWritten(key); ref && !isBuildOutput(key))
            m_slots.insert_or_assign(key, m_doc.slot(ref->name, ref->index));
    m_controls.clear();
    for (const std::string& key : m_doc.controlKeys())
        if (const auto ref = m_doc.controlByWritten(key); ref && !isBuildOutput(key))
            m_controls.insert_or_assign(key, m_doc.control(ref->name, ref->index));
    m_import = importState();
    m_applying = false;
    m_changedSlots.clear();
    m_changedControls.clear();
}

// What changed since the last step, as a step holding the values before; the copy of the
// current state moves on to the values now.
History::Step History::pendingStep() {
    Step step;
    for (const std::string& key : m_changedSlots) {
        const auto ref = m_doc.slotByWritten(key);
        auto kept = m_slots.find(key);
        if (!ref || kept == m_slots.end()) continue;
        const Bitmap& now = m_doc.slot(ref->name, ref->index);
        if (kept->second == now) continue;
        step.slots.emplace_back(key, std::exchange(kept->second, now));
    }
    for (const std::string& key : m_changedControls) {
        const auto ref = m_doc.controlByWritten(key);
        auto kept = m_controls.find(key);
        if (!ref || kept == m_controls.end()) continue;
        const Control& now = m_doc.control(ref->name, ref->index);
        if (kept->second == now) continue;
        step.controls.emplace_back(key, std::exchange(kept->second, now));
    }
    // The import state changes without a notification of its own (a picture import sets the
    // flag and the paths): it is compared at every step.
    if (!importUnchanged()) step.import.push_back(std::exchange(m_import, importState()));
    m_changedSlots.clear();
    m_changedControls.clear();
    return step;
}

bool History::hasPendingChanges() const {
    for (const std::string& key : m_changedSlots) {
        const auto ref = m_doc.slotByWritten(key);
        const auto kept = m_slots.find(key);
        if (ref && kept != m_slots.end() && !(kept->second == m_doc.slot(ref->name, ref->index))) return true;
    }
    for (const std::string& key : m_changedControls) {
        const auto ref = m_doc.controlByWritten(key);
        const auto kept = m_controls.find(key);
        if (ref && kept != m_controls.end() && !(kept->second == m_doc.control(ref->name, ref->index))) return true;
    }
    return !importUnchanged();
}

void History::mergeInto(Step& last, Step&& step) {
    // The last step keeps the oldest "before" of every key; keys new to it join it.
    for (auto& s : step.slots)
        if (!last.holds(s.first)) last.slots.push_back(std::move(s));
    for (auto& c : step.controls)
        if (!last.holds(c.first)) last.controls.push_back(std::move(c));
    if (last.import.empty() && !step.import.empty()) last.import = std::move(step.import);
}

void History::commit(const std::string& name, const std::string& mergeKey) {
    Step step = pendingStep();
    if (step.empty()) return;
    step.name = name;
    step.mergeKey = mergeKey;
    if (m_cleanDepth > static_cast<long>(m_undo.size())) m_cleanDepth = -1;  // the redo side is gone
    m_redo.clear();
    const bool joins = !mergeKey.empty() && !m_undo.empty() && m_undo.back().mergeKey == mergeKey &&
                       m_cleanDepth != static_cast<long>(m_undo.size());
    if (joins)
        mergeInto(m_undo.back(), std::move(step));
    else
        m_undo.push_back(std::move(step));
    keepWithinLimits();
}

void History::keepWithinLimits() {
    while (m_undo.size() > 1 && (m_undo.size() > m_limits.steps || bytes() > m_limits.bytes)) {
        m_undo.pop_front();
        m_cleanDepth = m_cleanDepth > 0 ? m_cleanDepth - 1 : -1;
    }
}

// Exchanges every key of the step with the document: the document takes the step's side and the
// step keeps the document's, so that the same step, applied again, turns it back.
void History::swapWithDocument(Step& step) {
    m_applying = true;
    for (auto& [key, picture] : step.slots) {
        const auto ref = m_doc.slotByWritten(key);
        if (!ref) continue;
        Bitmap& inDocument = m_doc.slot(ref->name, ref->index);
        std::swap(inDocument, picture);
        m_slots.insert_or_assign(key, inDocument);
        m_doc.slotChanged(ref->name, ref->index);
    }
    for (auto& [key, state] : step.controls) {
        const auto ref = m_doc.controlByWritten(key);
        if (!ref) continue;
        Control now = m_doc.control(ref->name, ref->index);
        m_doc.restoreControl(key, state);
        m_controls.insert_or_assign(key, state);
        state = std::move(now);
    }
    for (ImportState& state : step.import) {
        ImportState now = importState();
        putImportState(state);
        m_import = state;
        state = std::move(now);
    }
    m_applying = false;
}

bool History::undo(const std::string& pendingName) {
    commit(pendingName);
    if (m_undo.empty()) return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    swapWithDocument(step);
    m_redo.push_back(std::move(step));
    return true;
}

bool History::redo() {
    if (m_redo.empty() || hasPendingChanges()) return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    swapWithDocument(step);
    m_undo.push_back(std::move(step));
    return true;
}

std::string History::undoName() const {
    if (hasPendingChanges()) return "edit";
    return m_undo.empty() ? std::string() : m_undo.back().name;
}

std::string History::redoName() const { return canRedo() ? m_redo.back().name : std::string(); }

void History::markClean() {
    commit("edit");
    m_cleanDepth = static_cast<long>(m_undo.size());
}

bool History::isClean() const { return m_cleanDepth == static_cast<long>(m_undo.size()) && !hasPendingChanges(); }

void History::reset() {
    m_undo.clear();
    m_redo.clear();
    m_cleanDepth = 0;
    takeCurrentState();
}

std::size_t History::bytes() const {
    std::size_t total = 0;
    for (const Step& s : m_undo) total += s.bytes();
    for (const Step& s : m_redo) total += s.bytes();
    return total;
}

}  // namespace pelterra
