// The generated PartsData tree: its folders and fixed files, the sizes of every Data/Mask pair,
// the mask convention, the catalogue the program fills from it, and repeatable output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "image/drawing.h"
#include "image/picture_file.h"
#include "parts/catalogue.h"
#include "support/temp_dir.h"
#include "tools/library_files.h"

namespace pelterra {
namespace {

namespace fs = std::filesystem;

using namespace library_files;

struct Size {
    int w, h;
};

// A category folder: the size of its parts (the Data slot) and of its Mask slot.
struct CategorySizes {
    const char* folder;
    Size data;
    Size maskSlot;
};
const CategorySizes kPairedCategories[] = {
    {"cbuttons", {136, 36}, {136, 36}},   {"shufrep", {92, 85}, {92, 85}},
    {"monoster", {58, 24}, {58, 33}},     {"playpaus", {42, 9}, {42, 9}},
    {"slider", {59, 22}, {59, 22}},       {"titlebar", {344, 87}, {344, 87}},
    {"frame", {275, 116}, {275, 116}},    {"eq/onauto", {235, 12}, {235, 12}},
    {"eq/frame", {275, 116}, {275, 116}}, {"eq/bar", {275, 47}, {275, 47}},
    {"eq/image", {116, 21}, {116, 21}},   {"eq/preset", {44, 25}, {44, 25}},
};
// Folders of frames and of the equalizer title bar: the picture shows through them, so every part
// there has a mask.
bool isFrameFolder(const std::string& folder) {
    return folder == "frame" || folder == "eq/frame" || folder == "eq/bar";
}

// Number and text parts are one file each, loaded into the Data slot and the Mask slot.
const CategorySizes kGlyphCategories[] = {
    {"number", {108, 13}, {117, 21}},
    {"text", {155, 18}, {155, 18}},
};

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

void expectSize(const Bitmap& b, Size s, const fs::path& file) {
    EXPECT_EQ(b.width(), s.w) << file;
    EXPECT_EQ(b.height(), s.h) << file;
}

void expectFitsSlot(const Bitmap& b, Size slot, const fs::path& file) {
    EXPECT_LE(b.width(), slot.w) << file;
    EXPECT_LE(b.height(), slot.h) << file;
}

// White covers, black shows through; a grey pixel is allowed only on an edge, next to a pure
// white or pure black pixel. Every pixel is neutral.
void expectMaskConvention(const Bitmap& mask, const fs::path& file) {
    int grey = 0, unexplainedGrey = 0, tinted = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const Colour c = mask.at(x, y);
            if (GetRed(c) != GetGreen(c) || GetRed(c) != GetBlue(c)) ++tinted;
            if (c == kWhite || c == kBlack) continue;
            ++grey;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) {
                    const Colour n = GetPixel(mask, x + dx, y + dy);
                    edge = mask.contains(x + dx, y + dy) && (n == kWhite || n == kBlack);
                }
            if (!edge) ++unexplainedGrey;
        }
    }
    EXPECT_EQ(tinted, 0) << file;
    EXPECT_EQ(unexplainedGrey, 0) << file;
    EXPECT_LT(grey * 4, mask.width() * mask.height()) << file << ": grey is for edges only";
}

TEST(GeneratedParts, EveryFolderAndFixedFileExists) {
    for (const char* folder : {"cbuttons", "shufrep", "monoster", "playpaus", "slider", "titlebar", "frame",
                               "number", "text", "eq", "eq/slider", "eq/onauto", "eq/frame", "eq/bar",
                               "eq/image", "eq/preset", "system"})
        EXPECT_TRUE(fs::is_directory(kParts / folder)) << folder;
    for (const char* file : {"cg.bmp", "eq/slider/DefaultMiniWhite.mask.bmp", "eq/slider/DefaultBackWhite.back.bmp",
                             "system/volume.data.bmp", "system/volume.mask.bmp", "system/volume2.data.bmp",
                             "system/volume2.mask.bmp", "system/region.txt", "system/region1.txt",
                             "system/region2.txt", "system/region3.txt", "system/region4.txt"})
        EXPECT_TRUE(fs::is_regular_file(kParts / file)) << file;
    for (const CategorySizes& c : kPairedCategories)
        EXPECT_TRUE(fs::is_regular_file(kParts / c.folder / "Default_white.mask.bmp")) << c.folder;
}

