// The thin Qt side of the document: turns the document's change notifications into signals, so
// that every widget bound to a control or a slot repaints when (and only when) it changed.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <QObject>
#include <QString>

#include "document/document.h"
#include "document/history.h"

namespace pelterra::app {

class DocumentBridge : public QObject {
    Q_OBJECT
public:
    // `programFolder` is where the part commands find PartsData.
    explicit DocumentBridge(Document& doc, std::filesystem::path programFolder = {}, QObject* parent = nullptr);
    ~DocumentBridge() override;

    Document& doc() { return m_doc; }
    const Document& doc() const { return m_doc; }
    const std::filesystem::path& programFolder() const { return m_programFolder; }

    // A user's change of a bound widget: the core's SetControl sets the control and runs its
    // command, exactly as --set does. A failure goes to the failure handler.
    void setControl(std::string_view key, int value);
    void setControlText(std::string_view key, std::string text);
    void setControlText(ControlRef control, std::string text);
    // Shows a failed command to the user (the main window's message box); unset, failures are
    // dropped.
    std::function<void(const Error&)> onFailure;

    // --- undo and redo ------------------------------------------------------------------
    // Starts the history with the document as it stands (after start-up). From then on every
    // change becomes a step when the event that made it has been handled, named after what
    // changed first ("colour bar R"); changes of one scroll bar in a row join one step.
    void startHistory(HistoryLimits limits = {});
    History* history() { return m_history.get(); }
    // Ends the pending edit now (before an undo, a save, a question about unsaved work).
    void commitPendingEdit();
    bool undo();
    bool redo();
    // The project was saved or loaded: the document as it stands is the saved state.
    void markSaved();
    bool hasUnsavedWork() const;

Q_SIGNALS:
    // The key is the document's key of the slot or control: "picData(3)", ctl::chkASP.
    void slotChanged(const QString& key);
    void controlChanged(const QString& key);
    void flagsChanged();
    // A problem no dialog reported was added to the document's problems().
    void problemNoted();
    // A step was made, undone or redone, or the document was saved.
    void historyChanged();
    // A project was saved into, or loaded from, `folder`.
    void projectSaved(const QString& folder);
    void projectLoaded(const QString& folder);

private:
    void report(const Status& status);
    void noteEdit(const ChangeEvent& event);

    std::unique_ptr<History> m_history;
    bool m_commitQueued = false;
    std::string m_firstControl, m_firstSlot;

    Document& m_doc;
    std::filesystem::path m_programFolder;
    int m_listener = 0;
};

}  // namespace pelterra::app
