#include "document_bridge.h"

#include "document/set_control.h"

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

void DocumentBridge::report(const Status& status) {
    if (!status && onFailure) onFailure(status.error());
}

}  // namespace pelterra::app
