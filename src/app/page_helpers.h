// Small pieces shared by the equalizer and playlist pages: bold captions, the "倍率" zoom chooser,
// a drop-down list bound to a list control, slot views in a scroll box, and the clipboard menu
// mnuClip with the platform clipboard behind it.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include <QCoreApplication>
#include <QString>

class QTreeView;

#include "document_bridge.h"
#include "image/bitmap.h"
#include "parts/part_loading.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPoint;
class QScrollArea;
class QWidget;

namespace pelterra::app {

class SlotView;

inline constexpr int kMaxPageZoom = 4;

// The tooltip of every "DataとMaskを別々に指定する" box.
inline QString linkBoxTip() {
    return QCoreApplication::translate("PageHelpers",
    "チェックすると、Maskを下のMaskListから別に選べます。\n"
    "外すと、Dataと同じ名前のMaskが自動で読みこまれます。");
}

// The largest zoom up to 4 at which a picture of w x h still fits maxWidth x maxHeight.
int zoomToFit(int width, int height, int maxWidth, int maxHeight);

// A bold caption.
QLabel* boldCaption(const QString& text, QWidget* parent);

// The make box of a part's own page, bound to its flag and set in bold: choosing a part leaves
// the box as it is, so the box that decides whether the part is used must catch the eye.
QCheckBox* pageMakeBox(DocumentBridge& bridge, ControlName name, const QString& caption, QWidget* parent);

// "倍率": a chooser of ×1..×4 that sets the zoom of `views`; named `name`.
QComboBox* pageZoomChooser(const QString& name, int initial, const std::vector<SlotView*>& views, QWidget* parent);

// A drop-down list bound to a list control: its entries and selected index; a user's choice sets
// the index, then runs `afterChoice`.
void bindComboList(DocumentBridge& bridge, QComboBox* combo, ControlName name, int index = -1,
                   std::function<void()> afterChoice = {});

// A scroll box around `content` that shows it whole when it fits and scrolls when a zoom makes it
// larger than the page.
// The drive list of a folder chooser: the root, the home folder and mounted removable volumes.
QComboBox* driveList(const QString& name, QWidget* parent);

// The folder tree of a folder chooser: folders only, one column, over a QFileSystemModel.
QTreeView* folderTree(const QString& name, int minimumHeight, QWidget* parent);

// "色補正": the three bars of colour group i with their value labels.
QGroupBox* colourGroup(DocumentBridge& bridge, int i, int barWidth, QWidget* parent);

QScrollArea* scrollBox(QWidget* content, QWidget* parent);

// The pop-up menu mnuClip at `globalPosition`: "貼りつけ" (munClipDraw) or "コピー" (mnuClipCopy).
ClipChoice askClipChoice(QWidget* parent, const QPoint& globalPosition);

// The picture on the platform clipboard, if it holds one.
std::optional<Bitmap> clipboardPicture();
// Empties the clipboard, then puts the picture on it.
void putPictureOnClipboard(const Bitmap& picture);

}  // namespace pelterra::app
