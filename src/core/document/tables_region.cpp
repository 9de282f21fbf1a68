// Slots and controls of the Region page: the two halves of the region picture with their key
// colour frame, the Cut-out results that show the traced outlines, the key colour bars and boxes,
// and the state a trace leaves for region.txt and the preview shape.
// ("RegionCheck" is with the save's text-file boxes, "EqUporDown" with the main window's.)
#include "document/tables.h"

#include <climits>
#include <iterator>

namespace pelterra::tables {

namespace {

constexpr SlotSpec kRegionSlots[] = {
    // RegionArea(0) main window, (1) equalizer: the 275 x 116 half at (1, 1) inside a one-pixel
    // frame, so the frame's corners are (0, 0) and (276, 117).
    {"RegionArea", 0, 1, 277, 118},
    // Cut-out results, pixel for pixel beside the areas: cg.bmp with the trace marks.
    {"RegionSource", 0, 1, 277, 118},
};
static_assert(std::size(kRegionSlots) == 2);

constexpr ControlSpec kRegionControls[] = {
    // "透明化する領域の色": the key colour, one bar and one box per channel.
    {"HsRed", 0, ControlKind::Scroll, 0, 0, 255},
    {"HsGreen", 0, ControlKind::Scroll, 0, 0, 255},
    {"HsBlue", 0, ControlKind::Scroll, 0, 0, 255},
    {"RegionRed", 0, ControlKind::Text, 0, 0, 0, "0"},
    {"RegionGreen", 0, ControlKind::Text, 0, 0, 0, "0"},
    {"RegionBlue", 0, ControlKind::Text, 0, 0, 0, "0"},
    // Visibility and enabled state of the picture arrays (their pictures are the slots above).
    {"RegionArea", 2, ControlKind::Text},
    {"RegionSource", 2, ControlKind::Text},
    {"LoadRegion", 0, ControlKind::Text, 0, 0, 0, "画像読みこみ"},
    // "画像切り取り" can be pressed once a region picture has been loaded.
    {"BtnMakeRegion", 0, ControlKind::Text, 0, 0, 0, "画像切り取り", true, false},
    {"Areay", 0, ControlKind::Text},  // progress of the trace: "7/116 終了", "7切り取り中"
    // What the last trace left for region.txt and the preview shape: the number of outlines in
    // region1.txt/region2.txt (main) and region3.txt/region4.txt (equalizer), and whether the
    // loaded picture had an equalizer half (the EQ region flag). No widget shows them.
    {"MainOutlineCount", 0, ControlKind::Scroll, 0, 0, INT_MAX, {}, false},
    {"EqOutlineCount", 0, ControlKind::Scroll, 0, 0, INT_MAX, {}, false},
    {"EqRegionFlag", 0, ControlKind::Scroll, 0, 0, 1, {}, false},
};
static_assert(std::size(kRegionControls) == 14);

}  // namespace

std::span<const SlotSpec> regionSlots() { return kRegionSlots; }
std::span<const ControlSpec> regionControls() { return kRegionControls; }

}  // namespace pelterra::tables
