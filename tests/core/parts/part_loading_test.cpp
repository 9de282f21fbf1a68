#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/set_control.h"
#include "document/tables.h"
#include "image/picture_file.h"
#include "parts/part_loading.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::TempDir;

namespace {

constexpr Colour kRed = RGB(200, 0, 0);
constexpr Colour kGreen = RGB(0, 200, 0);
constexpr Colour kBlue = RGB(0, 0, 200);
constexpr Colour kGrey = RGB(90, 90, 90);
constexpr Colour kDefaultWhite = RGB(250, 250, 250);
constexpr Colour kOwnMask = RGB(10, 10, 10);
constexpr Colour kSplitMask = RGB(20, 20, 20);

bool allPixels(const Bitmap& b, Colour c) {
    for (Colour p : b.pixels())
        if (p != c) return false;
    return !b.empty();
}

// A program folder with a small PartsData library, and a document whose lists name its parts
// as the start-up fill would.
class PartLoading : public ::testing::Test {
protected:
    void SetUp() override {
        // cbuttons: "a" without a mask of its own, "b" with one, the default mask, two masks.
        put("PartsData/cbuttons/a.data.bmp", Bitmap(136, 36, kRed));
        put("PartsData/cbuttons/b.data.bmp", Bitmap(140, 40, kGreen));
        put("PartsData/cbuttons/b.mask.bmp", Bitmap(136, 36, kOwnMask));
        put("PartsData/cbuttons/Default_white.mask.bmp", Bitmap(136, 36, kDefaultWhite));
        put("PartsData/cbuttons/m1.mask.bmp", Bitmap(136, 36, kGrey));
        setList(ctl::lstData, 0, {"a", "b"}, 2);
        setList(ctl::lstMask, 0, {"b", "Default_white", "m1"}, 3);
        // shufrep: "s" in the single-folder form, "t" in the split form.
        put("PartsData/shufrep/s.data.bmp", Bitmap(92, 85, kRed));
        put("PartsData/shufrep/s.mask.bmp", Bitmap(92, 85, kOwnMask));
        put("PartsData/shufrep/data/t.bmp", Bitmap(92, 85, kBlue));
        put("PartsData/shufrep/mask/t.bmp", Bitmap(92, 85, kSplitMask));
        setList(ctl::lstData, 1, {"s", "t"}, 1);
        setList(ctl::lstMask, 1, {"s", "t"}, 1);
        // titlebar: "x" with a mask, and a second mask in the mask subfolder.
        put("PartsData/titlebar/x.data.bmp", Bitmap(344, 87, kBlue));
        put("PartsData/titlebar/x.mask.bmp", Bitmap(344, 87, kOwnMask));
        put("PartsData/titlebar/mask/y.bmp", Bitmap(344, 87, kSplitMask));
        setList(ctl::lstData, 5, {"x"}, 1);
        setList(ctl::lstMask, 5, {"x", "y"}, 1);
        // number: one digit picture.
        put("PartsData/number/digits.bmp", Bitmap(108, 13, kGreen));
        setList(ctl::lstData, 7, {"digits"}, 1);
    }

    void put(const std::string& relative, const Bitmap& picture) {
        const auto path = dir / relative;
        std::filesystem::create_directories(path.parent_path());
        ASSERT_TRUE(SavePicture(picture, path.string()).ok()) << relative;
    }

    // Entries as the start-up fill leaves them: the first one selected.
    void setList(ControlName name, int index, std::vector<std::string> entries, int firstSectionCount) {
        doc.setListEntries(name, index, std::move(entries), firstSectionCount);
    }

    Status choose(int k, int entry = 0) { return ChoosePart(doc, dir.path(), k, entry); }
    Status chooseMask(int m, int entry) { return ChooseMaskPart(doc, dir.path(), m, entry); }

    TempDir dir;
    Document doc;
};

TEST_F(PartLoading, UnlinkedPartWithoutMaskTakesTheCategoryDefaultWhite) {
    ASSERT_TRUE(choose(0).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kRed));
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kDefaultWhite));
    EXPECT_EQ(doc.slot(pic::picData, 11), doc.slot(pic::picData, 0));  // the untouched copy follows
}

TEST_F(PartLoading, UnlinkedPartWithItsOwnMaskTakesIt) {
    ASSERT_TRUE(choose(0, 1).ok());
    EXPECT_EQ(doc.value(ctl::lstData, 0), 1);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kGreen));  // 140x40 cut to the slot
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kOwnMask));
}

