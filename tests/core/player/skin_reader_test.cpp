// Reading skins as players find them: folders and archives in any letter case, files in a folder
// of the archive, 8-bit sheets, text files that parse in part, and the damaged and crafted
// archives that must be refused with one error.
#include <gtest/gtest.h>

#include <fstream>

#include "image/picture_file.h"
#include "player/skin_reader.h"
#include "support/crafted_archives.h"
#include "support/temp_dir.h"
#include "synthetic_skin.h"

namespace {

using namespace pelterra;
using namespace pelterra::player_test;
using test_support::TempDir;
using test_support::zipBytes;

std::string bmp(const Bitmap& picture) {
    const auto bytes = EncodeBmp24(picture);
    return std::string(bytes.begin(), bytes.end());
}

std::span<const std::uint8_t> asBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

bool noted(const Skin& skin, std::string_view file) {
    return std::any_of(skin.missing.begin(), skin.missing.end(), [&](const SkinNote& n) { return n.file == file; });
}

// An 8-bit BMP of 4x2 pixels whose palette holds `colours` and whose pixels count 0..7 along the rows.
std::string paletteBmp(const std::vector<Colour>& colours) {
    std::string b(54 + 256 * 4 + 8, '\0');
    const auto le = [&](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 255u);
    };
    b[0] = 'B', b[1] = 'M';
    le(2, static_cast<std::uint32_t>(b.size()), 4);
    le(10, 54 + 256 * 4, 4);
    le(14, 40, 4), le(18, 4, 4), le(22, 2, 4), le(26, 1, 2), le(28, 8, 2), le(46, 256, 4);
    for (std::size_t i = 0; i < colours.size(); ++i)
        le(54 + 4 * i, static_cast<std::uint32_t>(GetBlue(colours[i]) | GetGreen(colours[i]) << 8 | GetRed(colours[i]) << 16), 4);
    for (int i = 0; i < 8; ++i) b[54 + 256 * 4 + i] = static_cast<char>(i < 4 ? i + 4 : i - 4);  // bottom row first
    return b;
}

TEST(SkinArchive, NamesAreMatchedInAnyLetterCase) {
    const Bitmap main = codedSheet("main.bmp", 275, 116);
    const auto skin = ReadSkinArchive(asBytes(zipBytes({{"MAIN.BMP", bmp(main)}, {"PlEdit.Txt", "[text]\r\nnormal=#010203\r\n"}})), "skin.wsz");
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    EXPECT_EQ(skin->sheet("main.bmp"), main);
    EXPECT_EQ(skin->playlistColours.normal, RGB(1, 2, 3));
    EXPECT_EQ(skin->archiveFolder, "");
    EXPECT_FALSE(noted(*skin, "main.bmp"));
    EXPECT_TRUE(noted(*skin, "cbuttons.bmp"));
}

TEST(SkinArchive, FilesInAFolderAreTakenFromTheFirstFolderHoldingMainBmp) {
    const Bitmap main = codedSheet("main.bmp", 275, 116);
    const Bitmap numbers = codedSheet("numbers.bmp", 99, 13);
    const auto skin = ReadSkinArchive(asBytes(zipBytes({{"readme/numbers.bmp", bmp(Bitmap(99, 13))},
                                                        {"My Skin/Main.bmp", bmp(main)},
                                                        {"My Skin/numbers.bmp", bmp(numbers)},
                                                        {"Other/main.bmp", bmp(Bitmap(275, 116))}})),
                                      "nested.zip");
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    EXPECT_EQ(skin->archiveFolder, "My Skin/");
    EXPECT_EQ(skin->sheet("main.bmp"), main);
    EXPECT_EQ(skin->sheet("numbers.bmp"), numbers);
}

