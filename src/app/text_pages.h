// The main window's pages whose values become the skin's text files and glyph colours:
// "Pledit.txt" (the playlist colours and font), "Maron.txt" (the MARON plug-in settings),
// "Viscolor" (the 24 visualisation colours), and the row-colour swatches of the "Number" and
// "Text" pages.
#pragma once

#include <QWidget>

#include "document_bridge.h"

namespace pelterra::app {

// TabStrip1 pages built here and in the project and generator files, by tab.
namespace own_page {
inline constexpr int Slider = 5;
inline constexpr int Pledit = 6;
inline constexpr int Maron = 7;
inline constexpr int Number = 8;
inline constexpr int Text = 9;
inline constexpr int Frame = 12;
inline constexpr int Viscolor = 13;
inline constexpr int Project = 16;
}  // namespace own_page

// The page of tab `page` when it is one of "Pledit.txt", "Maron.txt", "Viscolor" or
// "プロジェクト保存"; null for any other tab.
QWidget* buildOutputPage(DocumentBridge& bridge, QWidget* owner, int page);

QWidget* buildPleditPage(DocumentBridge& bridge);
QWidget* buildMaronPage(DocumentBridge& bridge);
QWidget* buildViscolorPage(DocumentBridge& bridge);

// The frame of row-colour swatches with "補完" and "色をつける": for the number part
// (NumberColor, 15 rows) or the text part (PicText, 6 rows).
enum class GlyphPart { Number, Text };
QWidget* buildGlyphColourFrame(DocumentBridge& bridge, GlyphPart part, QWidget* parent);

// Adds what a part page carries beyond its lists and pictures: the glyph colours on "Number" and
// "Text", the maker buttons on "Slider" and "Frame". `page` is the page's widget from the part
// page builder (its top layout a row ending in a stretch). Other pages are left alone.
void addPartPageTools(DocumentBridge& bridge, QWidget* owner, int page, QWidget* pageWidget);

// The maker buttons of the equalizer pages: "FrameData自作" (btnEQMakeFrame) on "Frame" and
// "MakeBackColor" (btnBackColor) on "Slider", at the top of the page's last column.
namespace own_eq_page {
inline constexpr int Slider = 1;
inline constexpr int Frame = 3;
}  // namespace own_eq_page
void addEqualizerPageTools(DocumentBridge& bridge, QWidget* owner, int eqPage, QWidget* pageWidget);

}  // namespace pelterra::app
