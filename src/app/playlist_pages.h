// The pages of the "PlayList" tab (TabStrip5, frames PLFrame(0..3)): "PlayList" with the playlist
// source picture, the part slots with their include boxes and the options of the playlist build;
// "SorabePL互換１" and "Sorabe互換２" with the layout sheets of the other format and their cut-out
// buttons; "Sorabe互換３" with the button sheets, their cut-outs and the button synthesis "合成".
#pragma once

#include <string_view>

#include "document_bridge.h"

class QWidget;

namespace pelterra::app {

class MainWindow;

// The frame of tab `page` (0 "PlayList" .. 3 "Sorabe互換３").
QWidget* buildPlaylistPage(MainWindow& main, DocumentBridge& bridge, int page);

// Double-click on a playlist picture (picPLPartsData, picPLButtonBack, picPLButton): the
// open-file dialog, then the picture into the slot.
void openPlaylistSlotPicture(MainWindow& main, DocumentBridge& bridge, SlotName name, int index);
// cmdLoadPL "PictureOpen": the open-file dialog, then the picture into picPrePLmain(1), with the
// size message when it had to be stretched.
void openPlaylistPicture(MainWindow& main, DocumentBridge& bridge);

}  // namespace pelterra::app
