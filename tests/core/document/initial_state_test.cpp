#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/initial_state.h"
#include "parts/part_loading.h"
#include "image/picture_file.h"
#include "parts/catalogue.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::TempDir;

namespace {

constexpr Colour kFirst = RGB(10, 100, 200);
constexpr Colour kSecond = RGB(200, 100, 10);
constexpr Colour kMask = RGB(30, 30, 30);

bool allPixels(const Bitmap& b, Colour c) {
    for (Colour p : b.pixels())
        if (p != c) return false;
    return !b.empty();
}

constexpr Colour kRegionBackground = RGB(0, 128, 128);

class InitialState : public ::testing::Test {
protected:
    // Every library has the region editor's background picture.
    void SetUp() override { put("PartsData/cg.bmp", Bitmap(277, 118, kRegionBackground)); }

    void put(const std::string& relative, const Bitmap& picture) {
        const auto path = dir / relative;
        std::filesystem::create_directories(path.parent_path());
        ASSERT_TRUE(SavePicture(picture, path.string()).ok()) << relative;
    }
    void putBytes(const std::string& relative, const std::string& bytes) {
        const auto path = dir / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    TempDir dir;
    Document doc;
};

// The 54 bytes of a BMP header that claims 20000 x 20000 pixels at 24 bits, and nothing more.
std::string hugeBmpHeader() {
    std::string b = "BM";
    auto put32 = [&b](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b += static_cast<char>(v >> (8 * i));
    };
    put32(54);
    put32(0);
    put32(54);
    put32(40);
    put32(20000);
    put32(20000);
    b += std::string{1, 0, 24, 0};
    for (int i = 0; i < 6; ++i) put32(0);
    return b;
}

TEST_F(InitialState, FirstEntryOfEveryCategoryIsLoaded) {
    // The folder names are written in another case than the program writes them.
    put("PartsData/Cbuttons/a.data.bmp", Bitmap(136, 36, kFirst));
    put("PartsData/Cbuttons/a.mask.bmp", Bitmap(136, 36, kMask));
    put("PartsData/Cbuttons/b.data.bmp", Bitmap(136, 36, kSecond));
    put("PartsData/titlebar/data/t.bmp", Bitmap(344, 87, kFirst));
    put("PartsData/titlebar/mask/t.bmp", Bitmap(344, 87, kMask));
    put("PartsData/frame/f.data.bmp", Bitmap(275, 116, kFirst));
    put("PartsData/frame/f.mask.bmp", Bitmap(275, 116, kMask));
    put("PartsData/text/font.bmp", Bitmap(155, 18, kSecond));
    std::vector<std::string> progress;
    ASSERT_TRUE(InitialiseDocument(doc, dir.path(), [&](const Words& line) { progress.push_back(line.english()); }).ok());

    EXPECT_EQ(progress, catalogueProgressLines());
    EXPECT_EQ(doc.control(ctl::lstData, 0).entries, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(doc.control(ctl::lstData, 0).firstSectionCount, 2);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kFirst));
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kMask));
    EXPECT_EQ(doc.slot(pic::picData, 11), doc.slot(pic::picData, 0));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 5), kFirst));  // split form
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 5), kMask));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 6), kFirst));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 9), kFirst));  // both layers list the frame parts
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 10), kFirst));
    // The text part's Data starts coloured with the start row colours, as "色をつける" colours it
    // (the last column is not painted by the row lines).
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 8), kSecond));
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 154; ++x)
            ASSERT_EQ(doc.slot(pic::picData, 8).at(x, y), kSecond & doc.swatch(ctl::PicText, y % 6)) << x << ',' << y;
    EXPECT_EQ(doc.value(ctl::lstData, 0), 0);
    EXPECT_EQ(doc.value(ctl::lstData, 1), -1);  // shufrep: no folder, nothing chosen
    EXPECT_TRUE(allPixels(doc.slot(pic::RegionArea, 0), kRegionBackground));
    EXPECT_TRUE(allPixels(doc.slot(pic::RegionSource, 1), kRegionBackground));
}

TEST_F(InitialState, MissingRegionBackgroundIsReportedAndStartUpCarriesOn) {
    std::filesystem::remove(dir / "PartsData/cg.bmp");
    put("PartsData/cbuttons/a.data.bmp", Bitmap(136, 36, kFirst));
    put("PartsData/cbuttons/a.mask.bmp", Bitmap(136, 36, kMask));
    const Status status = InitialiseDocument(doc, dir.path());
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().describe().find("cg.bmp"), std::string::npos);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kFirst));
}

TEST_F(InitialState, StartValuesOfTheControls) {
    ASSERT_TRUE(InitialiseDocument(doc, dir.path()).ok());  // no parts at all: empty lists
    EXPECT_EQ(doc.value(ctl::MaronCombo1), 0);
    EXPECT_EQ(doc.selectedEntry(ctl::MaronCombo1), "Normal");
    EXPECT_EQ(doc.selectedEntry(ctl::MaronCombo2), "中間");
    EXPECT_TRUE(doc.isChecked(ctl::CbuttonsCheck));
    EXPECT_TRUE(doc.isChecked(ctl::CbuttonsCheck2));
    for (ControlName box : {ctl::ShufrepCheck, ctl::MonosterCheck, ctl::PlaypausCheck, ctl::FrameCheck, ctl::TitleBarCheck,
                                 ctl::EQCheck, ctl::EQFrameCheck, ctl::OnAutoCheck, ctl::ImageCheck, ctl::PresetCheck})
        EXPECT_FALSE(doc.isChecked(box)) << box;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(doc.control(ctl::hscR, i).min, -256);
        EXPECT_EQ(doc.control(ctl::hscB, i).max, 256);
        EXPECT_EQ(doc.value(ctl::hscG, i), 0);
    }
    EXPECT_TRUE(doc.setByName("hscG(9)", "-256").ok());
    for (int k = 0; k < 9; ++k) EXPECT_FALSE(doc.control(ctl::lstMask, k).visible);
    EXPECT_EQ(doc.control(ctl::lstData, 4).value, -1);
}

