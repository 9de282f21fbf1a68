#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/equalizer/eq_test_pictures.h"
#include "equalizer/eq_parts.h"
#include "equalizer/picture_import.h"
#include "image/drawing.h"
#include "parts/catalogue.h"
#include "parts/part_loading.h"
#include "support/temp_dir.h"

using namespace pelterra;
using namespace pelterra::test_support;

namespace {

constexpr Colour kA = RGB(200, 10, 10);
constexpr Colour kAMask = RGB(0, 0, 0);
constexpr Colour kB = RGB(10, 200, 10);
constexpr Colour kC = RGB(10, 10, 200);
constexpr Colour kCMask = RGB(90, 90, 90);
constexpr Colour kDefaultMask = RGB(250, 250, 250);

// A program folder with a PartsData library of equalizer parts, and a document whose lists
// were filled from it.
class EqParts : public ::testing::Test {
protected:
    void SetUp() override {
        // Title bar parts: a (with mask), b (no mask), c in the split form, and the default mask.
        put("PartsData/eq/bar/a.data.bmp", Bitmap(275, 47, kA));
        put("PartsData/eq/bar/a.mask.bmp", Bitmap(275, 47, kAMask));
        put("PartsData/eq/bar/b.data.bmp", Bitmap(275, 47, kB));
        put("PartsData/eq/bar/Default_white.mask.bmp", Bitmap(275, 47, kDefaultMask));
        put("PartsData/eq/bar/data/c.bmp", Bitmap(275, 47, kC));
        put("PartsData/eq/bar/mask/c.bmp", Bitmap(275, 47, kCMask));
        // Frame parts (no untouched copy).
        put("PartsData/eq/frame/f.data.bmp", Bitmap(275, 116, kA));
        put("PartsData/eq/frame/f.mask.bmp", Bitmap(275, 116, kAMask));
        // Sliders: s1 with its own mask, s2 without; the default mask and a back colour.
        put("PartsData/eq/slider/s1.data.bmp", Bitmap(222, 128, kA));
        put("PartsData/eq/slider/s1.mask.bmp", Bitmap(222, 128, kAMask));
        put("PartsData/eq/slider/s2.data.bmp", Bitmap(222, 128, kB));
        put("PartsData/eq/slider/DefaultMiniWhite.mask.bmp", Bitmap(27, 63, kDefaultMask));
        put("PartsData/eq/slider/DefaultBackWhite.back.bmp", Bitmap(209, 128, kDefaultMask));
        put("PartsData/eq/slider/blue.back.bmp", Bitmap(209, 130, kC));
        fillLists();
    }

    void put(const std::string& relative, const Bitmap& picture) { writePicture(dir / relative, picture); }

    void fillLists() {
        const PartsCatalogue catalogue = fillPartsCatalogue(dir.path());
        for (int i = 0; i < 7; ++i) {
            doc.setListEntries(ctl::lstEQData, i, catalogue.lstEQData[i].entries, catalogue.lstEQData[i].firstSectionCount);
            doc.setListEntries(ctl::lstEQMask, i, catalogue.lstEQMask[i].entries, catalogue.lstEQMask[i].firstSectionCount);
        }
        doc.setListEntries(ctl::SliderCombo, -1, catalogue.SliderCombo.entries, 0);
        doc.setListEntries(ctl::BackColorCombo, -1, catalogue.BackColorCombo.entries, 0);
    }

    // A user's choice in one of the equalizer lists.
    Status choose(ControlName list, int index, int entry) {
        if (list == ctl::lstEQData) return ChooseEqPart(doc, dir.path(), index, entry);
        if (list == ctl::lstEQMask) return ChooseEqMaskPart(doc, dir.path(), index, entry);
        if (list == ctl::SliderCombo) return ChooseSlider(doc, dir.path(), entry);
        return ChooseBackColor(doc, dir.path(), entry);
    }

    // The slot as it looks after assigning a picture of one colour (white where uncovered).
    Bitmap assigned(SlotName name, int index, const Bitmap& picture) {
        Bitmap slot(doc.slot(name, index).width(), doc.slot(name, index).height(), kWhite);
        assign(slot, picture);
        return slot;
    }

    TempDir dir;
    Document doc;
};

}  // namespace

