// pelterra-cli build of the sample pictures, checked as a player reads the result: every sheet a
// player needs, at the size it reads, with padded rows; the archive flat, in the save's order,
// byte for byte the files of the folder.
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "document/document.h"
#include "document/initial_state.h"
#include "equalizer/picture_import.h"
#include "image/picture_file.h"
#include "output/save_skin.h"
#include "support/fault_injection.h"

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::namesIn;
using test_support::readFileBytes;
using test_support::TempDir;
namespace fs = std::filesystem;

// The sheets without which one player refuses the whole skin.
constexpr const char* kRequiredFiles[] = {"main.bmp",    "cbuttons.bmp", "titlebar.bmp", "shufrep.bmp",
                                          "text.bmp",    "volume.bmp",   "monoster.bmp", "playpaus.bmp",
                                          "numbers.bmp", "posbar.bmp",   "eqmain.bmp",   "pledit.bmp"};

struct SheetSize {
    const char* file;
    int width, height;
};
// The sizes the players read their sprites from (shufrep and numbers in the larger forms this
// tool writes, which players read correctly).
constexpr SheetSize kSheetSizes[] = {
    {"main.bmp", 275, 116},    {"cbuttons.bmp", 136, 36}, {"titlebar.bmp", 344, 87}, {"shufrep.bmp", 93, 92},
    {"text.bmp", 155, 18},     {"volume.bmp", 68, 433},   {"balance.bmp", 68, 433},  {"monoster.bmp", 58, 24},
    {"playpaus.bmp", 42, 9},   {"numbers.bmp", 108, 13},  {"posbar.bmp", 307, 10},   {"eqmain.bmp", 275, 315},
    {"pledit.bmp", 280, 186},
};

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

// Every entry of an archive, in its order: name and bytes.
std::vector<std::pair<std::string, std::string>> unpack(const fs::path& archive) {
    std::vector<std::pair<std::string, std::string>> entries;
    int error = 0;
    zip_t* zip = zip_open(archive.c_str(), ZIP_RDONLY, &error);
    if (!zip) {
        ADD_FAILURE() << "cannot open " << archive << " (libzip error " << error << ")";
        return entries;
    }
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        zip_file_t* file = zip_fopen_index(zip, i, 0);
        if (zip_stat_index(zip, i, 0, &stat) != 0 || !file) {
            ADD_FAILURE() << "cannot read entry " << i << " of " << archive;
            if (file) zip_fclose(file);
            continue;
        }
        std::string bytes(stat.size, '\0');
        const zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        EXPECT_EQ(read, static_cast<zip_int64_t>(stat.size)) << stat.name;
        entries.emplace_back(stat.name, bytes);
    }
    zip_discard(zip);
    return entries;
}

// The file list the save writes for this picture from the program's initial state.
std::vector<std::string> expectedFileList(const fs::path& picture) {
    Document doc;
    EXPECT_TRUE(InitialiseDocument(doc, kBin).ok());
    EXPECT_TRUE(OpenCombinedPicture(doc, picture.string(), [] { return -1; }).ok());
    return SkinFileList(doc);
}

struct Sample {
    const char* file;
    int height;  // 116 main window, 232 with the equalizer, 348 with the playlist as well
};
void PrintTo(const Sample& sample, std::ostream* out) { *out << sample.file; }

