// pelterra-cli's region tracing as users run it: several traces at once sharing one per-user work
// folder each keep their own outline, region.txt is never shipped without a trace behind it, a
// project carries its trace, and region pictures of other sizes are fitted or refused clearly.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "image/picture_file.h"
#include "region/region_text_reader.h"

extern char** environ;

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::readFileBytes;
using test_support::TempDir;
namespace fs = std::filesystem;

constexpr Colour kKey = RGB(255, 0, 255);
const std::string kKeyOption = " --key 255,0,255";

// A kept (not key-coloured) rectangle in one window of a region picture.
struct KeptRect {
    int left, top, width, height;
};

// A two-window region picture: key colour everywhere but one rectangle in each window.
Bitmap twoWindowPicture(KeptRect main, KeptRect equalizer) {
    Bitmap picture(275, 232, kKey);
    for (const auto& [rect, dy] : {std::pair{main, 0}, std::pair{equalizer, 116}})
        for (int v = rect.top; v < rect.top + rect.height; ++v)
            for (int u = rect.left; u < rect.left + rect.width; ++u) picture.at(u, v + dy) = kBlack;
    return picture;
}

// The outline a rectangle traces to runs one pixel left of and above it, and along its right and
// bottom edges one past its last column and row: its points span exactly this box.
struct Box {
    int minX, maxX, minY, maxY;
    bool operator==(const Box&) const = default;
};
Box outlineBoxOf(KeptRect r) { return {r.left - 1, r.left + r.width, r.top - 1, r.top + r.height}; }

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "x " << b.minX << ".." << b.maxX << ", y " << b.minY << ".." << b.maxY;
}

Box boxOf(const std::vector<Point>& points) {
    Box box{points.front().x, points.front().x, points.front().y, points.front().y};
    for (const Point& p : points) {
        box.minX = std::min(box.minX, p.x);
        box.maxX = std::max(box.maxX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxY = std::max(box.maxY, p.y);
    }
    return box;
}

// The region.txt of a two-window picture: the main window's section first, the equalizer's
// second (their names follow "EQが下"), one outline each around its rectangle.
void expectOutlinesOf(const std::string& text, KeptRect main, KeptRect equalizer, const std::string& what) {
    auto sections = ParseRegionText(text);
    ASSERT_TRUE(sections.ok()) << what << ": " << sections.error().describe();
    ASSERT_EQ(sections->size(), 2u) << what;
    const KeptRect expected[] = {main, equalizer};
    for (std::size_t i = 0; i < 2; ++i) {
        const RegionTextSection& s = (*sections)[i];
        ASSERT_EQ(s.numPoints.size(), 1u) << what << " [" << s.name << "]";
        EXPECT_EQ(boxOf(s.pointList), outlineBoxOf(expected[i])) << what << " [" << s.name << "]";
    }
}

// Shell command lines started all at once and waited for; their exit codes in order.
std::vector<int> runAtOnce(const std::vector<std::string>& commandLines) {
    std::vector<pid_t> started;
    for (const std::string& line : commandLines) {
        const char* argv[] = {"/bin/sh", "-c", line.c_str(), nullptr};
        pid_t pid = -1;
        if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) pid = -1;
        started.push_back(pid);
    }
    std::vector<int> codes;
    for (pid_t pid : started) {
        int status = 0;
        codes.push_back(pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    return codes;
}

class RegionCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(samplePicture("base_main_eq.bmp"))) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    CliRun run(const std::string& arguments) { return runCli(arguments, dir.path()); }

    // A picture of its own for run i: rectangles at other places and of other sizes than run j's.
    fs::path pictureOfRun(int i, KeptRect& main, KeptRect& equalizer) {
        main = {10 + 50 * i, 10 + 7 * i, 30 + 5 * i, 20 + 3 * i};
        equalizer = {200 - 40 * i, 60 - 9 * i, 25 + 4 * i, 15 + 2 * i};
        const fs::path file = dir / ("shape" + std::to_string(i) + ".bmp");
        EXPECT_TRUE(SavePicture(twoWindowPicture(main, equalizer), file.string()).ok());
        return file;
    }

    // Every run's command line with the per-user folder all of them share.
    std::string sharedRun(const std::string& arguments, int i) const {
        const fs::path log = dir / ("run" + std::to_string(i));
        return "XDG_DATA_HOME=" + quoted(dir / "shared-user-data") + " " + quoted(PELTERRA_CLI) + " " + arguments +
               " >" + quoted(fs::path(log.string() + ".out")) + " 2>" + quoted(fs::path(log.string() + ".err"));
    }

    TempDir dir;
};