TEST_F(EqParts, ListsComeFromTheLibraryInCatalogueOrder) {
    EXPECT_EQ(doc.control(ctl::lstEQData, 2).entries, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(doc.control(ctl::lstEQData, 2).firstSectionCount, 2);
    EXPECT_EQ(doc.control(ctl::lstEQMask, 2).entries, (std::vector<std::string>{"a", "Default_white", "c"}));
    EXPECT_EQ(doc.control(ctl::SliderCombo).entries, (std::vector<std::string>{"s1", "s2"}));
}

TEST_F(EqParts, PartWithoutMaskGetsTheDefaultWhiteMaskAndRefreshesItsUntouchedCopy) {
    ASSERT_TRUE(choose(ctl::lstEQData, 2, 1).ok());
    EXPECT_EQ(doc.slot(pic::picEQData, 2), Bitmap(275, 47, kB));
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kDefaultMask));
    EXPECT_EQ(doc.slot(pic::picEQData, 8), Bitmap(275, 47, kB));
}

TEST_F(EqParts, IndexEqualToTheFirstSectionCountLoadsFromTheDataAndMaskSubfolders) {
    ASSERT_TRUE(choose(ctl::lstEQData, 2, 2).ok());
    EXPECT_EQ(doc.slot(pic::picEQData, 2), Bitmap(275, 47, kC));
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kCMask));
}

TEST_F(EqParts, LinkBoxKeepsTheMaskAndAMaskChoiceLoadsAtOnce) {
    ASSERT_TRUE(choose(ctl::lstEQData, 2, 0).ok());
    ASSERT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kAMask));
    ASSERT_TRUE(SetLinkBox(doc, ctl::chkEQTitlebarLink, true).ok());
    EXPECT_TRUE(doc.control(ctl::lstEQMask, 2).visible);
    EXPECT_TRUE(doc.control(ctl::lblEQMask, 2).visible);

    ASSERT_TRUE(choose(ctl::lstEQData, 2, 1).ok());
    EXPECT_EQ(doc.slot(pic::picEQData, 2), Bitmap(275, 47, kB));
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kAMask));  // not the default: linked

    ASSERT_TRUE(choose(ctl::lstEQMask, 2, 0).ok());
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kAMask));
    ASSERT_TRUE(choose(ctl::lstEQMask, 2, 2).ok());
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kCMask));
    ASSERT_TRUE(choose(ctl::lstEQMask, 2, 1).ok());
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kDefaultMask));
    EXPECT_EQ(doc.slot(pic::picEQData, 2), Bitmap(275, 47, kB));

    ASSERT_TRUE(SetLinkBox(doc, ctl::chkEQTitlebarLink, false).ok());
    EXPECT_FALSE(doc.control(ctl::lstEQMask, 2).visible);
    EXPECT_FALSE(doc.control(ctl::lblEQMask, 2).visible);
}

TEST_F(EqParts, MaskChoiceWithTheLinkBoxClearOnlyKeepsTheChoice) {
    ASSERT_TRUE(choose(ctl::lstEQData, 2, 0).ok());
    ASSERT_TRUE(choose(ctl::lstEQMask, 2, 2).ok());
    EXPECT_EQ(doc.value(ctl::lstEQMask, 2), 2);
    EXPECT_EQ(doc.slot(pic::picEQMask, 2), Bitmap(275, 47, kAMask));
    EXPECT_FALSE(choose(ctl::lstEQData, 7, 0).ok());  // there is no eighth position
}

TEST_F(EqParts, FrameAndLayersKeepNoUntouchedCopy) {
    const auto before = snapshotSlots(doc);
    ASSERT_TRUE(choose(ctl::lstEQData, 1, 0).ok());
    ASSERT_TRUE(choose(ctl::lstEQData, 5, 0).ok());
    // The frame's Mask file is black, as a blank Mask is, so only the Data slots show a change.
    EXPECT_EQ(changedSlots(before, snapshotSlots(doc)), (std::vector<std::string>{"picEQData(1)", "picEQData(5)"}));
}

TEST_F(EqParts, MissingDataFileLeavesBothSlotsAndIsReportedOnce) {
    std::filesystem::remove(dir / "PartsData/eq/bar/b.data.bmp");
    ASSERT_TRUE(choose(ctl::lstEQData, 2, 0).ok());
    const auto before = snapshotSlots(doc);
    const Status missing = choose(ctl::lstEQData, 2, 1);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().describe().find("b.data.bmp"), std::string::npos);
    EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
    EXPECT_EQ(doc.value(ctl::lstEQData, 2), 0);  // the list too is as it was
}

