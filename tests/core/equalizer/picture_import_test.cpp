#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "core/equalizer/eq_test_pictures.h"
#include "equalizer/eq_parts.h"
#include "equalizer/picture_import.h"
#include "support/temp_dir.h"

using namespace pelterra;
using namespace pelterra::test_support;

namespace {

// A dialog that must not be asked.
HowFormDialog noDialog() {
    return [] {
        ADD_FAILURE() << "HowForm was shown for a picture of a known size";
        return 2;
    };
}

HowFormDialog answering(int syori, int* asked = nullptr) {
    return [syori, asked] {
        if (asked) ++*asked;
        return syori;
    };
}

// Every row of a face came from source rows in [low, high), top to bottom in order, and its
// columns span the picture's whole width.
void expectFaceFromRows(const Bitmap& face, int low, int high, int sourceWidth) {
    int lastY = -1;
    for (int y = 0; y < face.height(); ++y) {
        const int sy = sourceY(face.at(0, y));
        EXPECT_GE(sy, low) << "face row " << y;
        EXPECT_LT(sy, high) << "face row " << y;
        EXPECT_GE(sy, lastY) << "face row " << y;
        lastY = sy;
    }
    EXPECT_EQ(sourceY(face.at(0, 0)), low);
    EXPECT_EQ(sourceY(face.at(0, face.height() - 1)), high - 1);
    EXPECT_EQ(sourceX(face.at(0, 0)), 0);
    EXPECT_EQ(sourceX(face.at(face.width() - 1, 0)), sourceWidth - 1);
}

}  // namespace

TEST(CombinedPictureImport, StackedMainAndEqualizerPutsTheLowerHalfIntoPicture2AndThePlaylistSource) {
    Document doc;
    const Bitmap picture = coordinatePicture(275, 232);
    ASSERT_EQ(ImportCombinedPicture(doc, picture, noDialog()).value(), -1);
    EXPECT_EQ(doc.slot(pic::Picture1), coordinateBand(275, 0, 116));
    EXPECT_EQ(doc.slot(pic::Picture2), coordinateBand(275, 116, 116));
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 0), coordinateBand(275, 116, 116));
    EXPECT_EQ(doc.slot(pic::PreEQMainData), coordinateBand(275, 0, 116));
    EXPECT_EQ(doc.combinedPictureFlag, 1);
    EXPECT_TRUE(doc.control(ctl::Picture2).visible);
    EXPECT_EQ(doc.value(ctl::chkSkinMode), 0);
    EXPECT_FALSE(doc.control(ctl::chkSkinMode).visible);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).visible);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).enabled);
}

TEST(CombinedPictureImport, ThreeStackedFacesPutTheThirdIntoThePlaylistSource) {
    Document doc;
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(275, 348), noDialog()).ok());
    EXPECT_EQ(doc.slot(pic::Picture2), coordinateBand(275, 116, 116));
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 0), coordinateBand(275, 232, 116));
    EXPECT_EQ(doc.combinedPictureFlag, 1);
}

TEST(CombinedPictureImport, SingleFaceFillsEveryFaceAndOffersEqAlsoOutput) {
    Document doc;
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(275, 232), noDialog()).ok());
    doc.setValue(ctl::EqUporDown, 1);
    const Bitmap picture = coordinatePicture(275, 116);
    ASSERT_TRUE(ImportCombinedPicture(doc, picture, noDialog()).ok());
    for (SlotName face : {pic::Picture1, pic::Picture2, pic::PreEQMainData}) EXPECT_EQ(doc.slot(face), picture) << face;
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 0), picture);
    EXPECT_EQ(doc.combinedPictureFlag, 0);
    EXPECT_FALSE(doc.control(ctl::Picture2).visible);
    EXPECT_FALSE(doc.control(ctl::EqUporDown).visible);
    EXPECT_FALSE(doc.control(ctl::EqUporDown).enabled);
    EXPECT_TRUE(doc.control(ctl::chkSkinMode).visible);
    EXPECT_EQ(doc.value(ctl::chkSkinMode), 0);
}

TEST(CombinedPictureImport, ANewPictureBlanksTheLastBuildsBackdropAndACancelKeepsIt) {
    Document doc;
    const Bitmap lastBuild(275, 116, RGB(9, 8, 7));
    doc.assignSlot(pic::Picture3, -1, lastBuild);
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(300, 400), answering(2)).ok());  // キャンセル
    EXPECT_EQ(doc.slot(pic::Picture3), lastBuild);
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(275, 232), noDialog()).ok());
    EXPECT_EQ(doc.slot(pic::Picture3), Bitmap(275, 116, kWhite));
}

