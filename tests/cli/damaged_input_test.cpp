// pelterra-cli on input from outside: a project.ini saved in CP932 or in no encoding at all, one
// full of escape sequences and megabyte-long values, and a parts library with a junk part.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli_run.h"
#include "output/text_file.h"

using namespace pelterra::cli_test;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

namespace {

const fs::path kSample = samplePicture("base_main_eq_playlist.bmp");

class CliDamagedInput : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kSample)) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    CliRun run(const std::string& arguments) { return runCli(arguments, scratch.path()); }
    std::string at(const std::string& name) const { return quoted(scratch / name); }
    void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

    TempDir scratch;
};

// The playlist font is written into pledit.txt; a manifest read as UTF-8 when it is CP932 would
// have garbled it without a word.
TEST_F(CliDamagedInput, ACp932ProjectBuildsTheSameSkinWithAWarning) {
    const std::string font = " --set \"PleditFonts=ＭＳ ゴシック\"";
    ASSERT_EQ(run("project save " + at("proj") + " " + quoted(kSample) + font).exitCode, 0);
    ASSERT_EQ(run("build --project " + at("proj") + " -o " + at("utf8")).exitCode, 0);

    const fs::path manifest = scratch / "proj" / "project.ini";
    const auto cp932 = pelterra::EncodeCp932(readFileBytes(manifest));
    ASSERT_TRUE(cp932.ok());
    writeFile(manifest, *cp932);
    const CliRun built = run("build --project " + at("proj") + " -o " + at("cp932"));
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_NE(built.err.find("project.ini: the file is not UTF-8"), std::string::npos) << built.err;
    EXPECT_NE(built.err.find("it was read as Japanese CP932 (Shift-JIS) text"), std::string::npos) << built.err;
    EXPECT_EQ(readFileBytes(scratch / "cp932" / "pledit.txt"), readFileBytes(scratch / "utf8" / "pledit.txt"));
}

TEST_F(CliDamagedInput, AManifestInNoEncodingIsRefused) {
    ASSERT_EQ(run("project save " + at("proj") + " " + quoted(kSample)).exitCode, 0);
    writeFile(scratch / "proj" / "project.ini", "[Form1]\nhscR(0)=40\ntxtSaveFolda=\x80\x80\n");
    const CliRun built = run("build --project " + at("proj") + " -o " + at("skin"));
    EXPECT_EQ(built.exitCode, 1);
    EXPECT_NE(built.err.find("cannot load the project"), std::string::npos) << built.err;
    EXPECT_NE(built.err.find("none of it was applied"), std::string::npos) << built.err;
    EXPECT_FALSE(fs::exists(scratch / "skin"));
}

// Warnings quote what they pass over; raw, escape sequences would act on the terminal and a
// megabyte-long value would fill it.
TEST_F(CliDamagedInput, WarningsShowNoControlCharacterAndNoLongValue) {
    ASSERT_EQ(run("project save " + at("proj") + " " + quoted(kSample)).exitCode, 0);
    const fs::path manifest = scratch / "proj" / "project.ini";
    const std::string hostile = "\n[Form1]\n\x1b[2J\x1b]0;owned\x07\nlstData(0)=" + std::string(1 << 20, 'x') +
                                "\nhscR(0)=\x1b[5m\n";
    writeFile(manifest, readFileBytes(manifest) + hostile);
    const CliRun built = run("build --project " + at("proj") + " -o " + at("skin"));
    ASSERT_EQ(built.exitCode, 0) << built.err.substr(0, 2000);
    EXPECT_NE(built.err.find("is not NAME=VALUE"), std::string::npos) << built.err;
    EXPECT_NE(built.err.find("\\x1b[2J"), std::string::npos) << built.err;
    EXPECT_EQ(std::count_if(built.err.begin(), built.err.end(), [](char c) { return c != '\n' && static_cast<unsigned char>(c) < 0x20; }), 0);
    EXPECT_LT(built.err.size(), 1000u);
}

// Command names, options and option values typed on the command line are quoted the same way.
TEST_F(CliDamagedInput, UsageErrorsQuoteWhatWasTypedSafely) {
    for (const std::string& line : {std::string("'bad\x1b[31mcommand'"), "build " + quoted(kSample) + " '--\x1b[2Jx'",
                                    "region " + quoted(kSample) + " --key '1,2,\x1b]0;t\x07'"}) {
        const CliRun usage = run(line);
        EXPECT_EQ(usage.exitCode, 2) << line;
        EXPECT_NE(usage.err.find("\\x1b"), std::string::npos) << usage.err;
        EXPECT_EQ(usage.err.find('\x1b'), std::string::npos) << usage.err;
    }
}

// A part file that cannot be read, met when the build first uses it, leaves its slot white and
// used to pass without a word.
TEST_F(CliDamagedInput, AJunkPartInTheLibraryIsNamedInAWarning) {
    const fs::path library = scratch / "library";
    fs::create_directories(library);
    fs::copy(kBin / "PartsData", library / "PartsData", fs::copy_options::recursive);
    const fs::path junk = library / "PartsData" / "cbuttons" / "Classic.data.bmp";
    writeFile(junk, "this is no picture");
    const CliRun built = run("build " + quoted(kSample) + " --parts " + quoted(library) + " -o " + at("skin"));
    EXPECT_EQ(built.exitCode, 0) << built.err;
    EXPECT_NE(built.err.find("warning: " + junk.string() + ": not a picture this program can read"), std::string::npos)
        << built.err;
}

}  // namespace
