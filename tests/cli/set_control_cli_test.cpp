// --set runs the command the window runs for the control: the playlist text follows a colour, the
// Maron ratio follows its scroll bar, escaped texts read as `controls` prints them; and a picture
// of another size without --fit says what to do in one line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_run.h"
#include "image/bitmap.h"
#include "image/picture_file.h"

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::readFileBytes;
using test_support::TempDir;
namespace fs = std::filesystem;

class SetControlCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(samplePicture("base_main.bmp"))) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    // Builds the main sample with the settings into a folder; returns the folder.
    fs::path build(const std::string& settings) {
        const fs::path out = dir / "skin";
        const CliRun built = runCli("build " + quoted(samplePicture("base_main.bmp")) + " " + settings + " -o " +
                                        quoted(out),
                                    dir.path());
        EXPECT_EQ(built.exitCode, 0) << built.err;
        return out;
    }
    TempDir dir;
};

TEST_F(SetControlCli, APlaylistColourRebuildsThePlaylistText) {
    const fs::path skin = build("--set PicPleditNormal=2075397 --set chkPLFont=1");
    const std::string text = readFileBytes(skin / "pledit.txt");
    EXPECT_NE(text.find("Normal=#05AB1F\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Normal=#00C000"), std::string::npos) << text;
}

TEST_F(SetControlCli, TheMaronScrollBarReachesTheRatio) {
    const fs::path skin = build("--set MaronVScroll=30 --set MaronCheck=1");
    const std::string text = readFileBytes(skin / "maron.txt");
    EXPECT_NE(text.find("Ratio = 30\r\n"), std::string::npos) << text;
}

TEST_F(SetControlCli, EscapedTextsReadAsControlsPrintsThem) {
    const CliRun controls = runCli("controls", dir.path());
    ASSERT_EQ(controls.exitCode, 0);
    const auto at = controls.out.find("\nText2=");
    ASSERT_NE(at, std::string::npos);
    const std::string printed = controls.out.substr(at + 1, controls.out.find('\n', at + 1) - at - 1);
    ASSERT_NE(printed.find("\\r\\n"), std::string::npos) << printed;  // printed with escapes

    // The printed line fed back to --set gives the text it stands for.
    const fs::path skin = build("\"--set\" \"" + printed + "\" --set chkPLFont=1");
    const std::string text = readFileBytes(skin / "pledit.txt");
    EXPECT_EQ(text.rfind("[Text]\r\nNormal=#", 0), 0u) << text;
    EXPECT_EQ(text.find('\\'), std::string::npos) << text;
}

TEST_F(SetControlCli, APictureOfAnotherSizeWithoutFitSaysToUseFitAndNothingElse) {
    const fs::path odd = dir / "odd.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(100, 50, 0x336699), odd.string()).ok());
    const CliRun built = runCli("build " + quoted(odd) + " -o " + quoted(dir / "skin"), dir.path());
    EXPECT_EQ(built.exitCode, 1);
    EXPECT_NE(built.err.find("--fit single|eq|playlist"), std::string::npos) << built.err;
    EXPECT_EQ(built.err.find("dialog"), std::string::npos) << built.err;
    EXPECT_EQ(std::count(built.err.begin(), built.err.end(), '\n'), 1) << built.err;
}

}  // namespace