TEST_F(EqParts, DamagedMaskChangesNoSlotAndNamesTheFile) {
    std::ofstream(dir / "PartsData/eq/bar/a.mask.bmp", std::ios::trunc) << "BM damaged";
    const auto before = snapshotSlots(doc);
    const Status damaged = choose(ctl::lstEQData, 2, 0);
    ASSERT_FALSE(damaged.ok());
    EXPECT_NE(damaged.error().describe().find("a.mask.bmp"), std::string::npos);
    EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
}

TEST_F(EqParts, SliderWithAMissingDefaultMaskChangesNeitherSlot) {
    std::filesystem::remove(dir / "PartsData/eq/slider/DefaultMiniWhite.mask.bmp");
    const auto before = snapshotSlots(doc);
    const Status missing = choose(ctl::SliderCombo, -1, 1);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().describe().find("DefaultMiniWhite.mask.bmp"), std::string::npos);
    const auto changed = changedSlots(before, snapshotSlots(doc));
    EXPECT_EQ(std::count(changed.begin(), changed.end(), std::string("PreSliderData")), 0);
    EXPECT_EQ(std::count(changed.begin(), changed.end(), std::string("PreSliderMask")), 0);
}

TEST_F(EqParts, SliderWithoutItsOwnMaskGetsDefaultMiniWhite) {
    ASSERT_TRUE(choose(ctl::SliderCombo, -1, 1).ok());
    EXPECT_EQ(doc.slot(pic::PreSliderData), Bitmap(222, 128, kB));
    EXPECT_EQ(doc.slot(pic::PreSliderMask), assigned(pic::PreSliderMask, -1, Bitmap(27, 63, kDefaultMask)));
    ASSERT_TRUE(choose(ctl::SliderCombo, -1, 0).ok());
    EXPECT_EQ(doc.slot(pic::PreSliderData), Bitmap(222, 128, kA));
    EXPECT_EQ(doc.slot(pic::PreSliderMask), Bitmap(222, 128, kAMask));
}

TEST_F(EqParts, BackColourChoiceLoadsItsBackFile) {
    EXPECT_EQ(doc.control(ctl::BackColorCombo).entries, (std::vector<std::string>{"blue", "DefaultBackWhite"}));
    ASSERT_TRUE(choose(ctl::BackColorCombo, -1, 0).ok());
    EXPECT_EQ(doc.slot(pic::EQSliderBackColor), Bitmap(209, 130, kC));
}

TEST_F(EqParts, EqualizerFaceFollowsEqBelowAndEqTooOnlyAfterACombinedPicture) {
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(275, 116), {}).ok());
    SetEqOutput(doc, true);
    doc.setValue(ctl::EqUporDown, 1);
    ChooseEqFace(doc);
    EXPECT_EQ(doc.slot(pic::PreEQMainData), coordinatePicture(275, 116));  // single picture: no swap

    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(275, 232), {}).ok());
    ASSERT_EQ(doc.value(ctl::chkSkinMode), 0);  // hidden and clear after a combined picture
    ChooseEqFace(doc);
    EXPECT_EQ(doc.slot(pic::PreEQMainData), coordinateBand(275, 0, 116));  // "EQも出力" is off
    doc.setValue(ctl::chkSkinMode, 1);
    ChooseEqFace(doc);
    EXPECT_EQ(doc.slot(pic::PreEQMainData), coordinateBand(275, 116, 116));  // both on: the lower band
    doc.setValue(ctl::EqUporDown, 0);
    ChooseEqFace(doc);
    EXPECT_EQ(doc.slot(pic::PreEQMainData), coordinateBand(275, 0, 116));
}

TEST(EqMainImage, ExactFaceIsTakenAndOtherSizesAreStretchedWithTheMessage) {
    Document doc;
    EXPECT_EQ(ImportEqMainImage(doc, coordinatePicture(275, 116)), std::nullopt);
    EXPECT_EQ(doc.slot(pic::PreEQMainData2), coordinatePicture(275, 116));
    const std::optional<std::string> message = ImportEqMainImage(doc, Bitmap(276, 116, RGB(5, 6, 7)));
    EXPECT_EQ(message, "画像の大きさが２７５＊１１６では有りません。無理矢理変換します");
    EXPECT_EQ(doc.slot(pic::PreEQMainData2), Bitmap(275, 116, RGB(5, 6, 7)));
}

