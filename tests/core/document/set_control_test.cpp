// SetControl: a control set by its written name runs the command that control stands for, so
// that --set and the window's widgets have the same effect; and an older project manifest still
// loads after the window's pages stopped being controls.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/initial_state.h"
#include "document/set_control.h"
#include "equalizer/picture_import.h"
#include "generators/frame_maker.h"
#include "generators/slider_maker.h"
#include "project/manifest.h"
#include "support/temp_dir.h"

namespace {

using namespace pelterra;
namespace fs = std::filesystem;

const fs::path kLibrary = PELTERRA_BIN_DIR;

class SetControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(kLibrary / "PartsData")) GTEST_SKIP() << "the parts library was not drawn";
        ASSERT_TRUE(InitialiseDocument(doc, kLibrary).ok());
    }
    Status set(std::string_view name, std::string_view value) { return SetControl(doc, kLibrary, name, value); }
    Document doc;
};

TEST_F(SetControlTest, AListChoiceLoadsItsPartAtOnce) {
    ASSERT_GE(doc.control(ctl::lstData, 0).entries.size(), 2u);
    const Bitmap first = doc.slot(pic::picData, 0);
    ASSERT_TRUE(set("lstData(0)", "1").ok());
    EXPECT_EQ(doc.value(ctl::lstData, 0), 1);
    EXPECT_NE(doc.slot(pic::picData, 0), first);
    EXPECT_EQ(doc.slot(pic::picData, 11), doc.slot(pic::picData, 0));  // the untouched copy follows
    ASSERT_TRUE(set("lstData_0", "0").ok());                       // the window's object name
    EXPECT_EQ(doc.slot(pic::picData, 0), first);
}

TEST_F(SetControlTest, AColourBarShowsItsValueAndRecoloursItsGroup) {
    const Bitmap untouched = doc.slot(pic::picData, 11);
    ASSERT_TRUE(set("hscR(0)", "256").ok());
    EXPECT_EQ(doc.text(ctl::lblRed, 0), "256");
    EXPECT_EQ(GetRed(doc.slot(pic::picData, 0).at(0, 0)), 255);
    EXPECT_EQ(doc.slot(pic::picData, 11), untouched);
    ASSERT_TRUE(set("hscR(0)", "0").ok());
    EXPECT_EQ(doc.slot(pic::picData, 0), untouched);
}

TEST_F(SetControlTest, LinkBoxesShowTheirMaskListsAndMakeBoxesTheirTwins) {
    ASSERT_TRUE(set(ctl::chkFrameLink.written(), "1").ok());
    EXPECT_TRUE(doc.control(ctl::lstMask, 6).visible);
    EXPECT_TRUE(doc.control(ctl::lblFrameMask).visible);
    ASSERT_TRUE(set(ctl::chkPresetLink.written(), "1").ok());
    EXPECT_TRUE(doc.control(ctl::lstEQMask, 4).visible);
    ASSERT_TRUE(set(ctl::MonosterCheck2.written(), "1").ok());
    EXPECT_EQ(doc.value(ctl::MonosterCheck), 1);
}

TEST_F(SetControlTest, TextsTakeTheManifestEscapesAndTheFontRebuildsThePlaylistText) {
    ASSERT_TRUE(set(ctl::Text2.written(), "[Text]\\r\\nNormal=#010203\\r\\n").ok());
    EXPECT_EQ(doc.text(ctl::Text2), "[Text]\r\nNormal=#010203\r\n");
    ASSERT_TRUE(set(ctl::PleditFonts.written(), "Sans").ok());
    EXPECT_NE(doc.text(ctl::Text1).find("Font=Sans\r\n"), std::string::npos) << doc.text(ctl::Text1);
    ASSERT_TRUE(set(ctl::PicPleditCurrent.written(), "255").ok());
    EXPECT_NE(doc.text(ctl::Text2).find("Current=#FF0000\r\n"), std::string::npos) << doc.text(ctl::Text2);
}

// The makers' pictures follow their swatches and styles, whichever front end sets them.
TEST_F(SetControlTest, MakerSwatchesAndStylesDrawTheirMakersPictureAgain) {
    ASSERT_TRUE(set("lbldata(3)", std::to_string(RGB(200, 10, 10))).ok());  // "ボディー"
    EXPECT_EQ(doc.slot(frame_maker::kFrameData).at(100, 50), RGB(200, 10, 10));
    ASSERT_TRUE(set("lblcolor(0)", std::to_string(RGB(0, 0, 255))).ok());  // "Top"
    const Bitmap base = doc.slot(pic::picSBase);
    ASSERT_TRUE(set("lblcolor(0)", std::to_string(RGB(255, 255, 0))).ok());
    EXPECT_NE(doc.slot(pic::picSBase), base);
    const Bitmap slider = doc.slot(slider_maker::kData);
    ASSERT_TRUE(set("LblSliderDataTop", std::to_string(RGB(1, 2, 3))).ok());
    EXPECT_NE(doc.slot(slider_maker::kData), slider);
}

TEST_F(SetControlTest, WrongNamesAndValuesChangeNothing) {
    EXPECT_FALSE(set("lstData(11)", "0").ok());
    EXPECT_FALSE(set("TabStrip1", "3").ok());  // the window's page is no control
    const int entries = static_cast<int>(doc.control(ctl::lstData, 0).entries.size());
    EXPECT_FALSE(set("lstData(0)", std::to_string(entries)).ok());
    EXPECT_EQ(doc.value(ctl::lstData, 0), 0);
}

TEST_F(SetControlTest, EqBelowAndEqTooChooseTheFaceOfACombinedPicture) {
    Bitmap stacked(275, 232, 0x0000FF);
    for (int y = 116; y < 232; ++y)
        for (int x = 0; x < 275; ++x) stacked.at(x, y) = 0x00FF00;
    ASSERT_TRUE(ImportCombinedPicture(doc, stacked, {}).ok());
    ASSERT_TRUE(set(ctl::EqUporDown.written(), "1").ok());
    EXPECT_EQ(doc.slot(pic::PreEQMainData).at(0, 0), 0x0000FFu);  // "EQも出力" is off
    ASSERT_TRUE(set(ctl::chkSkinMode.written(), "1").ok());
    EXPECT_EQ(doc.slot(pic::PreEQMainData).at(0, 0), 0x00FF00u);
    ASSERT_TRUE(set(ctl::EqUporDown.written(), "0").ok());
    EXPECT_EQ(doc.slot(pic::PreEQMainData).at(0, 0), 0x0000FFu);
}

TEST(ManifestVersions, AFirstVersionManifestWithTheWindowsPagesLoadsWithoutProblems) {
    Document doc;
    const std::string old = "[Project]\nVersion=1\nlastEqBelow=1\n[Form1]\nTabStrip1=5\nTabStrip2=3\nchkASP=1\n";
    EXPECT_TRUE(ApplyManifest(doc, old, "project.ini").empty());
    EXPECT_EQ(doc.value(ctl::chkASP), 1);

    const std::string current = "[Project]\nVersion=2\n[Form1]\nTabStrip1=5\n";
    const std::vector<Error> problems = ApplyManifest(doc, current, "project.ini");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].message.find("TabStrip1"), std::string::npos);
    EXPECT_EQ(ManifestText(doc).find("TabStrip"), std::string::npos);
}

}  // namespace
