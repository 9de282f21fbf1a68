// project.ini as it comes from outside the program: saved in CP932 by an editor of a Japanese
// system, in no encoding at all, or holding binary junk and megabyte-long values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "image/picture_file.h"
#include "project/manifest.h"
#include "project/project.h"
#include "project/project_files.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

namespace {

// "ガラス" and "スカイ" in CP932.
constexpr const char* kGlassCp932 = "\x83\x4b\x83\x89\x83\x58";
constexpr const char* kSkyCp932 = "\x83\x58\x83\x4a\x83\x43";

class ManifestReading : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(project);
        doc.setListEntries(ctl::lstData, 0, {"Glass", "ガラス"}, 2);
    }
    void writeManifest(const std::string& bytes) {
        std::ofstream(project / "project.ini", std::ios::binary) << bytes;
    }

    TempDir dir;
    fs::path project = dir / "sky";
    Document doc;
};

TEST_F(ManifestReading, ACp932ManifestIsConvertedAndSaysSo) {
    writeManifest(std::string("[Form1]\r\nlstData(0)=") + kGlassCp932 + "\r\ntxtSaveFolda=" + kSkyCp932 + "\r\n");
    const ProjectLoadReport report = LoadProject(doc, project);
    EXPECT_TRUE(report.manifest);
    EXPECT_FALSE(report.manifestRefused);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].path, (project / "project.ini").string());
    EXPECT_EQ(report.problems[0].message,
              "the file is not UTF-8 (byte 20 is no UTF-8 character); it was read as Japanese CP932 "
              "(Shift-JIS) text");
    EXPECT_EQ(doc.selectedEntry(ctl::lstData, 0), "ガラス");
    EXPECT_EQ(doc.text(ctl::txtSaveFolda), "スカイ");
}

TEST_F(ManifestReading, AUtf8ManifestWithAByteOrderMarkIsReadWithoutAWord) {
    writeManifest("\xEF\xBB\xBF[Form1]\nlstData(0)=ガラス\n");
    const ProjectLoadReport report = LoadProject(doc, project);
    EXPECT_TRUE(report.manifest);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front().describe();
    EXPECT_EQ(doc.selectedEntry(ctl::lstData, 0), "ガラス");
}

// Read as UTF-8 it would have been applied half, its Japanese values matching nothing.
TEST_F(ManifestReading, AManifestInNeitherEncodingStopsTheLoadBeforeAnythingChanges) {
    const ProjectPictureFile first = ProjectPictureFiles().front();
    ASSERT_TRUE(SavePicture(Bitmap(4, 4, RGB(1, 2, 3)), (project / first.file).string()).ok());
    writeManifest("[Form1]\nhscR(0)=40\ntxtSaveFolda=\x80\x80\n");
    const Bitmap before = doc.slot(first.slot.name, first.slot.index);

    const ProjectLoadReport report = LoadProject(doc, project);
    EXPECT_TRUE(report.manifestRefused);
    EXPECT_FALSE(report.manifest);
    EXPECT_EQ(report.picturesLoaded, 0);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].message,
              "the file is neither UTF-8 nor Japanese CP932 (Shift-JIS) text (byte 32 is no CP932 "
              "character); none of it was applied");
    EXPECT_EQ(doc.value(ctl::hscR, 0), 0);
    EXPECT_EQ(doc.slot(first.slot.name, first.slot.index), before);
}

// Problems quote what they pass over; raw, an escape sequence would act on the terminal and a
// megabyte-long value would fill it.
TEST(ManifestProblems, QuoteTheLinesTheyPassOverSafelyAndShortly) {
    Document doc;
    const std::string megabyte(1 << 20, 'x');
    const std::string text = "[Form1]\n"
                             "\x1b[2J\x1b[31mjunk\x07\n"
                             "lstData(0)=" + megabyte + "\n"
                             "no\x1b]0;title\x07such=1\n"
                             "hscR(0)=\x1b[5m\n";
    const std::vector<Error> problems = ApplyManifest(doc, text, "project.ini");
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].message, "line 2: \"\\x1b[2J\\x1b[31mjunk\\x07\" is not NAME=VALUE");
    EXPECT_EQ(problems[1].message, "line 3: lstData(0) has no entry \"" + std::string(80, 'x') + "…\" to select");
    EXPECT_EQ(problems[2].message, "line 4: there is no control named \"no\\x1b]0;title\\x07such\"");
    EXPECT_EQ(problems[3].message, "line 5: hscR(0) takes a whole number, not \"\\x1b[5m\"");
}

}  // namespace
