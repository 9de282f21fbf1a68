// The thin Qt side of the document: turns the document's change notifications into signals, so
// that every widget bound to a control or a slot repaints when (and only when) it changed.
#pragma once

#include <QObject>
#include <QString>

#include "document/document.h"

namespace pelterra::app {

class DocumentBridge : public QObject {
    Q_OBJECT
public:
    explicit DocumentBridge(Document& doc, QObject* parent = nullptr);
    ~DocumentBridge() override;

    Document& doc() { return m_doc; }
    const Document& doc() const { return m_doc; }

Q_SIGNALS:
    // The key is the document's key of the slot or control: "picData(3)", "chkASP".
    void slotChanged(const QString& key);
    void controlChanged(const QString& key);
    void flagsChanged();
    void everythingChanged();

private:
    Document& m_doc;
    int m_listener = 0;
};

}  // namespace pelterra::app