class BuildSample : public ::testing::TestWithParam<Sample> {
protected:
    void SetUp() override {
        if (!fs::exists(samplePicture(GetParam().file))) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    CliRun run(const std::string& arguments) { return runCli(arguments, dir.path()); }
    TempDir dir;
};

TEST_P(BuildSample, MakesAFolderAndAnArchiveWithEverySheetAPlayerNeeds) {
    const fs::path picture = samplePicture(GetParam().file);
    const auto source = LoadPicture(picture.string());
    ASSERT_TRUE(source.ok());
    EXPECT_EQ(source->width(), 275);
    EXPECT_EQ(source->height(), GetParam().height);

    const CliRun toFolder = run("build " + quoted(picture) + " -o " + quoted(dir / "skin"));
    ASSERT_EQ(toFolder.exitCode, 0) << toFolder.err;
    EXPECT_EQ(toFolder.out, (dir / "skin").string() + "\n");
    const CliRun toArchive = run("build " + quoted(picture) + " -o " + quoted(dir / "skin.wsz"));
    ASSERT_EQ(toArchive.exitCode, 0) << toArchive.err;
    EXPECT_EQ(toArchive.out, (dir / "skin.wsz").string() + "\n");

    const std::vector<std::string> order = expectedFileList(picture);
    std::vector<std::string> sortedOrder = order;
    std::sort(sortedOrder.begin(), sortedOrder.end());
    EXPECT_EQ(namesIn(dir / "skin"), sortedOrder);
    for (const char* required : kRequiredFiles)
        EXPECT_NE(std::find(order.begin(), order.end(), required), order.end()) << required << " is not written";

    // As a player decodes them: the size it reads, 24-bit rows padded to four bytes.
    for (const SheetSize& sheet : kSheetSizes) {
        SCOPED_TRACE(sheet.file);
        const auto decoded = LoadPicture((dir / "skin" / sheet.file).string());
        ASSERT_TRUE(decoded.ok()) << decoded.error().describe();
        EXPECT_EQ(decoded->width(), sheet.width);
        EXPECT_EQ(decoded->height(), sheet.height);
        const std::string bytes = readFileBytes(dir / "skin" / sheet.file);
        const std::uint32_t stride = (static_cast<std::uint32_t>(sheet.width) * 3 + 3) / 4 * 4;
        EXPECT_EQ(littleEndian(bytes, 28, 2), 24u);                        // bits per pixel
        EXPECT_EQ(littleEndian(bytes, 10, 4), 54u);                        // pixels after the headers
        EXPECT_EQ(bytes.size(), 54u + stride * sheet.height);
        EXPECT_EQ(littleEndian(bytes, 2, 4), bytes.size());               // the size the header states
    }

    // The archive: flat, in the save's order, the folder's bytes.
    const auto entries = unpack(dir / "skin.wsz");
    std::vector<std::string> names;
    for (const auto& [name, bytes] : entries) {
        names.push_back(name);
        EXPECT_EQ(name.find('/'), std::string::npos) << name << " is not at the archive's top level";
        EXPECT_TRUE(bytes == readFileBytes(dir / "skin" / name)) << name << " differs from the folder's";
    }
    EXPECT_EQ(names, order);
}

INSTANTIATE_TEST_SUITE_P(Samples, BuildSample,
                         ::testing::Values(Sample{"base_main.bmp", 116}, Sample{"base_main_eq.bmp", 232},
                                           Sample{"base_main_eq_playlist.bmp", 348}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             name.erase(std::remove(name.begin(), name.end(), '_'), name.end());
                             return name;
                         });

class CliBuild : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kSample)) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    CliRun run(const std::string& arguments) { return runCli(arguments, dir.path()); }
    const fs::path kSample = samplePicture("base_main_eq_playlist.bmp");
    TempDir dir;
};

TEST_F(CliBuild, TheTextFilesArePlayerReadable) {
    ASSERT_EQ(run("build " + quoted(kSample) + " --set ViscolorCheck=1 -o " + quoted(dir / "skin")).exitCode, 0);
    const std::string viscolor = readFileBytes(dir / "skin" / "viscolor.txt");
    EXPECT_EQ(std::count(viscolor.begin(), viscolor.end(), '\n'), 24);
    EXPECT_EQ(viscolor.find("\n\r\n"), std::string::npos);  // no blank line among the 24
    EXPECT_EQ(readFileBytes(dir / "skin" / "pledit.txt"),
              "[Text]\r\nFont=Arial\r\nNormal=#00C000\r\nNormalBG=#000000\r\nSelectedBG=#0000C0\r\n"
              "Current=#FFFFFF\r\n\r\n");  // the Classic set's list, its font named
}