TEST(SkinArchive, EightBitSheetsAreRead) {
    const std::vector<Colour> palette = {RGB(1, 2, 3), RGB(10, 20, 30), RGB(200, 100, 50), RGB(9, 8, 7),
                                         RGB(0, 0, 0), RGB(255, 255, 255), RGB(4, 5, 6), RGB(60, 70, 80)};
    const auto skin = ReadSkinArchive(asBytes(zipBytes({{"playpaus.bmp", paletteBmp(palette)}})), "eight.wsz");
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    const Bitmap& sheet = skin->sheet("playpaus.bmp");
    ASSERT_EQ(sheet.width(), 4);
    EXPECT_EQ(sheet.at(2, 0), palette[2]);
    EXPECT_EQ(sheet.at(3, 1), palette[7]);
}

TEST(SkinArchive, AnUndecodableSheetIsAPlaceholderAndNamed) {
    const auto skin = ReadSkinArchive(asBytes(zipBytes({{"numbers.bmp", "BM not really"}})), "broken.wsz");
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    EXPECT_TRUE(noted(*skin, "numbers.bmp"));
    EXPECT_EQ(skin->sheet("numbers.bmp"), PlaceholderSheet(99, 13));
}

TEST(SkinArchive, DamagedAndCraftedArchivesAreRefusedWithOneError) {
    for (const test_support::CraftedArchive& crafted : test_support::craftedArchives()) {
        const auto skin = ReadSkinArchive(asBytes(crafted.bytes), "crafted.wsz");
        ASSERT_FALSE(skin.ok()) << crafted.what;
        EXPECT_EQ(skin.error().message, crafted.message) << crafted.what;
        EXPECT_EQ(skin.error().path, "crafted.wsz");
    }
}

// The archive with one entry's name changed in both its headers: the packer never writes a name
// twice, and a name of the same length keeps every offset.
std::string renamed(std::string bytes, const std::string& from, const std::string& to) {
    for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + 1)) bytes.replace(at, to.size(), to);
    return bytes;
}

TEST(SkinArchive, AFileGivenTwiceIsReadOnceAndBothAreNamed) {
    const Bitmap first(275, 116, RGB(10, 0, 0)), second(275, 116, RGB(0, 20, 0)), third(275, 116, RGB(0, 0, 30));
    const std::string numbers = bmp(Bitmap(99, 13));
    struct Case {
        std::string what, archive;
        const Bitmap& drawn;  // the main.bmp drawn: the last entry's
        std::string message;
    };
    const Case cases[] = {
        {"one name twice", renamed(zipBytes({{"main.bmp", bmp(first)}, {"numbers.bmp", numbers}, {"mXin.bmp", bmp(second)}}), "mXin.bmp", "main.bmp"),
         second,
         "the archive holds 2 files of this name (\"main.bmp\", \"main.bmp\"); the last, \"main.bmp\", is read"},
        {"the lower-case spelling first", zipBytes({{"main.bmp", bmp(first)}, {"MAIN.BMP", bmp(second)}, {"numbers.bmp", numbers}}),
         second,
         "the archive holds 2 files of this name (\"main.bmp\", \"MAIN.BMP\"); the last, \"MAIN.BMP\", is read"},
        {"three spellings in the skin's folder",
         zipBytes({{"Skin/MAIN.BMP", bmp(first)}, {"Skin/Main.bmp", bmp(second)}, {"Skin/numbers.bmp", numbers}, {"Skin/main.bmp", bmp(third)}}),
         third,
         "the archive holds 3 files of this name (\"Skin/MAIN.BMP\", \"Skin/Main.bmp\", \"Skin/main.bmp\"); the last, "
         "\"Skin/main.bmp\", is read"},
    };
    for (const Case& c : cases) {
        const auto skin = ReadSkinArchive(asBytes(c.archive), "twice.wsz");
        ASSERT_TRUE(skin.ok()) << c.what << ": " << skin.error().describe();
        EXPECT_EQ(skin->sheet("main.bmp"), c.drawn) << c.what;
        ASSERT_EQ(skin->givenTwice.size(), 1u) << c.what;
        EXPECT_EQ(skin->givenTwice[0].file, "main.bmp") << c.what;
        EXPECT_EQ(skin->givenTwice[0].message.english(), c.message) << c.what;
    }
    // In a folder there is no later one: the spelling players write, in lower case, is read.
    TempDir dir;
    std::ofstream(dir / "MAIN.BMP", std::ios::binary) << bmp(first);
    std::ofstream(dir / "main.bmp", std::ios::binary) << bmp(second);
    const auto skin = ReadSkin(dir.path());
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    EXPECT_EQ(skin->sheet("main.bmp"), second);
    ASSERT_EQ(skin->givenTwice.size(), 1u);
    EXPECT_EQ(skin->givenTwice[0].message.english(),
              "the folder holds 2 files of this name (\"MAIN.BMP\", \"main.bmp\"); \"main.bmp\" is read");
}