TEST(CombinedPictureImport, SingleFaceKeepsEqAlsoOutputCheckedSoTheSkinHasAnEqualizer) {
    Document doc;
    doc.setValue(ctl::chkSkinMode, 1);  // the start default
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(275, 116), noDialog()).ok());
    EXPECT_EQ(doc.value(ctl::chkSkinMode), 1);
    EXPECT_EQ(doc.combinedPictureFlag, 1);  // eqmain.bmp is saved
    EXPECT_TRUE(doc.control(ctl::EqUporDown).visible);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).enabled);
}

TEST(CombinedPictureImport, OtherSizeSplitInHalvesPutsTheUpperHalfIntoThePlaylistSource) {
    Document doc;
    int asked = 0;
    ASSERT_EQ(ImportCombinedPicture(doc, coordinatePicture(300, 400), answering(1, &asked)).value(), 1);
    EXPECT_EQ(asked, 1);
    expectFaceFromRows(doc.slot(pic::Picture1), 0, 200, 300);
    expectFaceFromRows(doc.slot(pic::Picture2), 200, 400, 300);
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 0), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.slot(pic::PreEQMainData), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.text(ctl::Syori), "1");
    EXPECT_EQ(doc.combinedPictureFlag, 1);
    EXPECT_TRUE(doc.control(ctl::Picture2).visible);
    EXPECT_FALSE(doc.control(ctl::chkSkinMode).visible);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).enabled);
}

TEST(CombinedPictureImport, SplitInThirdsGivesEachFaceItsBand) {
    Document doc;
    ASSERT_TRUE(ImportCombinedPicture(doc, coordinatePicture(280, 301), answering(3)).ok());
    expectFaceFromRows(doc.slot(pic::Picture1), 0, 100, 280);
    expectFaceFromRows(doc.slot(pic::Picture2), 100, 200, 280);
    expectFaceFromRows(doc.slot(pic::picPrePLmain, 0), 200, 301, 280);
    EXPECT_EQ(doc.text(ctl::Syori), "3");
    EXPECT_EQ(doc.combinedPictureFlag, 1);
}

TEST(CombinedPictureImport, PictureLowerThanItsBandsStillFillsEveryFace) {
    Document doc;
    ASSERT_TRUE(ImportCombinedPicture(doc, Bitmap(10, 1, RGB(9, 8, 7)), answering(3)).ok());
    EXPECT_EQ(doc.slot(pic::Picture1), Bitmap(275, 116, RGB(9, 8, 7)));
    EXPECT_EQ(doc.slot(pic::Picture2), Bitmap(275, 116, RGB(9, 8, 7)));
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 0), Bitmap(275, 116, RGB(9, 8, 7)));
}

TEST(CombinedPictureImport, OneColumnTooWideAsksTheDialogAndStretchesOnCommand1) {
    Document doc;
    doc.combinedPictureFlag = 1;
    int asked = 0;
    ASSERT_EQ(ImportCombinedPicture(doc, coordinatePicture(276, 116), answering(0, &asked)).value(), 0);
    EXPECT_EQ(asked, 1);
    expectFaceFromRows(doc.slot(pic::Picture1), 0, 116, 276);
    EXPECT_EQ(doc.slot(pic::Picture2), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 0), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.slot(pic::PreEQMainData), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.text(ctl::Syori), "0");
    EXPECT_EQ(doc.combinedPictureFlag, 0);
    EXPECT_TRUE(doc.control(ctl::chkSkinMode).visible);
    EXPECT_FALSE(doc.control(ctl::EqUporDown).visible);
}

TEST(CombinedPictureImport, CancelChangesNoPictureButKeepsTheFileNameAndWritesSyori) {
    TempDir tree;
    const auto file = tree.path() / "sky.blue.bmp";
    writePicture(file, coordinatePicture(300, 400));
    for (int flag : {0, 1}) {
        Document doc;
        doc.combinedPictureFlag = flag;
        doc.assignSlot(pic::Picture1, -1, Bitmap(275, 116, RGB(1, 2, 3)));
        const auto before = snapshotSlots(doc);
        ASSERT_TRUE(OpenCombinedPicture(doc, file.string(), answering(2)).ok());
        EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
        EXPECT_EQ(doc.text(ctl::Syori), "2");
        EXPECT_EQ(doc.combinedPictureFlag, flag);
        EXPECT_EQ(doc.BackgroundImagePath, file.string());
        EXPECT_EQ(doc.BackgroundImageTitle, "sky.blue.bmp");
    }
}

