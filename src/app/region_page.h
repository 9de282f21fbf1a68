// The "Region" page: the region picture in its two areas (main window half and equalizer half),
// the key colour of what is cut away (bars and boxes, or picked with the mouse from a pixel), the
// trace "画像切り取り" with its progress in Areay, the Cut-out results with the traced outlines,
// and "Region.txtを出力する". Also the preview window's shape from the last trace.
#pragma once

#include <QRegion>

#include "document_bridge.h"
#include "region/preview_shape.h"

namespace pelterra::app {

class MainWindow;
class SlotView;

QWidget* buildRegionPage(MainWindow& main, DocumentBridge& bridge);

// The pieces of a window shape combined in order into a region, every pixel `zoom` pixels wide.
QRegion toRegion(const WindowShape& shape, int zoom);

// Shapes the preview panes: PreView1 (upper window) and PreView2 (lower window) show only what
// the last trace kept when "Region.txtを出力する" is checked, the whole picture otherwise.
// Outlines the document does not hold (no trace, a count beyond them) are reported and leave the
// panes whole.
void ShapePreviewPanes(DocumentBridge& bridge, SlotView* upper, SlotView* lower, QWidget* parent);

}  // namespace pelterra::app
