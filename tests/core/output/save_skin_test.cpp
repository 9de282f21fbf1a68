#include <gtest/gtest.h>
#include <zip.h>

#include <thread>

#include "image/picture_file.h"
#include "output/destination.h"
#include "output/preview.h"
#include "output/save_skin.h"
#include "output/skin_text.h"
#include "output/text_file.h"
#include "support/fault_injection.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::namesIn;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::makeFifo;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

namespace {

void openedPicture(Document& doc, const fs::path& path) {
    doc.BackgroundImagePath = path.string();
    doc.BackgroundImageTitle = path.filename().string();
}

std::vector<std::string> archiveNames(const fs::path& path) {
    std::vector<std::string> names;
    int err = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &err);
    if (!zip) return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) names.emplace_back(zip_get_name(zip, i, 0));
    zip_close(zip);
    return names;
}

}  // namespace

TEST(ResolveDestination, PictureFolderAndTitleBeforeTheFirstDot) {
    Document doc;
    openedPicture(doc, "/pics/sky.blue.bmp");
    auto d = ResolveDestination(doc);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d->skinFolder(), fs::path("/pics/sky"));
    EXPECT_EQ(d->label(), "/pics/sky/");
}

TEST(ResolveDestination, ChosenFolderAndNameWithAndWithoutZip) {
    Document doc;
    openedPicture(doc, "/pics/sky.bmp");
    doc.select(ctl::SaveOp2);
    doc.setText(ctl::SaveDirText, "/skins");
    doc.select(ctl::optSaveOp2);
    doc.setText(ctl::txtSaveFolda, "Blue");
    EXPECT_EQ(ResolveDestination(doc)->skinFolder(), fs::path("/skins/Blue"));
    doc.setValue(ctl::ZipCheck, 1);
    EXPECT_EQ(ResolveDestination(doc)->label(), "/skins/Blue.zip");
}

TEST(ResolveDestination, EqualizerOnlyFromTheSecondPictureNamesTheSkinAfterIt) {
    Document doc;
    openedPicture(doc, "/pics/main.bmp");
    doc.ExtraImagePath = "/eq/green.eq.bmp";
    doc.ExtraImageTitle = "green.eq.bmp";
    doc.setValue(ctl::chkEQOnly, 1);
    doc.select(ctl::OpEqMain2);
    EXPECT_EQ(ResolveDestination(doc)->skinFolder(), fs::path("/eq/green"));
}

TEST(ResolveDestination, RefusesNamesThatLeaveTheBaseFolder) {
    Document doc;
    openedPicture(doc, "/pics/sky.bmp");
    doc.select(ctl::optSaveOp2);
    for (const char* bad : {"..", "../elsewhere", "a/b", ""}) {
        doc.setText(ctl::txtSaveFolda, bad);
        EXPECT_FALSE(ResolveDestination(doc).ok()) << bad;
    }
}

// ---- Where -o puts the skin ---------------------------------------------------------------------

TEST(DestinationForOutput, ATrailingSeparatorNamesTheFolderBeforeIt) {
    auto folder = DestinationForOutput("/skins/sky/");
    ASSERT_TRUE(folder.ok());
    EXPECT_FALSE(folder->zip);
    EXPECT_EQ(folder->skinFolder(), fs::path("/skins/sky"));
}

TEST(DestinationForOutput, PathsThatNameNoSkinFolderOfTheirOwnAreRefused) {
    const std::pair<const char*, const char*> refused[] = {
        {".", "\".\" is not a folder name"},
        {"..", "\"..\" is not a folder name"},
        {"/tmp/..", "\"..\" is not a folder name"},
        {"/", "the skin needs a folder name"},
        {"", "the skin needs a folder or archive name"},
    };
    for (const auto& [output, message] : refused) {
        auto d = DestinationForOutput(output);
        ASSERT_FALSE(d.ok()) << output;
        EXPECT_EQ(d.error().message, message) << output;
    }
}