TEST_F(CliBuild, SetChangesWhatIsWrittenAndAnUnknownNameIsNamed) {
    const CliRun plain = run("build " + quoted(kSample) + " --set VolumeCheck=0 --set \"hscR(0)=40\" -o " +
                             quoted(dir / "plain"));
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const auto volume = LoadPicture((dir / "plain" / "volume.bmp").string());
    ASSERT_TRUE(volume.ok());
    EXPECT_EQ(volume->width(), 1);  // "Volume" clear: the 1×1 white sheet
    EXPECT_EQ(volume->at(0, 0), RGB(255, 255, 255));

    const CliRun unknown = run("build " + quoted(kSample) + " --set NoSuchBox=1 -o " + quoted(dir / "x"));
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("NoSuchBox"), std::string::npos) << unknown.err;
    const CliRun outOfRange = run("build " + quoted(kSample) + " --set \"hscR(0)=abc\" -o " + quoted(dir / "x"));
    EXPECT_EQ(outOfRange.exitCode, 1);
    EXPECT_NE(outOfRange.err.find("hscR(0)"), std::string::npos) << outOfRange.err;
    EXPECT_FALSE(fs::exists(dir / "x"));  // nothing is saved after a refused setting
}

TEST_F(CliBuild, ThePreviewShowsBothWindowsWithThePlaylistBeside) {
    const CliRun built = run("build " + quoted(kSample) + " --preview " + quoted(dir / "preview.png") + " -o " +
                             quoted(dir / "skin.wsz"));
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(built.out, (dir / "skin.wsz").string() + "\n" + (dir / "preview.png").string() + "\n");
    const auto preview = LoadPicture((dir / "preview.png").string());
    ASSERT_TRUE(preview.ok());
    EXPECT_EQ(preview->width(), 275 + 280);
    EXPECT_EQ(preview->height(), 116 + 116);
}

TEST_F(CliBuild, AReadOnlyBaseFolderKeepsTheOlderArchive) {
    fs::create_directory(dir / "skins");
    const fs::path archive = dir / "skins" / "sky.wsz";
    { std::ofstream(archive, std::ios::binary) << "older skin"; }
    test_support::LockedFolder readOnly(dir / "skins", test_support::kReadOnly);
    const auto failed = runCliInChild(test_support::becomeUserBoundByPermissions,
                                      "build " + quoted(kSample) + " -o " + quoted(archive), dir.path());
    if (!failed) GTEST_SKIP() << test_support::kNoBoundUser;
    EXPECT_EQ(failed->exitCode, 1);
    EXPECT_NE(failed->err.find("cannot make the ZIP archive: cannot create a file in this folder: permission denied"), std::string::npos)
        << failed->err;
    EXPECT_EQ(readFileBytes(archive), "older skin");
}

TEST_F(CliBuild, TheArchiveSuffixIsMatchedInAnyLetterCase) {
    for (const char* name : {"sky.WSZ", "sky.Zip"}) {
        SCOPED_TRACE(name);
        const CliRun built = run("build " + quoted(kSample) + " -o " + quoted(dir / name));
        ASSERT_EQ(built.exitCode, 0) << built.err;
        EXPECT_EQ(built.out, (dir / name).string() + "\n");
        ASSERT_TRUE(fs::is_regular_file(dir / name));
        EXPECT_EQ(unpack(dir / name).front().first, "main.bmp");
    }
}

TEST_F(CliBuild, AnArchiveInsideAFileIsReported) {
    { std::ofstream(dir / "not-a-folder") << "x"; }
    const CliRun failed = run("build " + quoted(kSample) + " -o " + quoted(dir / "not-a-folder" / "skin.wsz"));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("cannot make the ZIP archive: "), std::string::npos) << failed.err;
    EXPECT_EQ(readFileBytes(dir / "not-a-folder"), "x");
}

}  // namespace
