// Undo and redo of every edit of the document. The history watches the document's change
// notifications, so every command (a list choice, a colour bar, a box, a swatch, a maker, an
// import, a cut-out, a region trace) is undone the same way, whichever front end ran it: what
// changed since the last step becomes the next step when the front end commits it, and the step
// keeps only what it changed (the slots, controls and import state as they were), never a copy
// of the whole document.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/document.h"

namespace pelterra {

struct HistoryLimits {
    std::size_t steps = 100;               // the oldest steps are forgotten beyond this
    std::size_t bytes = 256u * 1024 * 1024;  // and beyond this much picture memory
};

class History {
public:
    // Takes the document as it stands as the start (every slot is made and read once).
    explicit History(Document& doc, HistoryLimits limits = {});
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Ends the pending edit: what changed since the last step becomes one step called `name`
    // ("colour bar R"). Nothing changed: no step. A step whose `mergeKey` is that of the last step
    // joins it (a drag of a colour bar is one step), unless something was undone or saved since.
    void commit(const std::string& name, const std::string& mergeKey = {});
    // True when something changed since the last step.
    bool hasPendingChanges() const;

    bool canUndo() const { return !m_undo.empty() || hasPendingChanges(); }
    bool canRedo() const { return !m_redo.empty() && !hasPendingChanges(); }
    // The name of the step undo (redo) would take back (bring back); empty when there is none.
    std::string undoName() const;
    std::string redoName() const;
    // Pending changes are committed first (as `pendingName`). False when there is nothing to do.
    bool undo(const std::string& pendingName = "edit");
    bool redo();

    // The document as it was saved: clean until the next change; undoing back to it is clean again.
    void markClean();
    bool isClean() const;
    // Forgets every step and takes the document as it stands as the start (a new document).
    void reset();

    std::size_t stepCount() const { return m_undo.size(); }
    // What a build makes from the editing state (the skin's sheets, the backdrop, the preview and
    // its destination label): no edit of its own, so never a step and never taken back by one.
    static bool isBuildOutput(std::string_view key);
    // The picture memory the steps hold, in bytes (the copy of the current state not counted).
    std::size_t bytes() const;

private:
    struct ImportState {
        int combinedPictureFlag = 0;
        std::string backgroundPath, backgroundTitle, extraPath, extraTitle;
        std::map<std::string, Bitmap, std::less<>> listChoicePictures;
        RegionOutlines regionOutlines;
        bool operator==(const ImportState&) const = default;
    };
    struct Step {
        std::string name, mergeKey;
        // What each changed key held on the other side of the step: before it while the step
        // waits to be undone, after it while it waits to be redone.
        std::vector<std::pair<std::string, Bitmap>> slots;
        std::vector<std::pair<std::string, Control>> controls;
        std::vector<ImportState> import;  // none or one
        std::size_t bytes() const;
        bool empty() const { return slots.empty() && controls.empty() && import.empty(); }
        bool holds(const std::string& key) const;
    };

    ImportState importState() const;
    // Whether the document's import state is still the one the last step left (compared in
    // place: copying it holds every list-choice picture).
    bool importUnchanged() const;
    void putImportState(const ImportState& state);
    void takeCurrentState();
    Step pendingStep();
    void mergeInto(Step& last, Step&& step);
    void swapWithDocument(Step& step);
    void keepWithinLimits();

    Document& m_doc;
    HistoryLimits m_limits;
    int m_listener = 0;
    bool m_applying = false;
    // The document as of the last step: what a step's "before" is taken from.
    std::map<std::string, Bitmap, std::less<>> m_slots;
    std::map<std::string, Control, std::less<>> m_controls;
    ImportState m_import;
    std::set<std::string> m_changedSlots, m_changedControls;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
    // How many steps the undo stack held when the document was saved; -1: no longer reachable.
    long m_cleanDepth = 0;
};

}  // namespace pelterra
