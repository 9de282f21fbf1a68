#include "document_bridge.h"

#include <QTimer>

#include "document/set_control.h"
#include "edit_names.h"

namespace pelterra::app {

DocumentBridge::DocumentBridge(Document& doc, std::filesystem::path programFolder, QObject* parent)
    : QObject(parent), m_doc(doc), m_programFolder(std::move(programFolder)) {
    m_listener = m_doc.addListener([this](const ChangeEvent& event) {
        const QString key = QString::fromStdString(event.key);
        switch (event.kind) {
        case ChangeEvent::Kind::Slot: Q_EMIT slotChanged(key); break;
        case ChangeEvent::Kind::Control: Q_EMIT controlChanged(key); break;
        case ChangeEvent::Kind::Flags: Q_EMIT flagsChanged(); break;
        case ChangeEvent::Kind::Problem: Q_EMIT problemNoted(); break;
        }
        noteEdit(event);
    });
}

DocumentBridge::~DocumentBridge() { m_doc.removeListener(m_listener); }

void DocumentBridge::setControl(std::string_view key, int value) {
    report(SetControlValue(m_doc, m_programFolder, key, value));
}

void DocumentBridge::setControlText(std::string_view key, std::string text) {
    report(SetControlText(m_doc, m_programFolder, key, std::move(text)));
}

void DocumentBridge::setControlText(ControlRef control, std::string text) {
    report(SetControlText(m_doc, m_programFolder, control, std::move(text)));
}

void DocumentBridge::startHistory(HistoryLimits limits) {
    m_history = std::make_unique<History>(m_doc, limits);
    m_firstControl.clear();
    m_firstSlot.clear();
    Q_EMIT historyChanged();
}

void DocumentBridge::noteEdit(const ChangeEvent& event) {
    if (!m_history || event.kind == ChangeEvent::Kind::Problem) return;
    if (event.kind == ChangeEvent::Kind::Control && m_firstControl.empty()) m_firstControl = event.key;
    if (event.kind == ChangeEvent::Kind::Slot && m_firstSlot.empty()) m_firstSlot = event.key;
    if (m_commitQueued) return;
    // The edit is whole once the event that made it has been handled: a command's every change
    // is one step, however many slots and controls it touched.
    m_commitQueued = true;
    QTimer::singleShot(0, this, [this] { commitPendingEdit(); });
}

void DocumentBridge::commitPendingEdit() {
    m_commitQueued = false;
    if (!m_history) return;
    const EditName name = DescribeEdit(m_doc, m_firstControl, m_firstSlot);
    m_firstControl.clear();
    m_firstSlot.clear();
    const std::size_t before = m_history->stepCount();
    const bool pending = m_history->hasPendingChanges();
    m_history->commit(name.text, name.mergeKey);
    if (pending || before != m_history->stepCount()) Q_EMIT historyChanged();
}

bool DocumentBridge::undo() {
    if (!m_history) return false;
    commitPendingEdit();
    const bool done = m_history->undo();
    m_firstControl.clear();
    m_firstSlot.clear();
    Q_EMIT historyChanged();
    return done;
}

bool DocumentBridge::redo() {
    if (!m_history) return false;
    commitPendingEdit();
    const bool done = m_history->redo();
    Q_EMIT historyChanged();
    return done;
}

void DocumentBridge::markSaved() {
    if (!m_history) return;
    commitPendingEdit();
    m_history->markClean();
    Q_EMIT historyChanged();
}

bool DocumentBridge::hasUnsavedWork() const { return m_history && !m_history->isClean(); }

void DocumentBridge::report(const Status& status) {
    if (!status && onFailure) onFailure(status.error());
}

}  // namespace pelterra::app