TEST(SkinArchive, AFolderEntryOrASmallArchiveWithinTheLimitsIsNoFault) {
    SkinArchiveLimits limits;
    limits.entries = 3;
    const std::string three = zipBytes({{"a.txt", "a"}, {"b.txt", "b"}, {"main.bmp", bmp(Bitmap(275, 116))}});
    EXPECT_TRUE(ReadSkinArchive(asBytes(three), "three.wsz", limits).ok());
    limits.entries = 2;
    EXPECT_FALSE(ReadSkinArchive(asBytes(three), "three.wsz", limits).ok());
}

TEST(SkinFolder, FilesAreFoundInAnyLetterCase) {
    TempDir dir;
    const Bitmap text = codedSheet("text.bmp", 155, 18);
    std::ofstream(dir / "TEXT.BMP", std::ios::binary) << bmp(text);
    std::ofstream(dir / "Viscolor.TXT", std::ios::binary) << "1,2,3\r\n";
    const auto skin = ReadSkin(dir.path());
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    EXPECT_EQ(skin->sheet("text.bmp"), text);
    EXPECT_EQ(skin->visColours[0], RGB(1, 2, 3));
    EXPECT_EQ(skin->visColours[5], DefaultVisColours()[5]);  // a line the file lacks keeps its default
    EXPECT_TRUE(noted(*skin, "viscolor.txt"));
}

TEST(SkinFolder, AnEmptySheetIsNamedOnceAndDrawnAsAPlaceholder) {
    TempDir dir;
    std::ofstream(dir / "CButtons.BMP").close();
    const auto skin = ReadSkin(dir.path());
    ASSERT_TRUE(skin.ok()) << skin.error().describe();
    EXPECT_EQ(std::count_if(skin->missing.begin(), skin->missing.end(), [](const SkinNote& n) { return n.file == "cbuttons.bmp"; }), 1);
    EXPECT_EQ(skin->sheet("cbuttons.bmp"), PlaceholderSheet(136, 36));
}

TEST(SkinFolder, AMissingPathIsAnError) {
    TempDir dir;
    const auto skin = ReadSkin(dir / "no-such.wsz");
    ASSERT_FALSE(skin.ok());
    EXPECT_EQ(skin.error().path, (dir / "no-such.wsz").string());
}

TEST(SkinTexts, ViscolorLinesMayCarryCommentsAndBlanks) {
    const auto skin = syntheticSkin({.texts = {{"viscolor.txt", " 9 , 8,7 // back\r\n1,2\r\n"}}});
    EXPECT_EQ(skin.visColours[0], RGB(9, 8, 7));
    EXPECT_EQ(skin.visColours[1], DefaultVisColours()[1]);
}

TEST(SkinTexts, PleditWithoutTextSectionKeepsTheDefaultsAndSaysSo) {
    const auto skin = syntheticSkin({.texts = {{"pledit.txt", "Normal=#FFFFFF\r\n"}}});
    EXPECT_EQ(skin.playlistColours, PlaylistColours{});
    EXPECT_TRUE(noted(skin, "pledit.txt"));
}

TEST(SkinTexts, ARegionThatDoesNotAddUpLeavesTheWindowsWhole) {
    const auto skin = syntheticSkin({.texts = {{"region.txt", "[Normal]\r\nNumPoints=5\r\nPointList=0,0,1,1\r\n"}}});
    EXPECT_EQ(skin.region("normal"), nullptr);
    EXPECT_TRUE(noted(skin, "region.txt"));
}

}  // namespace
