// The pages of the "EQ" tab (TabStrip2, frames EQFrame(0..9)): the two equalizer faces on
// "EQ Main", the slider and back colour on "Slider", the seven equalizer part pages with their
// lists, link boxes, include boxes and colour bars, the Easy import on "取りこみ"; and the untitled
// frame beside the pages with the equalizer build button Command4, "EQ部分だけ出力する",
// "EQ Slider" and the frame fraEqCheck of the second include boxes.
#pragma once

#include <string_view>

#include "document_bridge.h"
#include "parts/categories.h"
#include "parts/part_loading.h"

class QWidget;

namespace pelterra::app {

class MainWindow;

// The frame of tab `page` (0 "EQ Main" .. 9 "レイヤー2").
QWidget* buildEqualizerPage(MainWindow& main, DocumentBridge& bridge, int page);

// The untitled frame Frames(9) beside the equalizer pages.
QWidget* buildEqualizerSideFrame(MainWindow& main, DocumentBridge& bridge);

// --- what the equalizer pictures do (the pages call these; so do the tests) --------------------
// Double-click on an equalizer picture: the open-file dialog, then the picture into the slot as
// the slot takes it (PreEQMainData2 through the 275x116 import, with its size message).
void openEqPicture(MainWindow& main, DocumentBridge& bridge, SlotName name, int index);
// "PictureOpen" (OpenEQData) of the second equalizer face.
void openEqMainPicture(MainWindow& main, DocumentBridge& bridge);
// The mnuClip choice on an equalizer picture: paste the clipboard's picture, or copy the picture.
void applyEqClipChoice(MainWindow& main, DocumentBridge& bridge, SlotName name, int index, ClipChoice choice);
// Double-click on PreEasyImage, and its mnuClip choice.
void openEasyPicture(MainWindow& main, DocumentBridge& bridge);
void applyEasyClipChoice(MainWindow& main, DocumentBridge& bridge, ClipChoice choice);

}  // namespace pelterra::app