TEST(SaveSkin, TheNameRuleHoldsForEveryDestination) {
    // A destination made by hand goes through the same rule: nothing lands loose in the base folder.
    TempDir dir;
    Document doc;
    Destination d{dir.path(), "..", false, ".zip"};
    auto saved = SaveSkinTo(doc, dir.path(), d);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().message, "\"..\" is not a folder name");
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

// ---- Saving -------------------------------------------------------------------------------------

// A single picture with "EQも出力" clear still gives eqmain.bmp: one player refuses a skin
// without it.
TEST(SaveSkin, WritesTheMainWindowFileSetAndTheEqualizerIntoANewFolder) {
    TempDir dir;
    Document doc;
    doc.setValue(ctl::ViscolorCheck, 1);
    openedPicture(doc, dir / "sky.bmp");
    ASSERT_EQ(doc.combinedPictureFlag, 0);
    ASSERT_FALSE(doc.isChecked(ctl::chkSkinMode));
    doc.setValue(ctl::chkASP, 1);
    auto saved = SaveSkin(doc, dir.path());
    ASSERT_TRUE(saved.ok()) << saved.error().describe();
    EXPECT_EQ(saved->folder, dir / "sky");
    EXPECT_EQ(namesIn(dir / "sky"),
              (std::vector<std::string>{"asp.txt", "balance.bmp", "cbuttons.bmp", "eqmain.bmp", "main.bmp",
                                        "monoster.bmp", "numbers.bmp", "playpaus.bmp", "pledit.txt", "posbar.bmp",
                                        "shufrep.bmp", "text.bmp", "titlebar.bmp", "viscolor.txt", "volume.bmp"}));
    EXPECT_EQ(LoadPicture((dir / "sky" / "eqmain.bmp").string())->height(), 163);  // "EQ Slider" clear
    auto volume = LoadPicture((dir / "sky" / "volume.bmp").string());
    ASSERT_TRUE(volume.ok());
    EXPECT_EQ(*volume, Bitmap(1, 1, kWhite));  // "Volume" clear
    EXPECT_EQ(readFileBytes(dir / "sky" / "asp.txt"), "[Advanced Skin Plug-In]\r\nWinamp.Equalizer.Position=1\r\n");
}

TEST(SaveSkin, EqualizerOnlyWritesTheEqualizerAndTheBoxesThatApplyToIt) {
    TempDir dir;
    Document doc;
    doc.setValue(ctl::ViscolorCheck, 1);
    openedPicture(doc, dir / "sky.bmp");
    doc.setValue(ctl::chkEQOnly, 1);
    doc.setValue(ctl::chkASP, 1);
    doc.setValue(ctl::EQModeCheck, 1);
    auto saved = SaveSkin(doc, dir.path());
    ASSERT_TRUE(saved.ok()) << saved.error().describe();
    EXPECT_EQ(saved->files, (std::vector<std::string>{"eqmain.bmp", "viscolor.txt"}));
    EXPECT_EQ(LoadPicture((dir / "sky" / "eqmain.bmp").string())->height(), 315);
}

// The files a player needs that a save leaves out, named in the warning before the save.
TEST(MissingPlayerFiles, NamesWhatTheSaveLeavesOutOfWhatPlayersNeed) {
    struct Case {
        int eqOnly, playlist;
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        {0, 1, {}},
        {0, 0, {"pledit.bmp"}},
        {1, 1, {"main.bmp", "cbuttons.bmp", "titlebar.bmp", "shufrep.bmp", "text.bmp", "volume.bmp", "monoster.bmp",
                "playpaus.bmp", "numbers.bmp", "posbar.bmp"}},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.setValue(ctl::chkEQOnly, c.eqOnly);
        doc.setValue(ctl::chkPLMake, c.playlist);
        SCOPED_TRACE(testing::Message() << c.eqOnly << c.playlist);
        EXPECT_EQ(MissingPlayerFiles(doc), c.missing);
        const std::optional<Words> warning = MissingPlayerFilesWarning(doc);
        EXPECT_EQ(warning.has_value(), !c.missing.empty());
        if (c.missing.size() == 1)
            EXPECT_EQ(warning->english(), "the skin lacks pledit.bmp, which players need: Audacious refuses a skin "
                                          "without them and shows its own instead");
    }
}

