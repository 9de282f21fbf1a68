// What pelterra-cli writes, under faults a user meets: paths that name no output of their own,
// folders that cannot be opened, names as long as the file system allows, special files and
// symbolic links where an output goes, full disks and several saves at once. Every failure is a
// message and exit code 1 or 2, and the files that were there before stay byte for byte.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "image/picture_file.h"
#include "support/fault_injection.h"

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::becomeUserBoundByPermissions;
using test_support::kNoBoundUser;
using test_support::LockedFolder;
using test_support::makeFifo;
using test_support::namesIn;
using test_support::readFileBytes;
using test_support::TempDir;
namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The signal a write beyond the limit raises keeps its default action, ending the program:
// pelterra-cli has to make the failed write an error of its own.
CliRun runCliUnderFileSizeLimit(rlim_t limit, const std::string& arguments, const fs::path& scratch) {
    const auto limited = [limit] {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{limit, limit};
        return ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    };
    return runCliInChild(limited, arguments, scratch).value_or(CliRun{});
}

class CliOutputs : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kSample)) GTEST_SKIP() << "the sample pictures were not drawn";
        fs::create_directory(dir / "work");
    }
    CliRun run(const std::string& arguments) { return runShell(cliLine(arguments, dir.path()), dir.path()); }
    // Runs in the folder `work`, so that "." and ".." are folders of the test.
    CliRun runInWork(const std::string& arguments) {
        return runShell("cd " + quoted(dir / "work") + " && " + cliLine(arguments, dir.path()), dir.path());
    }
    std::string build(const std::string& rest) const { return "build " + quoted(kSample) + " " + rest; }

    const fs::path kSample = samplePicture("base_main_eq_playlist.bmp");
    TempDir dir;
};

// ---- Paths that name no output ------------------------------------------------------------------

TEST_F(CliOutputs, DotDotDotAndAnEmptyNameAreRefusedByTheCoresNameRule) {
    fs::create_directory(dir / "work" / "sub");
    const std::pair<std::string, std::string> refused[] = {
        {".", "build: cannot save to \".\": \".\" is not a folder name\n"},
        {"..", "build: cannot save to \"..\": \"..\" is not a folder name\n"},
        {"sub/..", "build: cannot save to \"sub/..\": \"..\" is not a folder name\n"},
        {"", "build: cannot save to \"\": the skin needs a folder or archive name\n"},
    };
    for (const auto& [output, message] : refused) {
        SCOPED_TRACE(output);
        const CliRun refusedRun = runInWork(build("-o " + quoted(fs::path(output))));
        EXPECT_EQ(refusedRun.exitCode, 2);
        EXPECT_EQ(refusedRun.err, message);
        EXPECT_EQ(refusedRun.out, "");
    }
    EXPECT_EQ(namesIn(dir / "work"), std::vector<std::string>{"sub"});
    EXPECT_TRUE(fs::is_empty(dir / "work" / "sub"));
    EXPECT_FALSE(fs::exists(dir / "main.bmp"));
}

TEST_F(CliOutputs, AnEmptyProjectNameIsAUsageError) {
    const CliRun make = run("make slider -o \"\"");
    EXPECT_EQ(make.exitCode, 2);
    EXPECT_EQ(make.err, "pelterra-cli make: cannot save the project to \"\": the project needs a folder name\n");
    const CliRun save = runInWork("project save . " + quoted(kSample));
    EXPECT_EQ(save.exitCode, 2);
    EXPECT_EQ(save.err, "pelterra-cli project save: cannot save the project to \".\": \".\" is not a folder name\n");
    EXPECT_TRUE(fs::is_empty(dir / "work"));
}

// ---- Folders that cannot be opened, names that are too long -------------------------------------

TEST_F(CliOutputs, AFolderThatCannotBeSearchedIsAnErrorNotAnAbort) {
    fs::create_directory(dir / "closed");
    LockedFolder closed(dir / "closed");
    const auto failed = runCliInChild(becomeUserBoundByPermissions, build("-o " + quoted(dir / "closed" / "skin")),
                                      dir.path());
    if (!failed) GTEST_SKIP() << kNoBoundUser;
    EXPECT_EQ(failed->exitCode, 1);
    EXPECT_EQ(failed->err, "pelterra-cli build: the skin could not be saved: " + (dir / "closed" / "skin").string() +
                               ": cannot open the folder: permission denied\n");
    EXPECT_TRUE(fs::is_empty(dir / "closed"));
}

