// pelterra-cli project save, build --project and make, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "image/colour.h"
#include "image/picture_file.h"
#include "support/temp_dir.h"

using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

namespace {

const fs::path kBin = PELTERRA_BIN_DIR;
const std::string kSample = (kBin / "Samples" / "base_main_eq_playlist.bmp").string();

// Runs pelterra-cli with the arguments (quoted by the caller) and returns its exit code.
int cli(const std::string& arguments, const fs::path& log) {
    const std::string command = std::string("\"") + PELTERRA_CLI + "\" " + arguments + " > \"" + log.string() +
                                "\" 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CliProject : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kSample)) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    std::string at(const std::string& name) const { return "\"" + (dir / name).string() + "\""; }
    int run(const std::string& arguments) { return cli(arguments, dir / "log.txt"); }

    TempDir dir;
};

TEST_F(CliProject, ASavedProjectBuildsTheSkinThatTheSameArgumentsBuild) {
    // A part first, then its colour bar, as in the window (a bar set before the part is lost when
    // the part loads).
    const std::string choices = " --set \"lstData(0)=1\" --set \"hscR(0)=60\" --set \"NumberColor(3)=255\"";
    ASSERT_EQ(run("project save " + at("proj") + " \"" + kSample + "\"" + choices), 0) << readFileBytes(dir / "log.txt");
    ASSERT_EQ(run("build \"" + kSample + "\"" + choices + " -o " + at("direct")), 0);
    ASSERT_EQ(run("build --project " + at("proj") + " -o " + at("loaded")), 0) << readFileBytes(dir / "log.txt");
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir / "direct")) {
        ++files;
        EXPECT_EQ(readFileBytes(entry.path()), readFileBytes(dir / "loaded" / entry.path().filename()))
            << entry.path().filename();
    }
    EXPECT_GE(files, 13);
}

TEST_F(CliProject, MakeRunsAGeneratorOnTheProjectAndSavesIt) {
    ASSERT_EQ(run("project save " + at("proj") + " \"" + kSample + "\""), 0);
    ASSERT_EQ(run("make slider --project " + at("proj") + " --set OpSliderOff=1 --set LblSliderDataTop=65280"), 0)
        << readFileBytes(dir / "log.txt");
    // The slider's untouched copy is MainData15.bmp; its inside is the face colour.
    auto slider = pelterra::LoadPicture((dir / "proj" / "MainData15.bmp").string());
    ASSERT_TRUE(slider.ok());
    EXPECT_EQ(slider->at(5, 5), pelterra::RGB(0, 255, 0));

    EXPECT_EQ(run("make frame --project " + at("proj")), 2);  // where to: main or eq
    EXPECT_EQ(run("make backbase --to main --project " + at("proj")), 2);
    EXPECT_EQ(run("make frame --to main"), 2);  // no project to work on
    EXPECT_EQ(run("make frame --to main --project " + at("nothing")), 1);
}

TEST_F(CliProject, AProjectNameThatLeavesItsFolderIsRefused) {
    EXPECT_NE(run("project save " + at("..") + " \"" + kSample + "\""), 0);
    EXPECT_EQ(run("project save " + at("missing/proj") + " \"" + kSample + "\""), 1);
}

}  // namespace
