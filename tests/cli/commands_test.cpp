// pelterra-cli's exit codes and help, and the parts and controls listings, as a user runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "document/document.h"
#include "document/initial_state.h"
#include "parts/catalogue.h"
#include "project/manifest.h"

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::TempDir;
namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(kBin / "PartsData")) GTEST_SKIP() << "the parts library was not drawn";
    }
    CliRun run(const std::string& arguments) { return runCli(arguments, dir.path()); }
    TempDir dir;
};

TEST_F(Cli, EveryCommandHasHelp) {
    for (const char* command : {"parts", "catalogue", "controls", "build", "project", "make", "region"}) {
        SCOPED_TRACE(command);
        for (const std::string& asked : {std::string(command) + " --help", std::string(command) + " -h",
                                         std::string("help ") + command}) {
            const CliRun help = run(asked);
            EXPECT_EQ(help.exitCode, 0);
            EXPECT_EQ(help.out.rfind(std::string("usage: pelterra-cli ") + command + " ", 0), 0u) << help.out;
        }
    }
    EXPECT_EQ(run("--help").exitCode, 0);
    EXPECT_EQ(run("help nothing").exitCode, 2);
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    const std::string sample = quoted(samplePicture("base_main.bmp"));
    const std::vector<std::string> wrong = {
        "",                                                          // no command
        "paint",                                                     // no such command
        "build " + sample,                                           // no -o
        "build " + sample + " --fit sideways -o " + quoted(dir / "x"),
        "build " + sample + " --set VolumeCheck -o " + quoted(dir / "x"),  // no "="
        "build " + sample + " " + sample + " -o " + quoted(dir / "x"),      // two pictures
        "build " + sample + " --colour red -o " + quoted(dir / "x"),
        "build " + sample + " -o",                                   // -o without its value
        "parts --parts",
        "parts --everything",
        "controls a b",
    };
    for (const std::string& arguments : wrong) {
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 2) << arguments;
        EXPECT_FALSE(refused.err.empty()) << arguments;
        EXPECT_EQ(refused.out, "") << arguments;
    }
    EXPECT_FALSE(fs::exists(dir / "x"));
}

TEST_F(Cli, FailuresExitWithOneAndSayWhat) {
    const CliRun noPicture = run("build " + quoted(dir / "missing.bmp") + " -o " + quoted(dir / "x"));
    EXPECT_EQ(noPicture.exitCode, 1);
    EXPECT_NE(noPicture.err.find("missing.bmp"), std::string::npos) << noPicture.err;

    const CliRun noLibrary = run("parts --parts " + quoted(dir.path()));
    EXPECT_EQ(noLibrary.exitCode, 1);
    EXPECT_NE(noLibrary.err.find("no PartsData folder"), std::string::npos) << noLibrary.err;
    EXPECT_EQ(run("controls --parts " + quoted(dir.path())).exitCode, 1);
}

TEST_F(Cli, PartsPrintsTheCatalogueOfTheLibrary) {
    const PartsCatalogue catalogue = fillPartsCatalogue(kBin);
    std::string expected;
    for (const ListRef ref : PartsCatalogue::allLists()) {
        const PartList& list = catalogue.at(ref);
        expected += controlLabel(ref) + "\t" + std::to_string(list.firstSectionCount);
        for (const std::string& entry : list.entries) expected += "\t" + entry;
        expected += "\n";
    }
    const CliRun parts = run("parts");
    ASSERT_EQ(parts.exitCode, 0) << parts.err;
    EXPECT_EQ(parts.out, expected);
    EXPECT_EQ(linesOf(parts.out).front().rfind("lstData(0)\t", 0), 0u);
    std::string progress;  // on stderr, in English
    for (const std::string& line : catalogueProgressLines()) progress += line + "\n";
    EXPECT_EQ(parts.err, progress);
    EXPECT_EQ(linesOf(parts.err).front(), "Loading the cbutton parts");

    // The older name and form of the command list the same.
    EXPECT_EQ(run("catalogue " + quoted(kBin)).out, expected);
    EXPECT_EQ(run("parts --parts " + quoted(kBin)).out, expected);
}

TEST_F(Cli, ControlsListsEveryControlOfTheInitialState) {
    const CliRun controls = run("controls");
    ASSERT_EQ(controls.exitCode, 0) << controls.err;
    const std::vector<std::string> lines = linesOf(controls.out);

    Document doc;
    ASSERT_TRUE(InitialiseDocument(doc, kBin).ok());
    ASSERT_EQ(lines.size(), doc.controlKeys().size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& key = doc.controlKeys()[i];
        ASSERT_EQ(lines[i].rfind(key + "=", 0), 0u) << lines[i];
        EXPECT_EQ(UnescapeManifestValue(lines[i].substr(key.size() + 1)), *doc.getByName(key)) << key;
    }
    // The values the start chooses, as --set takes them.
    for (const char* line : {"chkPLMake=1", "VolumeCheck=1", "CbuttonsCheck=1", "ShufrepCheck=1", "chkPLShade=1", "PLStyleCombo=0", "hscR(0)=0",
                             "lstData(0)=0",
                             "Text2=[Text]\\r\\nNormal=#00C000\\r\\nNormalBG=#000000\\r\\nSelectedBG=#0000C0\\r\\n"
                             "Current=#FFFFFF\\r\\n"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

// The first line of `text` that holds a kana, a kanji or a full-width form (in UTF-8: lead bytes
// E3 to E9 for U+3000 to U+9FFF, EF BC to EF BF for U+FF00 to U+FFFF); empty when none does.
std::string firstJapaneseLine(const std::string& text) {
    for (const std::string& line : linesOf(text)) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            const auto lead = static_cast<unsigned char>(line[i]);
            const auto next = static_cast<unsigned char>(line[i + 1]);
            if ((lead >= 0xE3 && lead <= 0xE9) || (lead == 0xEF && next >= 0xBC && next <= 0xBF)) return line;
        }
    }
    return {};
}

// The command line speaks English: its progress, listings, warnings and errors.
TEST_F(Cli, EveryCommandSpeaksEnglish) {
    const std::string sample = quoted(samplePicture("base_main_eq.bmp"));
    const std::string region = quoted(samplePicture("region_main_eq.bmp")) + " --key 255,0,255";
    const std::vector<std::string> commandLines = {
        "parts",
        "controls",
        "region " + region + " -o " + quoted(dir / "region.txt"),
        "build " + sample + " --region " + region + " --preview " + quoted(dir / "preview.png") + " -o " +
            quoted(dir / "skin.wsz"),
        "render " + quoted(dir / "skin.wsz") + " -o " + quoted(dir / "skin.png"),
        "project save " + quoted(dir / "project") + " " + sample,
        "make frame --to main --project " + quoted(dir / "project"),
        "build " + quoted(dir / "missing.bmp") + " -o " + quoted(dir / "x.wsz"),
        "render " + quoted(dir / "region.txt") + " -o " + quoted(dir / "x.png"),
        "region " + quoted(dir / "preview.png") + " --key 255,0,255 -o " + quoted(dir / "r.txt"),
    };
    for (const std::string& line : commandLines) {
        const CliRun result = run(line);
        EXPECT_EQ(firstJapaneseLine(result.out), "") << line;
        EXPECT_EQ(firstJapaneseLine(result.err), "") << line;
    }
}

}  // namespace