TEST_F(InitialState, StartDefaultsAskForEverySheetPlayersNeed) {
    ASSERT_TRUE(InitialiseDocument(doc, dir.path()).ok());
    EXPECT_TRUE(doc.isChecked(ctl::chkPLMake));
    EXPECT_TRUE(doc.isChecked(ctl::chkSkinMode));
    EXPECT_EQ(doc.combinedPictureFlag, 1);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).visible);
    EXPECT_TRUE(doc.control(ctl::EqUporDown).enabled);
    EXPECT_TRUE(doc.isChecked(ctl::EQModeCheck));
    for (ControlName box : {ctl::PosbarCheck, ctl::VolumeCheck, ctl::BalanceCheck, ctl::PosbarCheck2, ctl::VolumeCheck2,
                                 ctl::BalanceCheck2})
        EXPECT_TRUE(doc.isChecked(box)) << box;
}

// The first parts are read when their slots are first used, but as they were chosen at start-up:
// what happened in between (a link box ticked, another part chosen) works as if they had been read
// at once.
TEST_F(InitialState, FirstPartsReadLaterAreTheStartUpChoices) {
    put("PartsData/cbuttons/a.data.bmp", Bitmap(136, 36, kFirst));
    put("PartsData/cbuttons/a.mask.bmp", Bitmap(136, 36, kMask));
    put("PartsData/cbuttons/b.data.bmp", Bitmap(136, 36, kSecond));
    put("PartsData/cbuttons/Default_white.mask.bmp", Bitmap(136, 36, kWhite));
    ASSERT_TRUE(InitialiseDocument(doc, dir.path()).ok());
    ASSERT_TRUE(SetLinkBox(doc, ctl::chkCbuttonsLink, true).ok());
    ASSERT_TRUE(ChoosePart(doc, dir.path(), 0, 1).ok());  // b, with the Mask kept apart
    EXPECT_EQ(doc.value(ctl::lstData, 0), 1);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kSecond));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 11), kSecond));
    EXPECT_TRUE(allPixels(doc.slot(pic::picMask, 0), kMask));  // a's Mask, from the start-up choice
    EXPECT_TRUE(doc.isChecked(ctl::chkCbuttonsLink));
}

// The first parts are read when their slots are first used; a broken one is then skipped as a
// failing start-up step is, and choosing it again names the file.
TEST_F(InitialState, ABrokenFirstPartIsSkippedAndTheRestStillLoads) {
    put("PartsData/cbuttons/a.data.bmp", Bitmap(136, 36, kFirst));  // no mask, no Default_white
    put("PartsData/shufrep/s.data.bmp", Bitmap(92, 85, kSecond));
    put("PartsData/shufrep/s.mask.bmp", Bitmap(92, 85, kMask));
    ASSERT_TRUE(InitialiseDocument(doc, dir.path()).ok());
    EXPECT_EQ(doc.value(ctl::lstData, 0), 0);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kWhite));
    const Status again = ChoosePart(doc, dir.path(), 0, 0);
    ASSERT_FALSE(again.ok());
    EXPECT_NE(again.error().describe().find("Default_white.mask.bmp"), std::string::npos);
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 1), kSecond));
    EXPECT_TRUE(doc.isChecked(ctl::CbuttonsCheck));
    EXPECT_EQ(doc.control(ctl::hscR, 0).min, -256);
}

// A first part read on first use has no caller to report to: a junk file, an empty one and a
// header claiming a huge picture are noted in the document, in the order they were met, each
// naming its file; their slots stay white.
TEST_F(InitialState, FirstPartsThatCannotBeReadAreNotedAsProblems) {
    putBytes("PartsData/cbuttons/a.data.bmp", "this is no picture");
    put("PartsData/cbuttons/a.mask.bmp", Bitmap(136, 36, kMask));
    putBytes("PartsData/shufrep/s.data.bmp", "");
    put("PartsData/shufrep/s.mask.bmp", Bitmap(92, 85, kMask));
    putBytes("PartsData/cg.bmp", hugeBmpHeader());
    ASSERT_TRUE(InitialiseDocument(doc, dir.path()).ok());
    EXPECT_TRUE(doc.problems().empty());  // nothing is read before it is used

    std::vector<ChangeEvent::Kind> heard;
    doc.addListener([&](const ChangeEvent& e) { heard.push_back(e.kind); });
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 1), kWhite));
    EXPECT_TRUE(allPixels(doc.slot(pic::picData, 0), kWhite));
    EXPECT_TRUE(allPixels(doc.slot(pic::RegionArea, 0), kWhite));
    (void)doc.slot(pic::picData, 0);  // read once: noted once

    const std::vector<Error>& problems = doc.problems();
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(std::filesystem::path(problems[0].path).filename(), "s.data.bmp");
    EXPECT_EQ(problems[0].message, "the file is empty");
    EXPECT_EQ(std::filesystem::path(problems[1].path).filename(), "a.data.bmp");
    EXPECT_EQ(problems[1].message, "not a picture this program can read (BMP, JPEG, GIF or PNG)");
    EXPECT_EQ(std::filesystem::path(problems[2].path).filename(), "cg.bmp");
    EXPECT_EQ(problems[2].message,
              "the picture is 20000 × 20000 pixels; at most 16384 on a side and 64 million pixels are accepted");
    EXPECT_EQ(std::count(heard.begin(), heard.end(), ChangeEvent::Kind::Problem), 3);
}

}  // namespace
