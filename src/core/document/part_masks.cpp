#include "document/part_masks.h"

#include <algorithm>
#include <iterator>

namespace pelterra {

namespace {

// A run of part Data slots and where their Masks lie: Data index i has its Mask at i + maskOffset
// of `mask`. `step` 2 walks a run where Data and Mask alternate.
struct PartPairs {
    SlotName data;
    int first, last, step;
    SlotName mask;
    int maskOffset;
};

constexpr PartPairs kPartPairs[] = {
    {pic::picData, 0, 10, 1, pic::picMask, 0},                   // main-window positions 0..10
    {pic::picEQData, 0, 6, 1, pic::picEQMask, 0},                // equalizer positions 0..6
    {pic::picPLPartsData, 0, 9, 1, pic::picPLPartsData, 10},     // playlist frame areas
    {pic::picPLPartsData, 20, 32, 2, pic::picPLPartsData, 1},    // inactive top row and shade bar
};
static_assert(std::size(kPartPairs) == 4);

constexpr int kWholeSlot = 1 << 16;  // wider and higher than any slot: the whole Mask

bool isAllBlack(const Bitmap& picture) {
    const std::vector<Colour>& pixels = picture.pixels();
    return std::all_of(pixels.begin(), pixels.end(), [](Colour c) { return (c & 0xFFFFFFu) == kBlack; });
}

}  // namespace

std::optional<SlotRef> PartMaskOf(SlotRef data) {
    for (const PartPairs& p : kPartPairs) {
        if (data.name != p.data || data.index < p.first || data.index > p.last) continue;
        if ((data.index - p.first) % p.step != 0) continue;
        return SlotRef{p.mask, data.index + p.maskOffset};
    }
    return std::nullopt;
}

void CoverIfMaskless(Document& doc, SlotRef data) {
    CoverIfMaskless(doc, data, Rect{0, 0, kWholeSlot, kWholeSlot});
}

void CoverIfMaskless(Document& doc, SlotRef data, Rect area) {
    const std::optional<SlotRef> mask = PartMaskOf(data);
    if (!mask || !doc.hasSlot(mask->name, mask->index)) return;
    Bitmap& picture = doc.slot(mask->name, mask->index);
    if (!isAllBlack(picture)) return;
    const int right = std::min(picture.width(), area.x + area.w);
    const int bottom = std::min(picture.height(), area.y + area.h);
    for (int y = std::max(0, area.y); y < bottom; ++y)
        for (int x = std::max(0, area.x); x < right; ++x) picture.row(y)[x] = kWhite;
    doc.slotChanged(mask->name, mask->index);
}

}  // namespace pelterra
