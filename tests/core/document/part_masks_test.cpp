// Part Masks start black, so that an empty part changes nothing; a picture put into a Data slot
// whose Mask is still empty gets a covering Mask, as a library part without a mask file does.
#include <gtest/gtest.h>

#include "document/part_masks.h"
#include "equalizer/eq_parts.h"
#include "parts/part_loading.h"
#include "playlist/playlist_commands.h"

using namespace pelterra;

namespace {

constexpr Colour kInk = RGB(12, 34, 56);

bool filledWith(const Bitmap& b, Colour c) {
    for (Colour p : b.pixels())
        if ((p & 0xFFFFFFu) != c) return false;
    return !b.empty();
}

TEST(PartMasks, EveryPartMaskStartsBlackAndEveryPartDataWhite) {
    Document doc;
    int pairs = 0;
    for (SlotName data : {pic::picData, pic::picEQData, pic::picPLPartsData})
        for (int i = 0; doc.hasSlot(data, i); ++i) {
            const std::optional<SlotRef> mask = PartMaskOf({data, i});
            if (!mask) continue;
            ++pairs;
            EXPECT_TRUE(filledWith(doc.slot(data, i), kWhite)) << data << ' ' << i;
            EXPECT_TRUE(filledWith(doc.slot(mask->name, mask->index), kBlack)) << mask->name << ' ' << mask->index;
        }
    EXPECT_EQ(pairs, 11 + 7 + 10 + 7);
}

TEST(PartMasks, EachDataSlotNamesItsOwnMask) {
    EXPECT_EQ(PartMaskOf({pic::picData, 6}), (SlotRef{pic::picMask, 6}));
    EXPECT_EQ(PartMaskOf({pic::picEQData, 4}), (SlotRef{pic::picEQMask, 4}));
    EXPECT_EQ(PartMaskOf({pic::picPLPartsData, 9}), (SlotRef{pic::picPLPartsData, 19}));
    EXPECT_EQ(PartMaskOf({pic::picPLPartsData, 22}), (SlotRef{pic::picPLPartsData, 23}));
    EXPECT_EQ(PartMaskOf({pic::picPLPartsData, 32}), (SlotRef{pic::picPLPartsData, 33}));
    // Untouched copies, Masks themselves, small pieces and sheets have none.
    for (SlotRef none : {SlotRef{pic::picData, 11}, SlotRef{pic::picEQData, 7}, SlotRef{pic::picPLPartsData, 10},
                         SlotRef{pic::picPLPartsData, 21}, SlotRef{pic::picPLPartsData, 34},
                         SlotRef{pic::picPLPartsData, 38}, SlotRef{pic::picMask, 0}})
        EXPECT_FALSE(PartMaskOf(none)) << none.name << ' ' << none.index;
}

TEST(PartMasks, ACutOutIntoAnEmptyPartCoversItsArea) {
    Document doc;
    doc.slot(pic::picPLPartsData, 38).fill(kInk);
    ASSERT_EQ(PLCopyCaption(4), "タイトルバー");
    ASSERT_TRUE(cmdPLCopy(doc, 4).ok());  // layout sheet -> title bar part, slot 2
    EXPECT_TRUE(filledWith(doc.slot(pic::picPLPartsData, 2), kInk));
    EXPECT_TRUE(filledWith(doc.slot(pic::picPLPartsData, 12), kWhite));
}

TEST(PartMasks, APictureIntoAPartWithAMaskOfItsOwnKeepsThatMask) {
    Document doc;
    Bitmap mask(100, 20, kBlack);
    mask.at(5, 5) = kWhite;
    ASSERT_TRUE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 12, mask).ok());
    ASSERT_TRUE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 2, Bitmap(100, 20, kInk)).ok());
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 12), mask);
}

TEST(PartMasks, APastedOrLoadedPartPictureCoversItsAreaInEveryWindow) {
    Document doc;
    ASSERT_TRUE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 28, Bitmap(25, 14, kInk)).ok());
    EXPECT_TRUE(filledWith(doc.slot(pic::picPLPartsData, 29), kWhite));
    ASSERT_TRUE(SlotClipboardMenu(doc, {pic::picData, 1}, ClipChoice::Paste, Bitmap(92, 85, kInk)).ok());
    EXPECT_TRUE(filledWith(doc.slot(pic::picMask, 1), kWhite));
    ASSERT_TRUE(PasteEqPicture(doc, pic::picEQData, 3, Bitmap(116, 21, kInk)).ok());
    EXPECT_TRUE(filledWith(doc.slot(pic::picEQMask, 3), kWhite));
    // A Mask put in by itself stays as it came.
    ASSERT_TRUE(PasteEqPicture(doc, pic::picEQMask, 4, Bitmap(44, 25, kBlack)).ok());
    EXPECT_TRUE(filledWith(doc.slot(pic::picEQMask, 4), kBlack));
}

}  // namespace
