#include "bindings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "core_captions.h"
#include "document/control.h"

namespace pelterra::app {

namespace {

void applyVisibility(QWidget* widget, const Control& c) {
    if (widget->isHidden() == c.visible) widget->setHidden(!c.visible);
    if (widget->isEnabled() != c.enabled) widget->setEnabled(c.enabled);
}

}  // namespace

QString objectNameOf(std::string_view name, int index) {
    QString result = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (index >= 0) result += QLatin1Char('_') + QString::number(index);
    return result;
}

void watchControl(DocumentBridge& bridge, QWidget* widget, const std::string& key, std::function<void()> refresh) {
    refresh();
    const QString watched = QString::fromStdString(key);
    QObject::connect(&bridge, &DocumentBridge::controlChanged, widget, [watched, refresh](const QString& changed) {
        if (changed == watched) refresh();
    });
}

void watchSlot(DocumentBridge& bridge, QWidget* widget, const std::string& key, std::function<void()> refresh) {
    refresh();
    const QString watched = QString::fromStdString(key);
    QObject::connect(&bridge, &DocumentBridge::slotChanged, widget, [watched, refresh](const QString& changed) {
        if (changed == watched) refresh();
    });
}

void bindVisibility(DocumentBridge& bridge, QWidget* widget, ControlName name, int index) {
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    watchControl(bridge, widget, key, [&doc, widget, key, name, index] { applyVisibility(widget, doc.control(name, index)); });
}

void bindCheckBox(DocumentBridge& bridge, QCheckBox* box, ControlName name, int index, ClickHandler afterClick) {
    box->setObjectName(objectNameOf(name, index));
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    auto refresh = [&doc, box, key, name, index] {
        const Control& c = doc.control(name, index);
        box->setChecked(c.value == 1);
        applyVisibility(box, c);
    };
    watchControl(bridge, box, key, refresh);
    // `clicked` comes from the user (mouse or keyboard) only, never from setChecked.
    QObject::connect(box, &QCheckBox::clicked, box, [&bridge, key, afterClick, refresh](bool checked) {
        bridge.setControl(key, checked ? 1 : 0);
        if (afterClick) afterClick(checked);
        refresh();
    });
}

void bindOption(DocumentBridge& bridge, QRadioButton* option, ControlName name, int index) {
    option->setObjectName(objectNameOf(name, index));
    // The document keeps the group exclusive; Qt's own grouping would fight it.
    option->setAutoExclusive(false);
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    auto refresh = [&doc, option, key, name, index] {
        const Control& c = doc.control(name, index);
        option->setChecked(c.value == 1);
        applyVisibility(option, c);
    };
    watchControl(bridge, option, key, refresh);
    QObject::connect(option, &QRadioButton::clicked, option, [&bridge, key, refresh] {
        bridge.setControl(key, 1);
        refresh();  // clicking the selected option again must not leave it looking clear
    });
}

void bindScrollBar(DocumentBridge& bridge, QScrollBar* bar, ControlName name, int index, ValueHandler onChange) {
    bar->setObjectName(objectNameOf(name, index));
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setTracking(false);  // dragging the thumb changes nothing until it is released
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    auto refresh = [&doc, bar, key, name, index] {
        const Control& c = doc.control(name, index);
        const QSignalBlocker quiet(bar);
        bar->setRange(c.min, c.max);
        bar->setValue(c.value);
        applyVisibility(bar, c);
    };
    watchControl(bridge, bar, key, refresh);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [&bridge, key, onChange, refresh](int value) {
        if (onChange)
            onChange(value);
        else
            bridge.setControl(key, value);
        refresh();
    });
}

void bindList(DocumentBridge& bridge, QListWidget* list, ControlName name, int index,
              std::function<void()> afterChoice) {
    list->setObjectName(objectNameOf(name, index));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    auto refresh = [&doc, list, key, name, index] {
        const Control& c = doc.control(name, index);
        const QSignalBlocker quiet(list);
        bool same = list->count() == static_cast<int>(c.entries.size());
        for (int i = 0; same && i < list->count(); ++i)
            same = list->item(i)->text() == QString::fromStdString(c.entries[static_cast<std::size_t>(i)]);
        if (!same) {
            list->clear();
            for (const std::string& entry : c.entries) list->addItem(QString::fromStdString(entry));
        }
        if (list->currentRow() != c.value) list->setCurrentRow(c.value);
        if (c.value >= 0 && list->item(c.value) && !list->item(c.value)->isSelected())
            list->item(c.value)->setSelected(true);
        if (c.value < 0) list->clearSelection();  // a maker drew over the part: nothing is chosen
        applyVisibility(list, c);
    };
    watchControl(bridge, list, key, refresh);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [&bridge, key, afterChoice, refresh](int row) {
        if (row < 0) return;  // the list is being cleared
        bridge.setControl(key, row);
        if (afterChoice) afterChoice();
        refresh();
    });
}

void bindLineEdit(DocumentBridge& bridge, QLineEdit* edit, ControlName name, int index,
                  std::function<void()> afterEdit) {
    edit->setObjectName(objectNameOf(name, index));
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    auto refresh = [&doc, edit, key, name, index] {
        const Control& c = doc.control(name, index);
        const QString text = QString::fromStdString(c.text);
        if (edit->text() != text) edit->setText(text);
        applyVisibility(edit, c);
    };
    watchControl(bridge, edit, key, refresh);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&bridge, key, afterEdit](const QString& text) {
        bridge.setControlText(key, text.toStdString());
        if (afterEdit) afterEdit();
    });
}

void bindLabel(DocumentBridge& bridge, QLabel* label, ControlName name, int index) {
    label->setObjectName(objectNameOf(name, index));
    const std::string key = controlKey(name, index);
    Document& doc = bridge.doc();
    watchControl(bridge, label, key, [&doc, label, key, name, index] {
        const Control& c = doc.control(name, index);
        // A label shows what the core wrote there: a progress line or a caption of its tables.
        label->setText(coreProgressLine(c.text));
        applyVisibility(label, c);
    });
}

}  // namespace pelterra::app
