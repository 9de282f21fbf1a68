#include "document_bridge.h"

namespace pelterra::app {

DocumentBridge::DocumentBridge(Document& doc, QObject* parent) : QObject(parent), m_doc(doc) {
    m_listener = m_doc.addListener([this](const ChangeEvent& event) {
        const QString key = QString::fromStdString(event.key);
        switch (event.kind) {
        case ChangeEvent::Kind::Slot: Q_EMIT slotChanged(key); break;
        case ChangeEvent::Kind::Control: Q_EMIT controlChanged(key); break;
        case ChangeEvent::Kind::Flags: Q_EMIT flagsChanged(); break;
        case ChangeEvent::Kind::All: Q_EMIT everythingChanged(); break;
        }
    });
}

DocumentBridge::~DocumentBridge() { m_doc.removeListener(m_listener); }

}  // namespace pelterra::app