TEST(CombinedPictureImport, DialogAnswerOutsideItsButtonsChangesNothing) {
    TempDir tree;
    const auto file = tree.path() / "odd.bmp";
    writePicture(file, coordinatePicture(300, 400));
    Document doc;
    doc.BackgroundImagePath = "/earlier/sky.bmp";
    doc.BackgroundImageTitle = "sky.bmp";
    const auto before = snapshotSlots(doc);
    EXPECT_FALSE(ImportCombinedPicture(doc, coordinatePicture(300, 400), answering(7)).ok());
    EXPECT_FALSE(ImportCombinedPicture(doc, coordinatePicture(300, 400), HowFormDialog{}).ok());
    EXPECT_FALSE(OpenCombinedPicture(doc, file.string(), answering(-1)).ok());
    EXPECT_FALSE(OpenCombinedPicture(doc, file.string(), HowFormDialog{}).ok());
    EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
    EXPECT_EQ(doc.text(ctl::Syori), "0");
    EXPECT_EQ(doc.BackgroundImagePath, "/earlier/sky.bmp");
    EXPECT_EQ(doc.BackgroundImageTitle, "sky.bmp");
}

// The dialog is asked from the header, before the picture is decoded, so declining a large
// picture costs no memory. The file here is a header claiming 8000 x 8000 pixels with no pixels
// behind it: only a decode finds that out.
TEST(CombinedPictureImport, APictureDeclinedAtTheDialogIsNotDecoded) {
    TempDir tree;
    const auto file = tree.path() / "huge.bmp";
    {
        std::string header = "BM";
        auto put32 = [&header](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) header += static_cast<char>(v >> (8 * i));
        };
        for (std::uint32_t v : {54u, 0u, 54u, 40u, 8000u, 8000u}) put32(v);
        header += std::string{1, 0, 24, 0};
        header += std::string(24, '\0');
        std::ofstream(file, std::ios::binary) << header;
    }
    Document doc;
    int asked = 0;
    ASSERT_TRUE(OpenCombinedPicture(doc, file.string(), answering(2, &asked)).ok());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(doc.text(ctl::Syori), "2");
    EXPECT_EQ(doc.BackgroundImagePath, file.string());

    const Status refused = OpenCombinedPicture(doc, file.string(), answering(-1));
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message,
              "the picture-size dialog gave the answer -1, which is none of its four buttons (0 to 3)");

    const Status stretched = OpenCombinedPicture(doc, file.string(), answering(0));
    ASSERT_FALSE(stretched.ok());
    EXPECT_EQ(stretched.error().message, "the picture data is cut short or damaged");
    EXPECT_EQ(doc.text(ctl::Syori), "2");
}

TEST(CombinedPictureImport, UnreadableFileNamesItAndChangesNothing) {
    TempDir tree;
    const auto damaged = tree.path() / "damaged.bmp";
    std::ofstream(damaged) << "BM not really a bitmap";
    const auto missing = tree.path() / "missing.bmp";
    for (const std::filesystem::path& file : {damaged, missing}) {
        Document doc;
        const auto before = snapshotSlots(doc);
        const Status opened = OpenCombinedPicture(doc, file.string(), answering(1));
        ASSERT_FALSE(opened.ok());
        EXPECT_NE(opened.error().describe().find(file.filename().string()), std::string::npos);
        EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
        EXPECT_TRUE(doc.BackgroundImagePath.empty());
    }
}

TEST(CombinedPictureImport, EmptyFileNameAndEmptyClipboard) {
    Document doc;
    const auto before = snapshotSlots(doc);
    EXPECT_TRUE(OpenCombinedPicture(doc, "", noDialog()).ok());
    EXPECT_FALSE(PasteCombinedPicture(doc, std::nullopt, noDialog()).ok());
    EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
    ASSERT_TRUE(PasteCombinedPicture(doc, coordinatePicture(275, 232), noDialog()).ok());
    EXPECT_EQ(doc.slot(pic::Picture2), coordinateBand(275, 116, 116));
    EXPECT_TRUE(doc.BackgroundImagePath.empty());
}

TEST(SetEqOutput, FlagFollowsTheBoxAndEqBelowShowsWithIt) {
    Document doc;
    SetEqOutput(doc, true);
    EXPECT_EQ(doc.combinedPictureFlag, 1);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).visible);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).enabled);
    SetEqOutput(doc, false);
    EXPECT_EQ(doc.combinedPictureFlag, 0);
    EXPECT_FALSE(doc.control(ctl::EqUporDown).visible);
    EXPECT_FALSE(doc.control(ctl::EqUporDown).enabled);
}
