// The skins pelterra-cli makes from the sample pictures, pinned byte for byte: every file of the
// skin folder and the preview picture, for the unchanged start and for a fixed set of choices
// that reaches every kind of control. The expected hashes in tests/data/golden/skins.txt were made
// before the core was reorganised; a change that alters any byte of any skin shows here.
// PELTERRA_UPDATE_GOLDEN=1 writes the file anew (only when a change of output is intended).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using namespace pelterra::cli_test;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

const fs::path kGoldenFile = fs::path(PELTERRA_SOURCE_DIR) / "tests" / "data" / "golden" / "skins.txt";

struct GoldenCase {
    const char* name;
    const char* arguments;  // after "build", before "-o"; sample pictures are named "@file"
};

// Choices in the order a user makes them in the window: a part first, then its colour bars.
constexpr const char* kEveryKindOfChoice =
    "@base_main_eq_playlist.bmp"
    " --set lstData(0)=Glass --set lstData(1)=Metal --set lstData(2)=Flat --set lstData(3)=Outline"
    " --set lstData(4)=Glass --set chkTitlebarLink=1 --set lstData(5)=Flat --set lstMask(5)=Glass"
    " --set lstData(6)=Outline --set lstData(7)=Pixel --set lstData(8)=Tall"
    " --set lstData(9)=Metal --set chkLayer1=1"
    " --set hscR(0)=60 --set hscG(1)=-40 --set hscB(5)=100 --set hscR(3)=-256"
    " --set optPelterra(0)=1 --set optPelterra(4)=1 --set optPelterra(5)=1 --set optEQPelterra(2)=1"
    " --set ShufrepCheck=1 --set MonosterCheck2=1 --set PlaypausCheck=1 --set FrameCheck=1"
    " --set TitleBarCheck2=1 --set CbuttonsCheck=0"
    " --set lstEQData(0)=Glass --set lstEQData(2)=Metal --set lstEQData(3)=Flat --set lstEQData(4)=Outline"
    " --set hscR(7)=50 --set hscB(9)=-30"
    " --set EQCheck=1 --set OnAutoCheck=1 --set ImageCheck2=1 --set PresetCheck=1 --set EQFrameCheck=1"
    " --set SliderCombo=Glass --set BackColorCombo=Ocean --set UseSliderBack=1"
    " --set chkASP=1 --set optPLButton(1)=1 --set ViscolorSpec(0)=255 --set ViscolorPeak=65280";

constexpr GoldenCase kCases[] = {
    {"main", "@base_main.bmp"},
    {"main_eq", "@base_main_eq.bmp"},
    {"main_eq_playlist", "@base_main_eq_playlist.bmp"},
    {"every_kind_of_choice", kEveryKindOfChoice},
    {"shaped", "@base_main_eq.bmp --region @region_main_eq.bmp --key 255,0,255"},
    {"stretched", "@base_main_eq.bmp --fit playlist --set lstData(7)=SevenSegment --set hscG(2)=90"},
};

// Replaces "@file" words with the sample picture's quoted path.
std::string withSamplePaths(const std::string& arguments) {
    std::istringstream words(arguments);
    std::string word, out;
    while (words >> word) {
        if (!out.empty()) out += ' ';
        out += word[0] == '@' ? quoted(samplePicture(word.substr(1))) : "\"" + word + "\"";
    }
    return out;
}

std::uint64_t fnv1a64(const std::string& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string hex(std::uint64_t v) {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(v));
    return buffer;
}

// "case/file" -> hash of every file a case wrote.
using Hashes = std::map<std::string, std::string>;

Hashes hashesOf(const std::string& caseName, const fs::path& skin, const fs::path& preview) {
    Hashes hashes;
    for (const auto& entry : fs::directory_iterator(skin))
        hashes[caseName + "/" + entry.path().filename().string()] = hex(fnv1a64(readFileBytes(entry.path())));
    hashes[caseName + "/preview.png"] = hex(fnv1a64(readFileBytes(preview)));
    return hashes;
}

Hashes readGolden() {
    Hashes hashes;
    std::ifstream in(kGoldenFile);
    std::string key, value;
    while (in >> key >> value) hashes[key] = value;
    return hashes;
}

void writeGolden(const Hashes& hashes) {
    std::ofstream out(kGoldenFile, std::ios::binary);
    for (const auto& [key, value] : hashes) out << key << ' ' << value << '\n';
}

TEST(GoldenSkins, EverySampleBuildsTheSameBytesAsBeforeTheReorganisation) {
    if (!fs::exists(samplePicture("base_main.bmp"))) GTEST_SKIP() << "the sample pictures were not drawn";
    TempDir dir;
    Hashes actual;
    for (const GoldenCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const fs::path skin = dir / c.name;
        const fs::path preview = dir / (std::string(c.name) + ".png");
        const CliRun run = runCli("build " + withSamplePaths(c.arguments) + " --preview " + quoted(preview) +
                                      " -o " + quoted(skin),
                                  dir.path());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        actual.merge(hashesOf(c.name, skin, preview));
    }
    if (std::getenv("PELTERRA_UPDATE_GOLDEN")) {
        writeGolden(actual);
        GTEST_SKIP() << "wrote " << kGoldenFile;
    }
    const Hashes expected = readGolden();
    ASSERT_FALSE(expected.empty()) << kGoldenFile << " is missing";
    for (const auto& [key, value] : expected) {
        const auto it = actual.find(key);
        if (it == actual.end()) ADD_FAILURE() << key << " is no longer written";
        else EXPECT_EQ(it->second, value) << key << " changed";
    }
    for (const auto& [key, value] : actual)
        EXPECT_TRUE(expected.count(key)) << key << " is written but was not before";
}

}  // namespace