TEST(SaveSkin, ASaveThatFailsLeavesTheEarlierFilesIntact) {
    TempDir dir;
    Document doc;
    doc.setValue(ctl::ViscolorCheck, 1);
    openedPicture(doc, dir / "sky.bmp");
    ASSERT_TRUE(SaveSkin(doc, dir.path()).ok());
    const std::string mainBefore = readFileBytes(dir / "sky" / "main.bmp");
    doc.assignSlot(pic::Main, -1, Bitmap(275, 116, RGB(1, 2, 3)));
    doc.setText(ctl::PleditFonts, "絵文字😀");  // cannot be written in the skin's code page
    BuildPleditText(doc);
    auto failed = SaveSkin(doc, dir.path());
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().path.find("pledit.txt"), std::string::npos);
    EXPECT_EQ(readFileBytes(dir / "sky" / "main.bmp"), mainBefore);
    EXPECT_EQ(namesIn(dir / "sky").size(), 14u);  // no temporary file left behind
}

TEST(SaveSkin, AFailedSaveTakesAwayTheFolderItMadeButNoneThatWasThere) {
    TempDir dir;
    Document doc;
    doc.setText(ctl::PleditFonts, "絵文字😀");  // pledit.txt cannot be written in the skin's code page
    BuildPleditText(doc);
    openedPicture(doc, dir / "sky.bmp");
    ASSERT_FALSE(SaveSkin(doc, dir.path()).ok());
    EXPECT_TRUE(fs::is_empty(dir.path()));

    fs::create_directory(dir / "sky");
    ASSERT_FALSE(SaveSkin(doc, dir.path()).ok());
    EXPECT_TRUE(fs::is_directory(dir / "sky"));
}

TEST(SaveSkin, ANameTooLongForTheFileSystemIsAnErrorNotAnAbort) {
    TempDir dir;
    Document doc;
    openedPicture(doc, dir / (std::string(256, 'n') + ".bmp"));
    auto saved = SaveSkin(doc, dir.path());
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().message, "cannot open the folder: the name is too long");
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(SaveSkin, ANamedPipeInTheSkinFolderFailsTheSaveBeforeAnythingIsReplaced) {
    TempDir dir;
    Document doc;
    openedPicture(doc, dir / "sky.bmp");
    ASSERT_TRUE(SaveSkin(doc, dir.path()).ok());
    const std::string mainBefore = readFileBytes(dir / "sky" / "main.bmp");
    const auto namesBefore = namesIn(dir / "sky");
    fs::remove(dir / "sky" / "text.bmp");
    ASSERT_TRUE(makeFifo(dir / "sky" / "text.bmp"));
    doc.assignSlot(pic::Main, -1, Bitmap(275, 116, RGB(1, 2, 3)));
    auto saved = SaveSkin(doc, dir.path());
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().path, (dir / "sky" / "text.bmp").string());
    EXPECT_TRUE(fs::is_fifo(dir / "sky" / "text.bmp"));
    EXPECT_EQ(readFileBytes(dir / "sky" / "main.bmp"), mainBefore);
    EXPECT_EQ(namesIn(dir / "sky"), namesBefore);  // no temporary file left behind
}

TEST(SaveSkin, AMissingBaseFolderIsReported) {
    TempDir dir;
    Document doc;
    openedPicture(doc, dir / "gone" / "sky.bmp");
    auto saved = SaveSkin(doc, dir.path());
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().path, (dir / "gone").string());
}

