// A picture slot of the document drawn at a whole-number zoom, each pixel a crisp square. A
// double-click and a right-click are handed on as signals; the view itself changes nothing.
#pragma once

#include <string>

#include <QImage>
#include <QWidget>

#include "document/slot.h"
#include "document_bridge.h"

namespace pelterra::app {

class SlotView : public QWidget {
    Q_OBJECT
public:
    // Shows slot `name`(index); an empty name shows nothing until showSlot() is called.
    SlotView(DocumentBridge& bridge, SlotName name, int index, QWidget* parent = nullptr);

    // Shows another slot (the preview panes show whichever mock-up the build chose).
    void showSlot(SlotName name, int index = -1);
    SlotName slotName() const { return m_name; }
    int slotIndex() const { return m_index; }
    SlotRef slotRef() const { return {m_name, m_index}; }

    void setZoom(int zoom);
    int zoom() const { return m_zoom; }

    // What is drawn, at the slot's own size.
    const QImage& image() const { return m_image; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void doubleClicked();
    void menuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A picture file dropped on the slot loads as a double-click and a chosen file would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reload();

    DocumentBridge& m_bridge;
    SlotName m_name;
    int m_index = -1;
    QString m_key;
    QImage m_image;
    int m_zoom = 1;
};

}  // namespace pelterra::app
