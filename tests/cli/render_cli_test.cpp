// pelterra-cli render, and build --render: the sample skin drawn from the build and from its own
// archive alike, the sizes of the windows, damaged and crafted archives refused with one error
// and exit 1, missing sheets warned about with exit 0, and mistaken options.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>

#include "cli_run.h"
#include "image/picture_file.h"
#include "support/crafted_archives.h"

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::readFileBytes;
using test_support::TempDir;
namespace fs = std::filesystem;

// The warnings a command gave, without its name.
std::vector<std::string> warningsOf(const std::string& err, const std::string& command) {
    std::vector<std::string> warnings;
    const std::string prefix = command + ": warning: ";
    for (std::size_t at = err.find(prefix); at != std::string::npos; at = err.find(prefix, at + 1))
        warnings.push_back(err.substr(at + prefix.size(), err.find('\n', at) - at - prefix.size()));
    return warnings;
}

class CliRender : public ::testing::Test {
protected:
    TempDir dir;
    CliRun run(const std::string& arguments) { return runCli(arguments, dir.path()); }

    PictureSize sizeOf(const fs::path& png) {
        const std::string bytes = readFileBytes(png);
        const auto size = ReadPictureSize({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, png.string());
        EXPECT_TRUE(size.ok()) << png;
        return size.ok() ? *size : PictureSize{};
    }
};

TEST_F(CliRender, TheSampleDrawnFromItsBuildAndFromItsArchiveIsTheSamePicture) {
    const fs::path sample = samplePicture("base_main_eq_playlist.bmp");
    if (!fs::exists(sample)) GTEST_SKIP() << "the sample pictures were not drawn";
    const CliRun built = run("build " + quoted(sample) + " -o " + quoted(dir / "sample.wsz") + " --render " + quoted(dir / "built.png"));
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_NE(built.out.find("built.png"), std::string::npos);
    const CliRun drawn = run("render " + quoted(dir / "sample.wsz") + " -o " + quoted(dir / "read.png"));
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    EXPECT_EQ(warningsOf(built.err, "build"), warningsOf(drawn.err, "render"));
    const std::string fromBuild = readFileBytes(dir / "built.png");
    ASSERT_FALSE(fromBuild.empty());
    EXPECT_TRUE(fromBuild == readFileBytes(dir / "read.png")) << "the two drawings differ";
    const PictureSize all = sizeOf(dir / "read.png");
    EXPECT_EQ(all.width, 550);
    EXPECT_EQ(all.height, 232);
}

TEST_F(CliRender, MainWindowAtScaleOneIsExactly275By116AndScaleMultiplies) {
    TempDir skin;
    std::ofstream(skin / "main.bmp", std::ios::binary) << "not a picture";
    ASSERT_EQ(run("render " + quoted(skin.path()) + " --window main -o " + quoted(dir / "main.png")).exitCode, 0);
    EXPECT_EQ(sizeOf(dir / "main.png").width, 275);
    EXPECT_EQ(sizeOf(dir / "main.png").height, 116);
    ASSERT_EQ(run("render " + quoted(skin.path()) + " --window playlist --playlist-size 325x145 --scale 2 -o " +
                  quoted(dir / "pl.png")).exitCode, 0);
    EXPECT_EQ(sizeOf(dir / "pl.png").width, 650);
    EXPECT_EQ(sizeOf(dir / "pl.png").height, 290);
    ASSERT_EQ(run("render " + quoted(skin.path()) + " --shade --inactive --pressed play,close -o " + quoted(dir / "s.png")).exitCode, 0);
    EXPECT_EQ(sizeOf(dir / "s.png").height, 28);
}

TEST_F(CliRender, MissingAndBrokenSheetsAreWarningsAndTheDrawingIsStillMade) {
    TempDir skin;
    std::ofstream(skin / "Main.bmp", std::ios::binary) << "not a picture";
    const CliRun r = run("render " + quoted(skin.path()) + " -o " + quoted(dir / "out.png"));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("render: warning: main.bmp: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("render: warning: cbuttons.bmp: missing"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir / "out.png"));
}

TEST_F(CliRender, DamagedAndCraftedArchivesAreOneErrorAndExit1) {
    for (const test_support::CraftedArchive& crafted : test_support::craftedArchives()) {
        const fs::path archive = dir / "crafted.wsz";
        std::ofstream(archive, std::ios::binary | std::ios::trunc) << crafted.bytes;
        const CliRun r = run("render " + quoted(archive) + " -o " + quoted(dir / "out.png"));
        EXPECT_EQ(r.exitCode, 1) << crafted.what;
        EXPECT_EQ(r.err, "pelterra-cli render: " + archive.string() + ": " + crafted.message + "\n") << crafted.what;
        EXPECT_FALSE(fs::exists(dir / "out.png")) << crafted.what;
    }
}

// Address space is limited for the run, so that a drawing made before its size is checked fails
// at once instead of taking the machine's memory. AddressSanitizer reserves far more address
// space than any limit allows; there the run goes unlimited.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

bool limitAddressSpace() {
    if (kAddressSanitizer) return true;
    const rlimit oneGigabyte{1ULL << 30, 1ULL << 30};
    return ::setrlimit(RLIMIT_AS, &oneGigabyte) == 0;
}

// All three windows at scale 8 with a large playlist once ran the PNG encoder's byte counts past
// an int and overwrote the heap after 9 GB. A drawing beyond 16384 pixels on a side or 64 million
// in all is refused from its size alone, with exit 1 and one line, before anything is drawn.
TEST_F(CliRender, DrawingsBeyondThePictureLimitsAreRefusedBeforeAnythingIsDrawn) {
    TempDir skin;  // drawn with placeholders: every sheet is missing
    const struct {
        const char* options;
        const char* size;
    } cases[] = {
        {"--scale 8 --playlist-size 3975x3973", "34000 × 31784"},                 // both sides and the count
        {"--window playlist --scale 8 --playlist-size 2050x116", "16400 × 928"},   // one side
        {"--window playlist --scale 4 --playlist-size 2025x3973", "8100 × 15892"},  // the count only
    };
    for (const auto& c : cases) {
        const std::string arguments =
            "render " + quoted(skin.path()) + " " + c.options + " -o " + quoted(dir / "out.png");
        const auto r = runCliInChild(limitAddressSpace, arguments, dir.path());
        ASSERT_TRUE(r.has_value()) << "the address space could not be limited";
        EXPECT_EQ(r->exitCode, 1) << c.options << ": " << r->err;
        EXPECT_EQ(r->err, std::string("pelterra-cli render: the picture would be ") + c.size +
                              " pixels; at most 16384 on a side and 64 million pixels are made (choose a smaller "
                              "--scale or --playlist-size)\n")
            << c.options;
        EXPECT_EQ(r->out, "") << c.options;
        EXPECT_FALSE(fs::exists(dir / "out.png")) << c.options;
    }
}

TEST_F(CliRender, MistakenOptionsAreUsageErrors) {
    TempDir skin;
    for (const std::string& options : {"--scale 0", "--scale 9", "--window side", "--playlist-size 280x116",
                                       "--playlist-size 275", "--pressed play,jump", "--sideways"}) {
        const CliRun r = run("render " + quoted(skin.path()) + " " + options + " -o " + quoted(dir / "out.png"));
        EXPECT_EQ(r.exitCode, 2) << options;
        EXPECT_NE(r.err.find("render: "), std::string::npos) << options;
    }
    EXPECT_EQ(run("render -o " + quoted(dir / "out.png")).exitCode, 2);
    EXPECT_EQ(run("render " + quoted(skin.path())).exitCode, 2);
}

}  // namespace
