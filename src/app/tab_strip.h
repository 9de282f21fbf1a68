// A tab strip over a stack of frames, its tabs in as many rows as it needs (the main window's
// seventeen pages do not fit one row on a laptop screen). A click on a tab other than the one
// shown shows its frame and hides the one shown so far; clicking the shown tab does nothing.
#pragma once

#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QStackedWidget;

namespace pelterra::app {

class TabStrip : public QWidget {
    Q_OBJECT
public:
    // `stripName` is the strip's control name ("TabStrip1"), `frameName` that of its frames
    // ("Frame1"): the frames are named "Frame1_0" and on. At most `perRow` tabs share a row.
    TabStrip(const QString& stripName, const QString& frameName, const QStringList& captions, int perRow,
             QWidget* parent = nullptr);

    int count() const;
    int currentIndex() const;
    // Shows frame `index` without telling anybody (the document already knows).
    void setCurrentIndex(int index);

    QAbstractButton* tab(int index) const;
    // The frame of tab `index`; a page puts its widgets in it.
    QWidget* frame(int index) const;
    // Replaces the frame's content with `page` (a later page of the program fills a frame).
    void setPage(int index, QWidget* page);

Q_SIGNALS:
    // A user's click on a tab other than the one shown, after its frame was shown.
    void tabChosen(int index);

private:
    QButtonGroup* m_tabs = nullptr;
    QStackedWidget* m_frames = nullptr;
    QString m_frameName;
};

}  // namespace pelterra::app