TEST_F(PartLoading, LinkedBoxLeavesTheMaskAloneOnANewDataChoice) {
    ASSERT_TRUE(choose(0).ok());
    ASSERT_TRUE(SetLinkBox(doc, ctl::chkCbuttonsLink, true).ok());
    ASSERT_TRUE(choose(0, 1).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kGreen));
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kDefaultWhite));
}

TEST_F(PartLoading, IndexAtTheFirstSectionCountLoadsFromTheDataAndMaskSubfolders) {
    ASSERT_TRUE(choose(1, 1).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 1), kBlue));
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 1), kSplitMask));
    EXPECT_EQ(doc.slot(pic::picData, 12), doc.slot(pic::picData, 1));
}

TEST_F(PartLoading, MaskChoiceLoadsAtOnceOnlyWhileLinked) {
    ASSERT_TRUE(choose(0).ok());
    ASSERT_TRUE(chooseMask(0, 2).ok());  // link box clear: the list keeps the choice alone
    EXPECT_EQ(doc.value(ctl::lstMask, 0), 2);
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kDefaultWhite));

    ASSERT_TRUE(SetLinkBox(doc, ctl::chkCbuttonsLink, true).ok());
    ASSERT_TRUE(chooseMask(0, 2).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kGrey));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kRed));  // the Data stays
    ASSERT_TRUE(chooseMask(0, 0).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kOwnMask));
}

TEST_F(PartLoading, MaskListEntryFromTheSubfolderLoadsMaskSlashName) {
    ASSERT_TRUE(choose(5).ok());
    ASSERT_TRUE(SetLinkBox(doc, ctl::chkTitlebarLink, true).ok());
    ASSERT_TRUE(chooseMask(5, 1).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 5), kSplitMask));
}

TEST_F(PartLoading, AChoiceLoadsItsOwnCategoryOnly) {
    ASSERT_TRUE(choose(1).ok());  // shufrep
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kWhite));
    EXPECT_FALSE(choose(11).ok());  // there is no twelfth category
    EXPECT_FALSE(chooseMask(9, 0).ok());
}

TEST_F(PartLoading, ChoosingTheSameEntryAgainLoadsItAgain) {
    ASSERT_TRUE(choose(0).ok());
    doc.slot(pic::picData, 0).fill(kBlue);  // e.g. a paste
    ASSERT_TRUE(choose(0).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kRed));
}

TEST_F(PartLoading, NumberPageLoadsOneFileIntoDataAndMask) {
    ASSERT_TRUE(choose(7).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 7), kGreen));
    const Bitmap& mask = doc.slot(pic::picMask, 7);  // 117x21: the 108x13 picture and white beyond
    EXPECT_EQ(mask.at(107, 12), kGreen);
    EXPECT_EQ(mask.at(108, 12), kWhite);
    EXPECT_EQ(mask.at(0, 13), kWhite);
}

TEST_F(PartLoading, EmptyListLoadsNothing) {
    setList(ctl::lstData, 2, {}, 0);
    ASSERT_TRUE(choose(2).ok());
    EXPECT_EQ(doc.value(ctl::lstData, 2), -1);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 2), kWhite));
}

TEST_F(PartLoading, MissingDataFileChangesNothingNotEvenTheList) {
    ASSERT_TRUE(choose(0).ok());
    std::filesystem::remove(dir / "PartsData/cbuttons/b.data.bmp");
    const Bitmap data = doc.slot(pic::picData, 0), mask = doc.slot(pic::picMask, 0), copy = doc.slot(pic::picData, 11);
    const Status missing = choose(0, 1);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().path.find("b.data.bmp"), std::string::npos) << missing.error().describe();
    EXPECT_EQ(doc.slot(pic::picData, 0), data);
    EXPECT_EQ(doc.slot(pic::picMask, 0), mask);
    EXPECT_EQ(doc.slot(pic::picData, 11), copy);
    EXPECT_EQ(doc.value(ctl::lstData, 0), 0);
    EXPECT_FALSE(choose(0, 1).ok());  // choosing it again tries anew
}

TEST_F(PartLoading, MissingDefaultMaskLeavesTheDataUnloadedToo) {
    std::filesystem::remove(dir / "PartsData/cbuttons/Default_white.mask.bmp");
    const Status missing = choose(0);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().path.find("Default_white.mask.bmp"), std::string::npos);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kWhite));
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kBlack));  // still blank
}