TEST_F(CliOutputs, EveryOutputTakesANameAsLongAsTheFileSystemAllows) {
    // The temporary file beside each output has a short name of its own, so the longest legal
    // name works for the archive, the preview and region.txt alike.
    const fs::path archive = dir / (std::string(251, 'a') + ".wsz");
    const fs::path preview = dir / (std::string(251, 'p') + ".png");
    const CliRun built = run(build("-o " + quoted(archive) + " --preview " + quoted(preview)));
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_TRUE(fs::is_regular_file(archive));
    EXPECT_TRUE(LoadPicture(preview.string()).ok());

    const fs::path region = dir / (std::string(251, 'r') + ".txt");
    const CliRun traced =
        run("region " + quoted(samplePicture("region_main_eq.bmp")) + " --key 255,0,255 -o " + quoted(region));
    ASSERT_EQ(traced.exitCode, 0) << traced.err;
    EXPECT_TRUE(fs::is_regular_file(region));
}

// ---- Full disks ---------------------------------------------------------------------------------

TEST_F(CliOutputs, AWriteCutShortKeepsTheOlderArchiveAndLeavesNothingBehind) {
    fs::create_directory(dir / "skins");
    writeFile(dir / "skins" / "sky.wsz", "older skin");
    const CliRun failed = runCliUnderFileSizeLimit(8192, build("-o " + quoted(dir / "skins" / "sky.wsz")), dir.path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("cannot make the ZIP archive: writing the file failed: the file is too large for this disk"),
              std::string::npos)
        << failed.err;
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(readFileBytes(dir / "skins" / "sky.wsz"), "older skin");
    EXPECT_EQ(namesIn(dir / "skins"), std::vector<std::string>{"sky.wsz"});
}

TEST_F(CliOutputs, AFailedFolderSaveLeavesNoNewFolderBehind) {
    const CliRun failed = runCliUnderFileSizeLimit(8192, build("-o " + quoted(dir / "work" / "sky")), dir.path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("the file is too large for this disk"), std::string::npos) << failed.err;
    EXPECT_TRUE(fs::is_empty(dir / "work"));
}

TEST_F(CliOutputs, APreviewCutShortIsAnErrorAndTheOlderPreviewAndSkinStayByteForByte) {
    // A limit between the sizes of the archive and the preview lets the skin through and stops
    // the preview half-way, as a disk that fills up during the build does.
    ASSERT_EQ(run(build("-o " + quoted(dir / "measure.wsz") + " --preview " + quoted(dir / "measure.png"))).exitCode, 0);
    const auto archiveSize = fs::file_size(dir / "measure.wsz");
    const auto previewSize = fs::file_size(dir / "measure.png");
    if (previewSize <= archiveSize) GTEST_SKIP() << "the sample's preview is not larger than its archive";
    fs::create_directory(dir / "previews");
    writeFile(dir / "previews" / "sky.png", "older preview");
    writeFile(dir / "sky.wsz", "older skin");

    const CliRun failed = runCliUnderFileSizeLimit(
        (archiveSize + previewSize) / 2,
        build("-o " + quoted(dir / "sky.wsz") + " --preview " + quoted(dir / "previews" / "sky.png")), dir.path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "pelterra-cli build: the preview could not be written: " +
                              (dir / "previews" / "sky.png").string() +
                              ": writing the file failed: the file is too large for this disk\n");
    EXPECT_EQ(readFileBytes(dir / "previews" / "sky.png"), "older preview");
    EXPECT_EQ(namesIn(dir / "previews"), std::vector<std::string>{"sky.png"});
    EXPECT_EQ(readFileBytes(dir / "sky.wsz"), "older skin");  // the outputs go in together or not at all
}

// ---- Special files and symbolic links -----------------------------------------------------------