TEST(EqMainImage, OpeningKeepsTheFileAndAnUnreadableFileChangesNothing) {
    TempDir dir;
    writePicture(dir / "eq face.bmp", Bitmap(550, 232, RGB(5, 6, 7)));
    Document doc;
    auto opened = OpenEqMainImage(doc, (dir / "eq face.bmp").string());
    ASSERT_TRUE(opened.ok());
    EXPECT_TRUE(opened->has_value());
    EXPECT_EQ(doc.ExtraImagePath, (dir / "eq face.bmp").string());
    EXPECT_EQ(doc.ExtraImageTitle, "eq face.bmp");
    EXPECT_EQ(doc.slot(pic::PreEQMainData2), Bitmap(275, 116, RGB(5, 6, 7)));

    Document fresh;
    EXPECT_FALSE(OpenEqMainImage(fresh, (dir / "gone.bmp").string()).ok());
    EXPECT_TRUE(fresh.ExtraImagePath.empty());
    EXPECT_EQ(fresh.slot(pic::PreEQMainData2), Bitmap(275, 116, kWhite));
    EXPECT_FALSE(OpenEqMainImage(fresh, "").value().has_value());
}

TEST(EqPictures, DataSlotsAreStretchedAndRefreshTheirUntouchedCopy) {
    Document doc;
    const Bitmap big = coordinatePicture(470, 24);
    ASSERT_TRUE(PutEqPicture(doc, pic::picEQData, 0, big).ok());
    Bitmap expected(235, 12);
    PaintPicture(expected, big, 0, 0, 235, 12);
    EXPECT_EQ(doc.slot(pic::picEQData, 0), expected);
    EXPECT_EQ(doc.slot(pic::picEQData, 7), expected);

    const auto before = snapshotSlots(doc);
    ASSERT_TRUE(PutEqPicture(doc, pic::picEQData, 1, big).ok());
    ASSERT_TRUE(PutEqPicture(doc, pic::picEQMask, 4, big).ok());
    // The frame picture had no Mask yet, so it gets a covering one; a Mask put in by itself does not.
    EXPECT_EQ(changedSlots(before, snapshotSlots(doc)),
              (std::vector<std::string>{"picEQData(1)", "picEQMask(1)", "picEQMask(4)"}));
}

TEST(EqPictures, SliderPicturesAreTakenUnscaled) {
    Document doc;
    const Bitmap small = coordinatePicture(27, 63);
    ASSERT_TRUE(PutEqPicture(doc, pic::PreSliderData, -1, small).ok());
    EXPECT_EQ(doc.slot(pic::PreSliderData).at(26, 62), small.at(26, 62));
    EXPECT_EQ(doc.slot(pic::PreSliderData).at(27, 0), kWhite);
}

TEST(EqPictures, EmptyClipboardUnknownSlotAndCancelledDialogChangeNothing) {
    Document doc;
    const auto before = snapshotSlots(doc);
    EXPECT_FALSE(PasteEqPicture(doc, pic::picEQData, 2, std::nullopt).ok());
    EXPECT_FALSE(PutEqPicture(doc, pic::picData, 2, Bitmap(4, 4)).ok());
    EXPECT_FALSE(PutEqPicture(doc, pic::picEQData, 2, Bitmap()).ok());
    EXPECT_TRUE(LoadEqPictureFile(doc, pic::picEQData, 2, "").ok());
    EXPECT_FALSE(LoadEqPictureFile(doc, pic::picEQData, 2, "/nonexistent/x.bmp").ok());
    EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
}

TEST(EqSliderRows, FrameOfTheSecondBoxesShowsWithEqSlider) {
    Document doc;
    EXPECT_FALSE(doc.control(ctl::fraEqCheck).visible);
    SetEqSliderRows(doc, true);
    EXPECT_EQ(doc.value(ctl::EQModeCheck), 1);
    EXPECT_TRUE(doc.control(ctl::fraEqCheck).visible);
    SetEqSliderRows(doc, false);
    EXPECT_FALSE(doc.control(ctl::fraEqCheck).visible);
}
