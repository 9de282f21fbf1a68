// Small pictures beside the entries of the part lists and combo boxes, and the filter box above a
// long list. A picture is read from the library only when its entry is painted (the delegate asks
// for it), then kept, so that a library of a thousand parts starts as fast as an empty one and an
// entry never scrolled into view is never read. Filtering hides rows and removes none: a row's
// index stays the index of the entry in the document.
#pragma once

#include <QCache>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QStyledItemDelegate>

#include "document_bridge.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QVBoxLayout;
class QWidget;

namespace pelterra::app {

// The pictures of one document's lists, kept by library file: one store per bridge.
class PartThumbnails : public QObject {
    Q_OBJECT
public:
    static constexpr QSize kSize{56, 28};

    // The store of `bridge`, made on first use.
    static PartThumbnails& of(DocumentBridge& bridge);

    // The picture of entry `entry` of list(index), scaled to fit kSize; a null pixmap when the
    // entry has no readable picture. The file is read on the first ask only.
    QPixmap thumbnail(ControlName list, int index, int entry);

    // How many files were read (successfully or not) so far.
    int readCount() const { return m_reads; }

private:
    explicit PartThumbnails(DocumentBridge& bridge);

    DocumentBridge& m_bridge;
    QCache<QString, QPixmap> m_cache;
    int m_reads = 0;
};

// Paints a list's rows with the entry's picture before its text; asks for the picture only when
// the row is painted, and sizes rows without reading anything.
class PartThumbnailDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    PartThumbnailDelegate(PartThumbnails& thumbnails, ControlName list, int index, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    PartThumbnails& m_thumbnails;
    ControlName m_list;
    int m_index;
};

// A part list bound to list(index) (bindList), with its pictures, below a filter box: typing
// shows only the entries whose name holds the text, ignoring case. The filter box shows while the
// list shows and holds more than kShortList entries; it is named "<list object name>_Filter".
// Both go into `layout`, the list with `stretch`.
inline constexpr int kShortList = 8;
QListWidget* addPartList(DocumentBridge& bridge, ControlName list, int index, QVBoxLayout* layout, int stretch,
                         QWidget* parent);

// Pictures in a combo box bound to combo (bindComboList): in its pop-up list, painted as the
// entries show, and beside the chosen entry.
void showComboPictures(DocumentBridge& bridge, QComboBox* combo, ControlName name);

}  // namespace pelterra::app