TEST_F(CliOutputs, ANamedPipeAsAnOutputIsRefusedAndLeftAsItIs) {
    ASSERT_TRUE(makeFifo(dir / "pipe.wsz"));
    ASSERT_TRUE(makeFifo(dir / "pipe.png"));
    ASSERT_TRUE(makeFifo(dir / "pipe.txt"));
    const std::string refusal = ": this is a named pipe (FIFO), not a regular file; it is left as it is: choose another name";

    const CliRun archive = run(build("-o " + quoted(dir / "pipe.wsz")));
    EXPECT_EQ(archive.exitCode, 1);
    EXPECT_NE(archive.err.find(refusal), std::string::npos) << archive.err;

    const CliRun preview = run(build("-o " + quoted(dir / "work" / "sky") + " --preview " + quoted(dir / "pipe.png")));
    EXPECT_EQ(preview.exitCode, 1);
    EXPECT_NE(preview.err.find(refusal), std::string::npos) << preview.err;
    EXPECT_TRUE(fs::is_empty(dir / "work"));  // refused before the skin was saved

    const CliRun region =
        run("region " + quoted(samplePicture("region_main_eq.bmp")) + " --key 255,0,255 -o " + quoted(dir / "pipe.txt"));
    EXPECT_EQ(region.exitCode, 1);
    EXPECT_NE(region.err.find(refusal), std::string::npos) << region.err;

    for (const char* name : {"pipe.wsz", "pipe.png", "pipe.txt"}) EXPECT_TRUE(fs::is_fifo(dir / name)) << name;
}

TEST_F(CliOutputs, ASymbolicLinkAsAnOutputIsReplacedNotWrittenThrough) {
    writeFile(dir / "kept.bin", "not an output");
    for (const char* link : {"sky.wsz", "sky.png", "region.txt"}) fs::create_symlink(dir / "kept.bin", dir / link);
    fs::create_directory(dir / "kept");
    fs::create_directory_symlink(dir / "kept", dir / "skyfolder");
    ASSERT_EQ(run(build("-o " + quoted(dir / "sky.wsz") + " --preview " + quoted(dir / "sky.png"))).exitCode, 0);
    ASSERT_EQ(run(build("-o " + quoted(dir / "skyfolder"))).exitCode, 0);
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(dir / "skyfolder")));
    EXPECT_TRUE(fs::is_empty(dir / "kept"));
    ASSERT_EQ(run("region " + quoted(samplePicture("region_main_eq.bmp")) + " --key 255,0,255 -o " +
                  quoted(dir / "region.txt"))
                  .exitCode,
              0);
    for (const char* link : {"sky.wsz", "sky.png", "region.txt"}) {
        EXPECT_FALSE(fs::is_symlink(dir / link)) << link;
        EXPECT_TRUE(fs::is_regular_file(dir / link)) << link;
    }
    EXPECT_EQ(readFileBytes(dir / "kept.bin"), "not an output");
}

// ---- Several saves at once ----------------------------------------------------------------------

TEST_F(CliOutputs, EightProjectSavesIntoOneFolderAtOnceAllSucceed) {
    std::string script;
    for (int i = 0; i < 8; ++i)
        script += "( " + cliLine("project save " + quoted(dir / "work" / "shared") + " " + quoted(kSample) +
                                     " --set \"hscR(0)=" + std::to_string(10 * i) + "\"",
                                 dir.path()) +
                  " >/dev/null 2>" + quoted(dir / ("err" + std::to_string(i))) + "; echo $? >" +
                  quoted(dir / ("rc" + std::to_string(i))) + " ) & ";
    script += "wait";
    ASSERT_EQ(runShell(script, dir.path()).exitCode, 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(readFileBytes(dir / ("rc" + std::to_string(i))), "0\n") << readFileBytes(dir / ("err" + std::to_string(i)));
    // The project that stands builds, and no temporary file is left in it.
    const CliRun built = run("build --project " + quoted(dir / "work" / "shared") + " -o " + quoted(dir / "built"));
    EXPECT_EQ(built.exitCode, 0) << built.err;
    for (const std::string& name : namesIn(dir / "work" / "shared")) EXPECT_NE(name.rfind(".pt-", 0), 0u) << name;
}

}  // namespace