// Traces running at once once handed each other their outlines: the work files lie in one
// folder per user, and region.txt was read back from them after the trace.
TEST_F(RegionCli, TracesRunningAtOnceEachWriteTheirOwnPicturesOutline) {
    constexpr int kRuns = 4;
    constexpr int kRounds = 10;  // a collision needs two runs in the same few microseconds
    KeptRect main[kRuns], equalizer[kRuns];
    std::vector<fs::path> pictures;
    for (int i = 0; i < kRuns; ++i) pictures.push_back(pictureOfRun(i, main[i], equalizer[i]));

    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::string> lines;
        for (int i = 0; i < kRuns; ++i)
            lines.push_back(sharedRun("region " + quoted(pictures[i]) + kKeyOption + " -o " +
                                          quoted(dir / ("region" + std::to_string(i) + ".txt")),
                                      i));
        const std::vector<int> codes = runAtOnce(lines);
        for (int i = 0; i < kRuns; ++i) {
            const std::string what = "round " + std::to_string(round) + ", run " + std::to_string(i);
            ASSERT_EQ(codes[i], 0) << what << ": " << readFileBytes(dir / ("run" + std::to_string(i) + ".err"));
            expectOutlinesOf(readFileBytes(dir / ("region" + std::to_string(i) + ".txt")), main[i], equalizer[i], what);
        }
    }
}

// The skin save once read the work files back long after the trace, while other builds traced.
TEST_F(RegionCli, BuildsRunningAtOnceEachShipTheirOwnPicturesOutline) {
    constexpr int kRuns = 4;
    constexpr int kRounds = 5;
    KeptRect main[kRuns], equalizer[kRuns];
    std::vector<fs::path> pictures;
    for (int i = 0; i < kRuns; ++i) pictures.push_back(pictureOfRun(i, main[i], equalizer[i]));
    const std::string base = quoted(samplePicture("base_main_eq.bmp"));

    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::string> lines;
        for (int i = 0; i < kRuns; ++i)
            lines.push_back(sharedRun("build " + base + " --region " + quoted(pictures[i]) + kKeyOption + " -o " +
                                          quoted(dir / ("skin" + std::to_string(round) + "-" + std::to_string(i))),
                                      i));
        const std::vector<int> codes = runAtOnce(lines);
        for (int i = 0; i < kRuns; ++i) {
            const std::string what = "round " + std::to_string(round) + ", build " + std::to_string(i);
            ASSERT_EQ(codes[i], 0) << what << ": " << readFileBytes(dir / ("run" + std::to_string(i) + ".err"));
            const fs::path skin = dir / ("skin" + std::to_string(round) + "-" + std::to_string(i));
            expectOutlinesOf(readFileBytes(skin / "region.txt"), main[i], equalizer[i], what);
        }
    }
}

