#include "page_helpers.h"

#include <algorithm>

#include <QCoreApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QGroupBox>
#include <QGridLayout>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStorageInfo>
#include <QTreeView>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QSignalBlocker>

#include "bindings.h"
#include "document/control.h"
#include "image_convert.h"
#include "parts/colour_change.h"
#include "slot_view.h"

namespace pelterra::app {

int zoomToFit(int width, int height, int maxWidth, int maxHeight) {
    if (width <= 0 || height <= 0) return 1;
    return std::clamp(std::min(maxWidth / width, maxHeight / height), 1, kMaxPageZoom);
}

QCheckBox* pageMakeBox(DocumentBridge& bridge, ControlName name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    bindCheckBox(bridge, box, name);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    box->setToolTip(QCoreApplication::translate("PageHelpers", "チェックすると、選んだパーツをスキンに使います"));
    return box;
}

QLabel* boldCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QComboBox* pageZoomChooser(const QString& name, int initial, const std::vector<SlotView*>& views, QWidget* parent) {
    auto* zoom = new QComboBox(parent);
    zoom->setObjectName(name);
    for (int z = 1; z <= kMaxPageZoom; ++z) zoom->addItem(QStringLiteral("×%1").arg(z), z);
    zoom->setCurrentIndex(std::clamp(initial, 1, kMaxPageZoom) - 1);
    zoom->setToolTip(QCoreApplication::translate("PageHelpers", "絵を拡大して見せます (スキンの絵は変わりません)"));
    QObject::connect(zoom, &QComboBox::currentIndexChanged, zoom, [views, zoom](int) {
        for (SlotView* v : views) v->setZoom(zoom->currentData().toInt());
    });
    return zoom;
}

void bindComboList(DocumentBridge& bridge, QComboBox* combo, ControlName name, int index,
                   std::function<void()> afterChoice) {
    combo->setObjectName(objectNameOf(name, index));
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    auto refresh = [&doc, combo, key, name, index] {
        const Control& c = doc.control(name, index);
        const QSignalBlocker quiet(combo);
        bool same = combo->count() == static_cast<int>(c.entries.size());
        for (int i = 0; same && i < combo->count(); ++i)
            same = combo->itemText(i) == QString::fromStdString(c.entries[static_cast<std::size_t>(i)]);
        if (!same) {
            combo->clear();
            for (const std::string& entry : c.entries) combo->addItem(QString::fromStdString(entry));
        }
        if (combo->currentIndex() != c.value) combo->setCurrentIndex(c.value);
        if (combo->isHidden() == c.visible) combo->setHidden(!c.visible);
        if (combo->isEnabled() != c.enabled) combo->setEnabled(c.enabled);
    };
    watchControl(bridge, combo, key, refresh);
    // currentIndexChanged also follows the keyboard's arrows, as a list's selection does.
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [&bridge, key, afterChoice, refresh](int row) {
        if (row < 0) return;  // the entries are being replaced
        bridge.setControl(key, row);
        if (afterChoice) afterChoice();
        refresh();
    });
}

QScrollArea* scrollBox(QWidget* content, QWidget* parent) {
    auto* box = new QScrollArea(parent);
    box->setWidget(content);
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    return box;
}

ClipChoice askClipChoice(QWidget* parent, const QPoint& globalPosition) {
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("mnuClip"));
    QAction* paste = menu.addAction(QCoreApplication::translate("PageHelpers", "貼りつけ"));
    paste->setObjectName(QStringLiteral("munClipDraw"));
    QAction* copy = menu.addAction(QCoreApplication::translate("PageHelpers", "コピー"));
    copy->setObjectName(QStringLiteral("mnuClipCopy"));
    QAction* chosen = menu.exec(globalPosition);
    return chosen == paste ? ClipChoice::Paste : chosen == copy ? ClipChoice::Copy : ClipChoice::None;
}

std::optional<Bitmap> clipboardPicture() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) return std::nullopt;
    return toBitmap(image);
}

void putPictureOnClipboard(const Bitmap& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(toQImage(picture));
}

QComboBox* driveList(const QString& name, QWidget* parent) {
    auto* drive = new QComboBox(parent);
    drive->setObjectName(name);
    QStringList roots = {QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !roots.contains(root) &&
            (root.startsWith(QLatin1String("/media")) || root.startsWith(QLatin1String("/mnt")) ||
             root.startsWith(QLatin1String("/run/media"))))
            roots << root;
    }
    for (const QString& root : roots) drive->addItem(QDir::toNativeSeparators(root), root);
    return drive;
}

QTreeView* folderTree(const QString& name, int minimumHeight, QWidget* parent) {
    auto* model = new QFileSystemModel(parent);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model->setRootPath(QDir::rootPath());
    auto* dir = new QTreeView(parent);
    dir->setObjectName(name);
    dir->setModel(model);
    for (int column = 1; column < model->columnCount(); ++column) dir->hideColumn(column);
    dir->header()->hide();
    dir->setMinimumHeight(minimumHeight);
    return dir;
}

namespace {

struct ColourBarRow {
    const char* caption;
    ControlName bar;
    ControlName label;
};
constexpr ColourBarRow kColourBarRows[] = {
    {"R", ctl::hscR, ctl::lblRed},
    {"G", ctl::hscG, ctl::lblGreen},
    {"B", ctl::hscB, ctl::lblBlue},
};

}  // namespace

// "色補正": the three bars of colour group i with their value labels.
QGroupBox* colourGroup(DocumentBridge& bridge, int i, int barWidth, QWidget* parent) {
    auto* group = new QGroupBox(QCoreApplication::translate("PageHelpers", "色補正"), parent);
    group->setObjectName(objectNameOf("fraColor", i));
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const ColourBarRow& r : kColourBarRows) {
        auto* bar = new QScrollBar(Qt::Horizontal, group);
        bar->setMinimumWidth(barWidth);
        bindScrollBar(bridge, bar, r.bar, i);
        auto* value = new QLabel(group);
        bindLabel(bridge, value, r.label, i);
        value->setMinimumWidth(36);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        bar->setToolTip(QCoreApplication::translate("PageHelpers", "部品の色の%1成分を増減します (0で元の色)").arg(QString::fromLatin1(r.caption)));
        auto* name = new QLabel(QString::fromLatin1(r.caption), group);
        name->setBuddy(bar);
        grid->addWidget(name, row, 0);
        grid->addWidget(bar, row, 1);
        grid->addWidget(value, row, 2);
        ++row;
    }
    return group;
}

}  // namespace pelterra::app