TEST(GeneratedParts, PairsHaveTheSizeOfTheirCategoryAndFitTheMaskSlot) {
    for (const CategorySizes& c : kPairedCategories) {
        const fs::path folder = kParts / c.folder;
        int singleFolder = 0, split = 0, withoutMask = 0;
        for (const fs::path& file : filesIn(folder)) {
            const std::string name = file.filename().string();
            if (name == "Default_white.mask.bmp") {
                const Bitmap mask = load(file);
                expectSize(mask, c.data, file);
                EXPECT_TRUE(std::all_of(mask.pixels().begin(), mask.pixels().end(), [](Colour p) { return p == kWhite; }));
            } else if (endsWith(name, ".data.bmp")) {
                const Bitmap data = load(file);
                expectSize(data, c.data, file);
                const fs::path mask = folder / (name.substr(0, name.size() - 9) + ".mask.bmp");
                if (fs::exists(mask)) {
                    expectSize(load(mask), c.data, mask);
                    expectFitsSlot(load(mask), c.maskSlot, mask);
                    ++singleFolder;
                } else {
                    ++withoutMask;
                }
            } else if (endsWith(name, ".mask.bmp")) {
                EXPECT_TRUE(fs::exists(folder / (name.substr(0, name.size() - 9) + ".data.bmp"))) << file;
            }
        }
        for (const fs::path& data : fs::is_directory(folder / "data") ? filesIn(folder / "data") : std::vector<fs::path>{}) {
            const fs::path mask = folder / "mask" / data.filename();
            ASSERT_TRUE(fs::exists(mask)) << mask;
            expectSize(load(data), c.data, data);
            expectSize(load(mask), c.data, mask);
            ++split;
        }
        // Both storage forms, and a part that leaves its mask to Default_white; a frame always
        // brings its own mask, or it would cover the whole picture.
        EXPECT_GE(singleFolder, 1) << c.folder;
        EXPECT_GE(split, 1) << c.folder;
        if (isFrameFolder(c.folder)) EXPECT_EQ(withoutMask, 0) << c.folder;
        else EXPECT_GE(withoutMask, 1) << c.folder;
    }
    for (const CategorySizes& c : kGlyphCategories) {
        for (const fs::path& file : filesIn(kParts / c.folder)) {
            const Bitmap sheet = load(file);
            expectSize(sheet, c.data, file);
            expectFitsSlot(sheet, c.maskSlot, file);
        }
    }
}

TEST(GeneratedParts, MasksAreWhiteAndBlackWithGreyOnlyOnEdges) {
    std::vector<fs::path> masks;
    for (const auto& e : fs::recursive_directory_iterator(kParts)) {
        const std::string path = e.path().generic_string();
        if (e.is_regular_file() && (endsWith(path, ".mask.bmp") || path.find("/mask/") != std::string::npos ||
                                    path.find("/number/") != std::string::npos || path.find("/text/") != std::string::npos))
            masks.push_back(e.path());
    }
    EXPECT_GE(masks.size(), 60u);
    for (const fs::path& file : masks) expectMaskConvention(load(file), file);
}

TEST(GeneratedParts, EveryCatalogueListHoldsAtLeastFourEntries) {
    const PartsCatalogue catalogue = fillPartsCatalogue(kBin);
    for (const ListRef ref : PartsCatalogue::allLists()) {
        const PartList& list = catalogue.at(ref);
        EXPECT_GE(list.count(), 4) << controlLabel(ref);
    }
    // The cbuttons list shows single-folder parts first, then the data\ subfolder's.
    const PartList& cbuttons = catalogue.at({CatalogueList::lstData, 0});
    EXPECT_GT(cbuttons.firstSectionCount, 0);
    EXPECT_LT(cbuttons.firstSectionCount, cbuttons.count());
}

TEST(GeneratedParts, EveryBitmapIs24BitsWithPaddedRows) {
    for (const auto& e : fs::recursive_directory_iterator(kBin)) {
        if (!e.is_regular_file() || e.path().extension() != ".bmp") continue;
        const std::string bytes = test_support::readFileBytes(e.path());
        ASSERT_GE(bytes.size(), 54u) << e.path();
        const int bits = static_cast<unsigned char>(bytes[28]);
        const Bitmap b = load(e.path());
        EXPECT_EQ(bits, 24) << e.path();
        EXPECT_EQ(bytes.size(), 54u + static_cast<std::size_t>((b.width() * 3 + 3) / 4 * 4) * b.height()) << e.path();
    }
}

std::map<std::string, std::string> readTree(const fs::path& root) {
    std::map<std::string, std::string> tree;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) tree[fs::relative(e.path(), root).generic_string()] = test_support::readFileBytes(e.path());
    return tree;
}

int runGenerator(const fs::path& out) {
    const std::string command = std::string("\"") + PELTERRA_PARTSGEN + "\" \"" + out.string() + "\"";
    return std::system(command.c_str());
}

TEST(GeneratedParts, TwoRunsWriteTheSameBytes) {
    test_support::TempDir first, second;
    ASSERT_EQ(runGenerator(first.path()), 0);
    ASSERT_EQ(runGenerator(second.path()), 0);
    const auto a = readTree(first.path()), b = readTree(second.path());
    EXPECT_GT(a.size(), 150u);
    EXPECT_TRUE(a.count("PartsData-contact-sheet.png"));
    EXPECT_TRUE(a == b);
}

TEST(GeneratedParts, ARunOverAnEarlierTreeRestoresChangedFiles) {
    test_support::TempDir out;
    ASSERT_EQ(runGenerator(out.path()), 0);
    const auto before = readTree(out.path());
    const fs::path region = out.path() / "PartsData/system/region1.txt";
    {
        std::ofstream(region, std::ios::trunc) << "12,";
    }
    ASSERT_EQ(runGenerator(out.path()), 0);
    EXPECT_TRUE(readTree(out.path()) == before);
}

}  // namespace
}  // namespace pelterra
