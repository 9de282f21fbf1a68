#include "tab_strip.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelterra::app {

namespace {

// Tabs look like tabs: the chosen one joins its frame, the others sit back.
constexpr char kTabStyle[] =
    "QToolButton { border: 1px solid palette(mid); border-bottom: none; border-top-left-radius: 4px;"
    " border-top-right-radius: 4px; padding: 3px 8px; background: palette(button); }"
    "QToolButton:checked { background: palette(window); font-weight: bold; }"
    "QToolButton:hover:!checked { background: palette(light); }"
    "QToolButton:focus { border-color: palette(highlight); }";

}  // namespace

TabStrip::TabStrip(const QString& stripName, const QString& frameName, const QStringList& captions, int perRow,
                   QWidget* parent)
    : QWidget(parent), m_frameName(frameName) {
    setObjectName(stripName);
    m_tabs = new QButtonGroup(this);
    m_tabs->setExclusive(true);
    m_frames = new QStackedWidget(this);
    m_frames->setObjectName(stripName + QStringLiteral("Frames"));

    auto* rows = new QGridLayout;
    rows->setSpacing(0);
    rows->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < captions.size(); ++i) {
        auto* tab = new QToolButton(this);
        tab->setObjectName(stripName + QStringLiteral("_tab%1").arg(i));
        tab->setText(captions[i]);
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::TabFocus);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tab->setStyleSheet(QString::fromLatin1(kTabStyle));
        m_tabs->addButton(tab, i);
        rows->addWidget(tab, i / perRow, i % perRow);

        auto* scroller = new QScrollArea(m_frames);
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        auto* frame = new QWidget;
        frame->setObjectName(frameName + QStringLiteral("_%1").arg(i));
        scroller->setWidget(frame);
        m_frames->addWidget(scroller);
    }
    if (m_tabs->button(0)) m_tabs->button(0)->setChecked(true);
    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int index) {
        if (index == m_frames->currentIndex()) return;
        m_frames->setCurrentIndex(index);
        Q_EMIT tabChosen(index);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(rows);
    auto* border = new QFrame(this);
    border->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(border);
    inner->setContentsMargins(4, 4, 4, 4);
    inner->addWidget(m_frames);
    layout->addWidget(border, 1);
}

int TabStrip::count() const { return m_frames->count(); }

int TabStrip::currentIndex() const { return m_frames->currentIndex(); }

void TabStrip::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) return;
    m_frames->setCurrentIndex(index);
    if (QAbstractButton* b = m_tabs->button(index)) b->setChecked(true);
}

QAbstractButton* TabStrip::tab(int index) const { return m_tabs->button(index); }

QWidget* TabStrip::frame(int index) const {
    auto* scroller = qobject_cast<QScrollArea*>(m_frames->widget(index));
    return scroller ? scroller->widget() : nullptr;
}

void TabStrip::setPage(int index, QWidget* page) {
    auto* scroller = qobject_cast<QScrollArea*>(m_frames->widget(index));
    if (!scroller) return;
    page->setObjectName(m_frameName + QStringLiteral("_%1").arg(index));
    delete scroller->takeWidget();
    scroller->setWidget(page);
}

}  // namespace pelterra::app