TEST(SaveSkin, ZipPacksTheListedFilesFlatAndReplacesTheOldArchive) {
    TempDir dir;
    fs::create_directories(dir / "PartsData" / "system");
    ASSERT_TRUE(WriteFileAtomically(dir / "SKY.ZIP", "an older archive of the skin").ok());
    Document doc;
    doc.setValue(ctl::ViscolorCheck, 1);
    openedPicture(doc, dir / "sky.bmp");
    doc.setValue(ctl::ZipCheck, 1);
    doc.setValue(ctl::chkPLMake, 1);
    ASSERT_TRUE(SaveSkin(doc, dir.path()).ok());
    ASSERT_TRUE(SaveSkin(doc, dir.path()).ok());
    EXPECT_EQ(archiveNames(dir / "SKY.ZIP"),
              (std::vector<std::string>{"main.bmp", "cbuttons.bmp", "balance.bmp", "monoster.bmp", "numbers.bmp",
                                        "playpaus.bmp", "posbar.bmp", "shufrep.bmp", "text.bmp", "titlebar.bmp",
                                        "volume.bmp", "eqmain.bmp", "pledit.txt", "viscolor.txt", "pledit.bmp"}));
    // Packed from memory: nothing staged in the library, no lock or temporary file beside it.
    EXPECT_TRUE(fs::is_empty(dir / "PartsData" / "system"));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"PartsData", "SKY.ZIP"}));
}

TEST(ComposePreview, PaintsTheSheetsAtThePlayerPlacesAndTheDestination) {
    Document doc;
    openedPicture(doc, "/pics/sky.bmp");
    doc.assignSlot(pic::Main, -1, Bitmap(275, 116, RGB(9, 9, 9)));
    doc.assignSlot(pic::cbuttons, -1, Bitmap(136, 36, RGB(1, 1, 1)));
    doc.assignSlot(pic::volume, -1, Bitmap(68, 433, RGB(2, 2, 2)));
    doc.setValue(ctl::ViscolorCheck, 0);
    ComposePreview(doc);
    const Bitmap& p = doc.slot(pic::PreView);
    EXPECT_EQ(p.at(16, 88), RGB(1, 1, 1));
    EXPECT_EQ(p.at(107, 57 + 13), RGB(2, 2, 2));
    EXPECT_EQ(p.at(168, 57), kWhite);  // the balance sheet painted after the volume
    EXPECT_EQ(p.at(50, 50), kBlack);     // visualisation area without viscolor
    EXPECT_EQ(p.at(5, 110), RGB(9, 9, 9));
    EXPECT_EQ(doc.text(ctl::Label2), "/pics/sky/");
}

TEST(SaveSkin, ArchivesSavedAtTheSameTimeKeepTheirOwnFiles) {
    // Two saves into archives at once: each packs its own files.
    TempDir dir;
    fs::create_directories(dir / "PartsData" / "system");
    auto saveMany = [&](const std::string& name, Colour face) {
        Document doc;
        openedPicture(doc, dir / (name + ".bmp"));
        doc.setValue(ctl::ZipCheck, 1);
        doc.assignSlot(pic::Main, -1, Bitmap(275, 116, face));
        for (int i = 0; i < 8; ++i) ASSERT_TRUE(SaveSkin(doc, dir.path()).ok());
    };
    std::thread redSaver([&] { saveMany("red", RGB(255, 0, 0)); });
    std::thread blueSaver([&] { saveMany("blue", RGB(0, 0, 255)); });
    redSaver.join();
    blueSaver.join();
    auto mainOf = [&](const std::string& archive) {
        int err = 0;
        zip_t* zip = zip_open((dir / archive).c_str(), ZIP_RDONLY, &err);
        std::string bytes;
        if (!zip) return bytes;
        zip_stat_t st;
        zip_stat(zip, "main.bmp", 0, &st);
        bytes.resize(st.size);
        zip_file_t* f = zip_fopen(zip, "main.bmp", 0);
        zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        zip_close(zip);
        return bytes;
    };
    auto faceOf = [&](const std::string& archive) {
        const std::string bytes = mainOf(archive);
        auto picture = DecodePicture(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), archive);
        return picture.ok() ? picture->at(0, 0) : kOutsideColour;
    };
    EXPECT_EQ(faceOf("red.zip"), RGB(255, 0, 0));
    EXPECT_EQ(faceOf("blue.zip"), RGB(0, 0, 255));
}
