// pelterra-cli on input from outside: a project.ini saved in CP932 or in no encoding at all, one
// full of escape sequences and megabyte-long values, a project with pictures missing or replaced,
// and a parts library with a junk part or folders it cannot read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "cli_run.h"
#include "output/text_file.h"
#include "support/fault_injection.h"

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

// A project folder missing a picture, or holding something else in its place, used to build with
// the library's first part in that slot and exit 0 without a word.
TEST_F(CliDamagedInput, AProjectThatCannotBeReadWholeIsRefusedNamingTheFile) {
    ASSERT_EQ(run("project save " + at("saved") + " " + quoted(kSample)).exitCode, 0);
    const std::string special = "this is a special file (a pipe, device or socket), not a picture file";
    struct Case {
        const char* file;
        std::function<void(const fs::path&)> putInItsPlace;  // nothing: the file is gone
        std::string reason;
    };
    const Case cases[] = {
        {"MainData12.bmp", {}, "the file is missing"},
        {"MainData11.bmp", [](const fs::path& p) { ASSERT_TRUE(pelterra::test_support::makeFifo(p)); }, special},
        {"PLParts3.bmp", [](const fs::path& p) { fs::create_directory(p); }, "this is a folder, not a picture file"},
        {"Picture1.bmp", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, special},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const fs::path project = scratch / "damaged";
        fs::remove_all(project);
        fs::remove_all(scratch / "skin");
        fs::copy(scratch / "saved", project);
        fs::remove(project / c.file);
        if (c.putInItsPlace) c.putInItsPlace(project / c.file);

        const std::string build = "build --project " + quoted(project) + " -o " + at("skin");
        const CliRun built = runShell(cliLine(build, scratch.path()), scratch.path());
        EXPECT_EQ(built.exitCode, 1);
        EXPECT_EQ(built.err, "pelterra-cli build: cannot load the project: " + project.string() +
                                 ": the project is incomplete, so nothing of it was loaded:\n"
                                 "pelterra-cli build:   " + (project / c.file).string() + ": " + c.reason + "\n");
        EXPECT_FALSE(fs::exists(scratch / "skin"));
    }
}

// A part folder the user may not read used to leave its lists empty: the skin lacked those parts,
// and the messages said "not found" where permission was denied.
TEST_F(CliDamagedInput, APartFolderThatCannotBeReadStopsTheBuildNamingIt) {
    const fs::path library = scratch / "library";
    fs::create_directories(library);
    fs::copy(kBin / "PartsData", library / "PartsData", fs::copy_options::recursive);
    const fs::path parts = library / "PartsData";
    const fs::path out = scratch / "out";  // where the build, run as a user bound by permissions, may write
    fs::create_directory(out);
    fs::permissions(out, fs::perms::all);
    const std::string done =
        "pelterra-cli build: the parts library cannot be read in full (see above); nothing was done\n";
    auto unreadable = [](const fs::path& folder) {
        return "pelterra-cli build: warning: " + folder.string() + ": cannot read the folder: permission denied\n";
    };
    struct Case {
        std::vector<fs::path> locked;
        std::string err;
    };
    const Case cases[] = {
        {{parts / "cbuttons", parts / "frame"}, unreadable(parts / "cbuttons") + unreadable(parts / "frame") + done},
        {{parts}, unreadable(parts) + done},  // once, not once for each step that looks into it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locked.front().string());
        for (const fs::path& folder : c.locked) fs::permissions(folder, fs::perms::none);
        const auto built = runCliInChild(pelterra::test_support::becomeUserBoundByPermissions,
                                         "build " + quoted(kSample) + " --parts " + quoted(library) + " -o " +
                                             quoted(out / "skin"),
                                         scratch.path());
        for (const fs::path& folder : c.locked)
            fs::permissions(folder, fs::perms::owner_all | pelterra::test_support::kReadOnly);
        if (!built) GTEST_SKIP() << pelterra::test_support::kNoBoundUser;
        EXPECT_EQ(built->exitCode, 1);
        EXPECT_EQ(built->err, c.err);
        EXPECT_FALSE(fs::exists(out / "skin"));
    }
}

}  // namespace