// The work files are only a courtesy: a per-user folder that cannot be made (HOME is a file here,
// as tests run as root, whom permissions do not bind) once failed region and build --region. Now
// their outputs are written with one warning; region without -o, whose only output is the work
// copy, fails and says where to write instead.
TEST_F(RegionCli, AnUnwritablePerUserFolderCostsAWarningNotTheOutput) {
    KeptRect main, equalizer;
    const fs::path picture = pictureOfRun(1, main, equalizer);
    const fs::path home = dir / "home-is-a-file";
    std::ofstream(home) << "not a folder";
    const std::string homeless = "env -u XDG_DATA_HOME HOME=" + quoted(home) + " " + quoted(PELTERRA_CLI) + " ";
    const std::string reason = home.string() +
                               "/.local/share/pelterra/system: cannot write the region work file: cannot create the "
                               "per-user folder of the work files: a part of the path is not a folder";
    struct Case {
        std::string arguments;
        int exitCode;
        std::string says;   // the one line about the work files on stderr
        fs::path written;   // the region.txt made, if any
    };
    const Case cases[] = {
        {"region " + quoted(picture) + kKeyOption + " -o " + quoted(dir / "region.txt"), 0,
         "pelterra-cli region: warning: the work files were left out: " + reason, dir / "region.txt"},
        {"build " + quoted(samplePicture("base_main_eq.bmp")) + " --region " + quoted(picture) + kKeyOption + " -o " +
             quoted(dir / "skin"),
         0, "pelterra-cli build: warning: the region work files were left out: " + reason, dir / "skin" / "region.txt"},
        {"region " + quoted(picture) + kKeyOption, 1,
         "pelterra-cli region: region.txt was not written: " + reason + " (name where it goes with -o FILE)", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun result = runShell(homeless + c.arguments, dir.path());
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        std::vector<std::string> aboutWorkFiles;
        std::istringstream err(result.err);
        for (std::string line; std::getline(err, line);)
            if (line.find("work file") != std::string::npos) aboutWorkFiles.push_back(line);
        EXPECT_EQ(aboutWorkFiles, std::vector<std::string>{c.says});
        if (!c.written.empty()) expectOutlinesOf(readFileBytes(c.written), main, equalizer, c.arguments);
    }
    EXPECT_EQ(readFileBytes(home), "not a folder");
}

// RegionCheck with outline counts but without a trace once shipped the outline of whatever
// picture was traced last in the per-user folder, with success.
TEST_F(RegionCli, RegionCheckWithoutATraceIsAnErrorAndLeavesTheEarlierSkin) {
    KeptRect main, equalizer;
    const fs::path picture = pictureOfRun(0, main, equalizer);
    ASSERT_EQ(run("region " + quoted(picture) + kKeyOption).exitCode, 0);  // work files of another picture
    const std::string base = quoted(samplePicture("base_main_eq.bmp"));
    const fs::path skin = dir / "skin";
    ASSERT_EQ(run("build " + base + " -o " + quoted(skin)).exitCode, 0);
    const std::string mainBefore = readFileBytes(skin / "main.bmp");

    const CliRun refused = run("build " + base + " --set RegionCheck=1 --set MainOutlineCount=1 -o " + quoted(skin));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no region picture was traced: add --region PICTURE --key R,G,B"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(skin / "region.txt"));
    EXPECT_EQ(readFileBytes(skin / "main.bmp"), mainBefore);

    // A project that carries those values but no trace of its own is refused the same way.
    const fs::path project = dir / "old-project";
    ASSERT_EQ(run("project save " + quoted(project) + " " + base + " --set RegionCheck=1 --set MainOutlineCount=1")
                  .exitCode,
              0);
    const CliRun fromProject = run("build --project " + quoted(project) + " -o " + quoted(dir / "skin2"));
    EXPECT_EQ(fromProject.exitCode, 1);
    EXPECT_NE(fromProject.err.find("no region picture was traced"), std::string::npos) << fromProject.err;
    EXPECT_FALSE(fs::exists(dir / "skin2"));
}

TEST_F(RegionCli, AProjectKeepsItsTraceAndRebuildsTheSameRegionText) {
    KeptRect main, equalizer, otherMain, otherEqualizer;
    const fs::path picture = pictureOfRun(1, main, equalizer);
    const fs::path other = pictureOfRun(2, otherMain, otherEqualizer);
    const std::string base = quoted(samplePicture("base_main_eq.bmp"));
    const fs::path project = dir / "shaped";
    const CliRun saved = run("project save " + quoted(project) + " " + base + " --region " + quoted(picture) + kKeyOption);
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    ASSERT_EQ(run("region " + quoted(other) + kKeyOption).exitCode, 0);  // the work files now hold another trace

    const CliRun built = run("build --project " + quoted(project) + " -o " + quoted(dir / "skin"));
    ASSERT_EQ(built.exitCode, 0) << built.err;
    const std::string text = readFileBytes(dir / "skin" / "region.txt");
    expectOutlinesOf(text, main, equalizer, "the project's skin");
    ASSERT_EQ(run("build " + base + " --region " + quoted(picture) + kKeyOption + " -o " + quoted(dir / "direct"))
                  .exitCode,
              0);
    EXPECT_EQ(text, readFileBytes(dir / "direct" / "region.txt"));

    // A count beyond the outlines the project holds is refused, not cut short.
    const CliRun beyond =
        run("build --project " + quoted(project) + " --set MainOutlineCount=3 -o " + quoted(dir / "skin3"));
    EXPECT_EQ(beyond.exitCode, 1);
    EXPECT_NE(beyond.err.find("MainOutlineCount is 3, but the last region trace found 1 outline(s)"), std::string::npos)
        << beyond.err;
    EXPECT_FALSE(fs::exists(dir / "skin3"));
}

TEST_F(RegionCli, ARegionPictureOfAnotherSizeIsFittedByTheOptionTheMessageNames) {
    const fs::path tall = dir / "tall.bmp";
    Bitmap picture(275, 348, kBlack);
    ASSERT_TRUE(SavePicture(picture, tall.string()).ok());
    const std::string base = quoted(samplePicture("base_main_eq.bmp"));

    const CliRun unfitted = run("build " + base + " --region " + quoted(tall) + kKeyOption + " -o " + quoted(dir / "a"));
    EXPECT_EQ(unfitted.exitCode, 1);
    EXPECT_NE(unfitted.err.find("275*348, neither 275*116 nor 275*232: say how to fit it with --region-fit 0"),
              std::string::npos)
        << unfitted.err;
    EXPECT_FALSE(fs::exists(dir / "a"));

    const CliRun halves =
        run("build " + base + " --region " + quoted(tall) + kKeyOption + " --region-fit 1 -o " + quoted(dir / "b"));
    ASSERT_EQ(halves.exitCode, 0) << halves.err;
    auto sections = ParseRegionText(readFileBytes(dir / "b" / "region.txt"));
    ASSERT_TRUE(sections.ok()) << sections.error().describe();
    EXPECT_EQ(sections->size(), 2u);

    const CliRun alone = run("build " + base + " --region-fit 1 -o " + quoted(dir / "c"));
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_NE(alone.err.find("--region-fit fits the picture of --region PICTURE"), std::string::npos) << alone.err;
}

// --fit 3 keeps the areas as an earlier picture left them; a run of its own has none, and it
// once wrote the outline of an empty window with success.
TEST_F(RegionCli, FitThreeIsRefusedWithItsReason) {
    const fs::path tall = dir / "tall.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(275, 348, kBlack), tall.string()).ok());
    const CliRun refused = run("region " + quoted(tall) + kKeyOption + " --fit 3 -o " + quoted(dir / "region.txt"));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("3 would keep the picture areas as an earlier region picture left them"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(dir / "region.txt"));
    const CliRun fitted = run("region " + quoted(tall) + kKeyOption + " --fit 0 -o " + quoted(dir / "region.txt"));
    EXPECT_EQ(fitted.exitCode, 0) << fitted.err;
    EXPECT_TRUE(ParseRegionText(readFileBytes(dir / "region.txt")).ok());
}

}  // namespace