TEST_F(PartLoading, DamagedDataFileIsReportedAndChangesNothing) {
    {
        std::ofstream damaged(dir / "PartsData/cbuttons/a.data.bmp", std::ios::binary | std::ios::trunc);
        damaged << "BM not really a picture";
    }
    const Status damaged = choose(0);
    ASSERT_FALSE(damaged.ok());
    EXPECT_NE(damaged.error().path.find("a.data.bmp"), std::string::npos);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kWhite));
}

TEST_F(PartLoading, LinkBoxShowsAndHidesTheMaskListWithoutReloading) {
    ASSERT_TRUE(choose(0).ok());
    EXPECT_FALSE(doc.control(ctl::lstMask, 0).visible);
    ASSERT_TRUE(SetLinkBox(doc, ctl::chkCbuttonsLink, true).ok());
    EXPECT_EQ(doc.value(ctl::chkCbuttonsLink), 1);
    EXPECT_TRUE(doc.control(ctl::lstMask, 0).visible);
    EXPECT_TRUE(doc.control(ctl::lblCbuttonsMask).visible);
    EXPECT_FALSE(doc.control(ctl::lstMask, 1).visible);
    ASSERT_TRUE(SetLinkBox(doc, ctl::chkCbuttonsLink, false).ok());
    EXPECT_FALSE(doc.control(ctl::lstMask, 0).visible);
    EXPECT_FALSE(doc.control(ctl::lblCbuttonsMask).visible);
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kDefaultWhite));
    EXPECT_FALSE(SetLinkBox(doc, ctl::chkASP, true).ok());
}

TEST_F(PartLoading, LayerAndEqualizerLinkBoxesGovernTheirOwnMaskLists) {
    doc.setValue(ctl::chkLinkLayer2, 1);
    doc.setValue(ctl::chkImageLink, 1);
    SyncLinkBoxes(doc);
    EXPECT_TRUE(doc.control(ctl::lstMask, 8).visible);
    EXPECT_TRUE(doc.control(ctl::lblLayer2).visible);
    EXPECT_FALSE(doc.control(ctl::lstMask, 7).visible);
    EXPECT_TRUE(doc.control(ctl::lstEQMask, 3).visible);
    EXPECT_TRUE(doc.control(ctl::lblEQMask, 3).visible);
    EXPECT_FALSE(doc.control(ctl::lstEQMask, 2).visible);
}

// --- single pictures ---------------------------------------------------------------------------

TEST_F(PartLoading, ABigPictureIsStretchedToTheCbuttonsSlot) {
    Bitmap big(500, 500, kRed);
    for (int y = 0; y < 500; ++y)
        for (int x = 250; x < 500; ++x) big.at(x, y) = kBlue;
    put("big.bmp", big);
    ASSERT_TRUE(LoadPictureIntoSlot(doc, {pic::picData, 0}, (dir / "big.bmp").string()).ok());
    const Bitmap& slot = doc.slot(pic::picData, 0);
    ASSERT_EQ(slot.width(), 136);
    ASSERT_EQ(slot.height(), 36);
    EXPECT_EQ(slot.at(0, 0), kRed);
    EXPECT_EQ(slot.at(67, 35), kRed);
    EXPECT_EQ(slot.at(68, 0), kBlue);
    EXPECT_EQ(slot.at(135, 35), kBlue);
    EXPECT_EQ(doc.slot(pic::picData, 11), slot);
}

TEST_F(PartLoading, EveryMaskSlotTakesADoubleClickedFile) {
    put("grey.bmp", Bitmap(10, 10, kGrey));
    for (int k = 0; k <= 10; ++k) {
        ASSERT_TRUE(LoadPictureIntoSlot(doc, {pic::picMask, k}, (dir / "grey.bmp").string()).ok());
        EXPECT_TRUE(allPixels(doc.slot(pic::picMask, k), kGrey)) << "picMask(" << k << ")";
    }
}

TEST_F(PartLoading, FrameDataSlotHasNoUntouchedCopy) {
    put("grey.bmp", Bitmap(10, 10, kGrey));
    const auto before = doc.slot(pic::picData, 16);
    ASSERT_TRUE(LoadPictureIntoSlot(doc, {pic::picData, 6}, (dir / "grey.bmp").string()).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 6), kGrey));
    EXPECT_EQ(doc.slot(pic::picData, 16), before);
}

