#include "slot_view.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QKeyEvent>
#include <QPainter>

#include "bindings.h"
#include "document/control.h"
#include "image_convert.h"
#include "interaction.h"

namespace pelterra::app {

namespace {
constexpr int kBorder = 1;
}

SlotView::SlotView(DocumentBridge& bridge, SlotName name, int index, QWidget* parent)
    : QWidget(parent), m_bridge(bridge) {
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);  // Enter opens a picture, the menu key shows the clipboard menu
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&m_bridge, &DocumentBridge::slotChanged, this, [this](const QString& key) {
        if (key == m_key) reload();
    });
    if (!name.empty()) setObjectName(objectNameOf(name, index));
    showSlot(name, index);
}

void SlotView::showSlot(SlotName name, int index) {
    m_name = name;
    m_index = index;
    m_key = QString::fromStdString(controlKey(name, index));
    reload();
}

void SlotView::setZoom(int zoom) {
    m_zoom = std::max(1, zoom);
    updateGeometry();
    setFixedSize(sizeHint());
    update();
}

QSize SlotView::sizeHint() const {
    return QSize(m_image.width() * m_zoom + 2 * kBorder, m_image.height() * m_zoom + 2 * kBorder);
}

void SlotView::reload() {
    const Document& doc = m_bridge.doc();
    if (m_name.empty() || !doc.hasSlot(m_name, m_index))
        m_image = QImage();
    else
        m_image = toQImage(doc.slot(m_name, m_index));
    setFixedSize(sizeHint());
    update();
}

void SlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Nearest pixel: no smoothing, so that a zoomed part shows its real pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect inner(kBorder, kBorder, m_image.width() * m_zoom, m_image.height() * m_zoom);
    if (!m_image.isNull()) painter.drawImage(inner, m_image);
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SlotView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT doubleClicked();
}

void SlotView::contextMenuEvent(QContextMenuEvent* event) { Q_EMIT menuRequested(event->globalPos()); }

void SlotView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void SlotView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void SlotView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT doubleClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {

QString droppedPicture(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty() || !data->urls().first().isLocalFile()) return {};
    const QString file = data->urls().first().toLocalFile();
    return QFileInfo(file).isFile() ? file : QString();
}

}  // namespace

void SlotView::dragEnterEvent(QDragEnterEvent* event) {
    // Only a slot that opens a file on a double-click takes one.
    if (!droppedPicture(event->mimeData()).isEmpty() && receivers(SIGNAL(doubleClicked())) > 0)
        event->acceptProposedAction();
}

void SlotView::dropEvent(QDropEvent* event) {
    const QString file = droppedPicture(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    OfferDroppedFile(file);
    Q_EMIT doubleClicked();
    OfferDroppedFile({});
}

}  // namespace pelterra::app
