// Slots and controls of the Region page: the two halves of the region picture with their key
// colour frame, the Cut-out results that show the traced outlines, the key colour bars and boxes,
// and the state a trace leaves for region.txt and the preview shape.
// (ctl::RegionCheck is with the save's text-file boxes, ctl::EqUporDown with the main window's.)
#include "document/tables.h"

#include <climits>
#include <iterator>

namespace pelterra::tables {

namespace {

constexpr SlotSpec kRegionSlots[] = {
    // RegionArea(0) main window, (1) equalizer: the 275 x 116 half at (1, 1) inside a one-pixel
    // frame, so the frame's corners are (0, 0) and (276, 117).
    {pic::RegionArea, 0, 1, 277, 118},
    // Cut-out results, pixel for pixel beside the areas: cg.bmp with the trace marks.
    {pic::RegionSource, 0, 1, 277, 118},
};
static_assert(std::size(kRegionSlots) == 2);

constexpr ControlSpec kRegionControls[] = {
    // "透明化する領域の色": the key colour, one bar and one box per channel.
    {ctl::HsRed, 0, ControlKind::Scroll, 0, 0, 255},
    {ctl::HsGreen, 0, ControlKind::Scroll, 0, 0, 255},
    {ctl::HsBlue, 0, ControlKind::Scroll, 0, 0, 255},
    {ctl::RegionRed, 0, ControlKind::Text, 0, 0, 0, "0"},
    {ctl::RegionGreen, 0, ControlKind::Text, 0, 0, 0, "0"},
    {ctl::RegionBlue, 0, ControlKind::Text, 0, 0, 0, "0"},
    // Visibility and enabled state of the picture arrays (their pictures are the slots above).
    {ctl::RegionArea, 2, ControlKind::Text},
    {ctl::RegionSource, 2, ControlKind::Text},
    // The two buttons' texts are their captions in plain English words, as `pelterra-cli controls`
    // lists them; the window shows its own captions in the user's language.
    {ctl::LoadRegion, 0, ControlKind::Text, 0, 0, 0, "Open picture"},
    // "Cut out" (画像切り取り) can be pressed once a region picture has been loaded.
    {ctl::BtnMakeRegion, 0, ControlKind::Text, 0, 0, 0, "Cut out", true, false},
    {ctl::Areay, 0, ControlKind::Text},  // progress of the trace: "7/116 終了", "7切り取り中"
    // What the last trace left for region.txt and the preview shape: the number of outlines in
    // region1.txt/region2.txt (main) and region3.txt/region4.txt (equalizer), and whether the
    // loaded picture had an equalizer half (the EQ region flag). No widget shows them.
    {ctl::MainOutlineCount, 0, ControlKind::Scroll, 0, 0, INT_MAX, {}, false},
    {ctl::EqOutlineCount, 0, ControlKind::Scroll, 0, 0, INT_MAX, {}, false},
    {ctl::EqRegionFlag, 0, ControlKind::Scroll, 0, 0, 1, {}, false},
};
static_assert(std::size(kRegionControls) == 14);

}  // namespace

std::span<const SlotSpec> regionSlots() { return kRegionSlots; }
std::span<const ControlSpec> regionControls() { return kRegionControls; }

}  // namespace pelterra::tables