TEST_F(PartLoading, CancelledOrUnreadableFileLeavesTheSlot) {
    EXPECT_TRUE(LoadPictureIntoSlot(doc, {pic::picData, 0}, "").ok());
    const Status missing = LoadPictureIntoSlot(doc, {pic::picData, 0}, (dir / "nothing.bmp").string());
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().path.find("nothing.bmp"), std::string::npos);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kWhite));
}

TEST_F(PartLoading, PasteStretchesTheClipboardPictureAndRefreshesTheCopy) {
    const auto out = SlotClipboardMenu(doc, {pic::picData, 3}, ClipChoice::Paste, Bitmap(4, 4, kBlue));
    ASSERT_TRUE(out.ok());
    EXPECT_FALSE(out->has_value());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 3), kBlue));
    EXPECT_EQ(doc.slot(pic::picData, 14), doc.slot(pic::picData, 3));
}

TEST_F(PartLoading, EmptyClipboardPasteChangesNothing) {
    ASSERT_TRUE(choose(0).ok());
    doc.slot(pic::picData, 0).fill(kGrey);  // recoloured, the copy still red
    const auto out = SlotClipboardMenu(doc, {pic::picData, 0}, ClipChoice::Paste, Bitmap());
    EXPECT_FALSE(out.ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kGrey));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 11), kRed));
}

TEST_F(PartLoading, CopyHandsOutThePartFileAsReadNotTheShiftedSlot) {
    ASSERT_TRUE(choose(0, 1).ok());
    doc.slot(pic::picData, 0).fill(kGrey);
    const auto out = SlotClipboardMenu(doc, {pic::picData, 0}, ClipChoice::Copy);
    ASSERT_TRUE(out.ok());
    ASSERT_TRUE(out->has_value());
    EXPECT_EQ(**out, Bitmap(140, 40, kGreen));
    const auto mask = SlotClipboardMenu(doc, {pic::picMask, 0}, ClipChoice::Copy);
    ASSERT_TRUE(mask.ok());
    EXPECT_EQ(**mask, Bitmap(136, 36, kOwnMask));
}

TEST_F(PartLoading, CopyBeforeAnyListChoiceIsAnError) {
    EXPECT_FALSE(SlotClipboardMenu(doc, {pic::picData, 4}, ClipChoice::Copy).ok());
}

TEST_F(PartLoading, ClosingTheMenuMakesTheCurrentPictureTheUntouchedCopy) {
    ASSERT_TRUE(choose(0).ok());
    doc.slot(pic::picData, 0).fill(kGrey);
    ASSERT_TRUE(SlotClipboardMenu(doc, {pic::picData, 0}, ClipChoice::None).ok());
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 11), kGrey));
}

// --- make boxes ------------------------------------------------------------------------------

// A make box is set as the window and --set set it: through SetControl.
Status setBox(Document& doc, ControlName box, int value) { return SetControlValue(doc, {}, ControlRef{box, -1}, value); }

TEST(MakeBoxes, BothBoxesOfEveryPairAlwaysAgree) {
    Document doc;
    for (const TwinCheckSpec& pair : tables::twinCheckBoxes()) {
        ASSERT_TRUE(setBox(doc, pair.twin, 1).ok());
        EXPECT_TRUE(doc.isChecked(pair.box)) << pair.twin;
        ASSERT_TRUE(setBox(doc, pair.box, 0).ok());
        EXPECT_FALSE(doc.isChecked(pair.twin)) << pair.box;
        ASSERT_TRUE(doc.setByName(pair.twin.written(), "1").ok());
        EXPECT_TRUE(doc.isChecked(pair.box)) << pair.twin;
    }
}

TEST(MakeBoxes, ClickingCbuttonsOffUnchecksTheSecondBox) {
    Document doc;
    ASSERT_TRUE(setBox(doc, ctl::CbuttonsCheck, 1).ok());
    ASSERT_TRUE(setBox(doc, ctl::CbuttonsCheck, 0).ok());
    EXPECT_EQ(doc.value(ctl::CbuttonsCheck2), 0);
}

TEST(MakeBoxes, TheTickBringsABoxSetBehindTheDocumentsBackInStep) {
    Document doc;
    ASSERT_TRUE(setBox(doc, ctl::VolumeCheck, 1).ok());
    doc.control(ctl::VolumeCheck2).value = 0;  // as if a widget wrote its state directly
    SyncMakeBoxes(doc);
    EXPECT_EQ(doc.value(ctl::VolumeCheck2), 1);
    EXPECT_EQ(tables::twinCheckBoxes().size(), 14u);
}

}  // namespace
