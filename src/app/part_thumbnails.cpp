#include "part_thumbnails.h"

#include <QCoreApplication>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "bindings.h"
#include "image_convert.h"
#include "parts/entry_picture.h"

namespace pelterra::app {

namespace {

// Enough for every entry of a few large lists; a picture of kSize costs about 6 KB.
constexpr int kKeptPictures = 4000;

}  // namespace

PartThumbnails::PartThumbnails(DocumentBridge& bridge) : QObject(&bridge), m_bridge(bridge), m_cache(kKeptPictures) {
    setObjectName(QStringLiteral("PartThumbnails"));
}

PartThumbnails& PartThumbnails::of(DocumentBridge& bridge) {
    if (auto* found = bridge.findChild<PartThumbnails*>(QString(), Qt::FindDirectChildrenOnly)) return *found;
    return *new PartThumbnails(bridge);
}

QPixmap PartThumbnails::thumbnail(ControlName list, int index, int entry) {
    const std::optional<std::string> tail = entryPictureTail(m_bridge.doc(), list, index, entry);
    if (!tail) return {};
    const QString key = QString::fromStdString(*tail).toLower();
    if (const QPixmap* kept = m_cache.object(key)) return *kept;
    ++m_reads;
    QPixmap picture;
    Result<Bitmap> read = LoadEntryPicture(m_bridge.doc(), m_bridge.programFolder(), list, index, entry);
    if (read && !read->empty()) {
        const QImage image = toQImage(*read);
        const bool fits = image.width() <= kSize.width() && image.height() <= kSize.height();
        picture = QPixmap::fromImage(
            fits ? image : image.scaled(kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    // A file that cannot be read is kept as "no picture" too: it is not read again at every paint.
    m_cache.insert(key, new QPixmap(picture));
    return picture;
}

PartThumbnailDelegate::PartThumbnailDelegate(PartThumbnails& thumbnails, ControlName list, int index, QObject* parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails), m_list(list), m_index(index) {}

namespace {

QStyleOptionViewItem rowOption(const QStyleOptionViewItem& option) {
    QStyleOptionViewItem row = option;
    row.features |= QStyleOptionViewItem::HasDecoration;
    row.decorationSize = PartThumbnails::kSize;
    return row;
}

QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

}  // namespace

void PartThumbnailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    row = rowOption(row);
    row.icon = QIcon(m_thumbnails.thumbnail(m_list, m_index, index.row()));
    styleOf(option)->drawControl(QStyle::CE_ItemViewItem, &row, painter, option.widget);
}

QSize PartThumbnailDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    row = rowOption(row);
    return styleOf(option)->sizeFromContents(QStyle::CT_ItemViewItem, &row, QSize(), option.widget);
}

QListWidget* addPartList(DocumentBridge& bridge, ControlName name, int index, QVBoxLayout* layout, int stretch,
                         QWidget* parent) {
    auto* list = new QListWidget(parent);
    bindList(bridge, list, name, index);
    list->setUniformItemSizes(true);
    list->setIconSize(PartThumbnails::kSize);
    list->setItemDelegate(new PartThumbnailDelegate(PartThumbnails::of(bridge), name, index, list));

    auto* filter = new QLineEdit(parent);
    filter->setObjectName(list->objectName() + QStringLiteral("_Filter"));
    filter->setPlaceholderText(QCoreApplication::translate("PartThumbnails", "名前で絞りこむ"));
    filter->setToolTip(QCoreApplication::translate("PartThumbnails", "入力した文字を名前に含むパーツだけを一覧に出します"));
    filter->setClearButtonEnabled(true);
    auto apply = [list, filter] {
        const QString text = filter->text().trimmed();
        for (int row = 0; row < list->count(); ++row)
            list->setRowHidden(row, !text.isEmpty() && !list->item(row)->text().contains(text, Qt::CaseInsensitive));
    };
    QObject::connect(filter, &QLineEdit::textChanged, list, apply);
    Document& doc = bridge.doc();
    // After the binding's own refresh: new entries come in unfiltered.
    watchControl(bridge, filter, controlKey(name, index), [&doc, name, index, filter, apply] {
        const Control& c = doc.control(name, index);
        filter->setHidden(!c.visible || static_cast<int>(c.entries.size()) <= kShortList);
        apply();
    });
    layout->addWidget(filter);
    layout->addWidget(list, stretch);
    return list;
}

void showComboPictures(DocumentBridge& bridge, QComboBox* combo, ControlName name) {
    PartThumbnails& thumbnails = PartThumbnails::of(bridge);
    combo->setIconSize(PartThumbnails::kSize);
    combo->setItemDelegate(new PartThumbnailDelegate(thumbnails, name, -1, combo));
    Document& doc = bridge.doc();
    // The chosen entry alone carries its picture as item data, for the closed box.
    watchControl(bridge, combo, controlKey(name), [&doc, &thumbnails, combo, name] {
        const int chosen = doc.value(name);
        if (chosen >= 0 && chosen < combo->count() && combo->itemIcon(chosen).isNull())
            combo->setItemIcon(chosen, QIcon(thumbnails.thumbnail(name, -1, chosen)));
    });
}

}  // namespace pelterra::app
