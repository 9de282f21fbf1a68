#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>

#include "sheets/build_driver.h"
#include "core/sheets/build_fixture.h"
#include "document/tables.h"
#include "image/picture_file.h"
#include "image/recolor.h"
#include "output/skin_text.h"
#include "output/text_file.h"
#include "parts/colour_change.h"
#include "project/project.h"
#include "project/project_files.h"
#include "support/fault_injection.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::build_test::distinctPicture;
using pelterra::build_test::ProgramFolder;
using pelterra::test_support::makeFifo;
using pelterra::test_support::namesIn;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

namespace {

SlotRef slotOf(const Document& doc, const std::string& key) { return *doc.slotByWritten(key); }

bool isOutputSheet(SlotName name) {
    for (auto table : {tables::skinSheetSlots(), tables::equalizerSheetSlots(), tables::playlistSheetSlots(),
                       tables::outputSlots()})
        for (const SlotSpec& s : table)
            if (s.name == name) return true;
    return false;
}

// Every picture slot the build reads from takes a picture of its own, and the recoloured slots
// are made from their untouched copies, as the program keeps them.
void fillEverySlot(Document& doc) {
    int seed = 1;
    for (const std::string& key : doc.slotKeys()) {
        const SlotRef s = slotOf(doc, key);
        if (isOutputSheet(s.name)) continue;
        const Bitmap& b = doc.slot(s.name, s.index);
        if (!b.empty()) doc.assignSlot(s.name, s.index, distinctPicture(b.width(), b.height(), seed++));
    }
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(ColorChange(doc, i).ok());
}

// The sheets the skin is saved from, by name.
std::vector<std::pair<std::string, Bitmap>> sheets(const Document& doc) {
    std::vector<std::pair<std::string, Bitmap>> all;
    for (auto table : {tables::skinSheetSlots(), tables::equalizerSheetSlots(), tables::playlistSheetSlots()})
        for (const SlotSpec& s : table)
            for (int i = s.first; i <= s.last; ++i) all.emplace_back(controlKey(s.name, i), doc.slot(s.name, i));
    all.emplace_back("picData(8)", doc.slot(pic::picData, 8));  // text.bmp
    return all;
}

// A document whose choices differ from the initial state in every kind of control.
void makeChoices(Document& doc) {
    doc.BackgroundImagePath = "/pictures/sky.bmp";
    doc.BackgroundImageTitle = "sky.bmp";
    doc.ExtraImagePath = "/pictures/eq.bmp";
    doc.ExtraImageTitle = "eq.bmp";
    doc.combinedPictureFlag = 1;
    doc.setValue(ctl::EqUporDown, 1);
    doc.setValue(ctl::chkPLMake, 1);
    doc.setValue(ctl::EQModeCheck, 1);
    doc.setValue(ctl::hscR, 0, 40);
    doc.setValue(ctl::hscB, 3, -20);
    doc.setValue(ctl::hscG, 7, 25);
    doc.select(ctl::optPelterra, 2);
    doc.setSwatch(ctl::ViscolorSpec, 3, RGB(1, 2, 3));
    doc.setSwatch(ctl::lbldata, 0, RGB(9, 8, 7));
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(ColorChange(doc, i).ok());
}

class Project : public ::testing::Test {
protected:
    TempDir dir;
    Document doc;
};

TEST_F(Project, SavesTheNumberedPicturesTextFilesAndManifestByTheirExactNames) {
    fillEverySlot(doc);
    auto saved = SaveProject(doc, dir.path(), "Project");
    ASSERT_TRUE(saved.ok()) << saved.error().describe();
    EXPECT_EQ(saved->folder, dir / "Project");
    const auto names = namesIn(saved->folder);
    EXPECT_EQ(names.size(), 92u + 3u + 17u + 1u);  // EQData6.bmp is one file
    for (const char* n : {"MainData11.bmp", "MainData16.bmp", "MainData6.bmp", "MainData10.bmp", "MainMask0.bmp",
                          "MainMask8.bmp", "EQData1.bmp", "EQData5.bmp", "EQData6.bmp", "EQData9.bmp", "EQMask6.bmp",
                          "PLParts43.bmp", "PLButton9.bmp", "PLButtonBack4.bmp", "pledit.txt", "maron.txt",
                          "viscolor.txt", "project.ini", "Picture1.bmp", "MainMask9.bmp", "EQData10.bmp"})
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), std::string(n))) << n;
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), std::string("MainData0.bmp")));
    EXPECT_EQ(*LoadPicture((saved->folder / "PLParts7.bmp").string()), doc.slot(pic::picPLPartsData, 7));
    EXPECT_EQ(readFileBytes(saved->folder / "pledit.txt"), *TextFileBytes(PleditLines(doc)));
    EXPECT_EQ(readFileBytes(saved->folder / "maron.txt"), *TextFileBytes(MaronLines(doc)));
}

TEST_F(Project, SavingTwiceWithNamesDifferingInCaseReusesOneFolder) {
    ASSERT_TRUE(SaveProject(doc, dir.path(), "MySkin").ok());
    doc.assignSlot(pic::picData, 9, Bitmap(275, 116, RGB(5, 6, 7)));
    doc.setText(ctl::txtProject, "myskin");
    auto second = SaveProject(doc, dir.path());
    ASSERT_TRUE(second.ok()) << second.error().describe();
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"MySkin"});
    EXPECT_EQ(second->folder, dir / "MySkin");
    EXPECT_EQ(*LoadPicture((dir / "MySkin" / "MainData9.bmp").string()), Bitmap(275, 116, RGB(5, 6, 7)));
}

TEST_F(Project, AFileInAnotherLetterCaseIsReplacedUnderItsOwnName) {
    fs::create_directory(dir / "p");
    ASSERT_TRUE(SavePicture(Bitmap(2, 2), (dir / "p" / "maindata9.BMP").string()).ok());
    ASSERT_TRUE(SaveProject(doc, dir.path(), "p").ok());
    const auto names = namesIn(dir / "p");
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), std::string("maindata9.BMP")));
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), std::string("MainData9.bmp")));
    EXPECT_EQ(LoadPicture((dir / "p" / "maindata9.BMP").string())->width(), 275);
}

TEST_F(Project, NamesThatLeaveTheChosenFolderAreRefused) {
    fs::create_directory(dir / "inner");
    for (const char* bad : {"", ".", "..", "../escape", "a/b", "/tmp/x"}) {
        auto saved = SaveProject(doc, dir / "inner", bad);
        EXPECT_FALSE(saved.ok()) << bad;
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"inner"});
    EXPECT_TRUE(namesIn(dir / "inner").empty());
    EXPECT_FALSE(SaveProject(doc, dir / "missing", "p").ok());
}

TEST_F(Project, AFailedSaveLeavesTheEarlierFilesIntactAndNoTemporaryFiles) {
    fillEverySlot(doc);
    ASSERT_TRUE(SaveProject(doc, dir.path(), "p").ok());
    const auto before = namesIn(dir / "p");
    const std::string dataBefore = readFileBytes(dir / "p" / "MainData11.bmp");
    const std::string manifestBefore = readFileBytes(dir / "p" / "project.ini");

    doc.assignSlot(pic::picData, 11, Bitmap(136, 36, kBlack));
    doc.setText(ctl::PleditFonts, "絵文字😀");  // pledit.txt cannot be written in CP932
    BuildPleditText(doc);
    auto failed = SaveProject(doc, dir.path(), "p");
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().path.find("pledit.txt"), std::string::npos);
    EXPECT_EQ(readFileBytes(dir / "p" / "MainData11.bmp"), dataBefore);
    EXPECT_EQ(readFileBytes(dir / "p" / "project.ini"), manifestBefore);
    EXPECT_EQ(namesIn(dir / "p"), before);

    // A new folder that could not be filled is taken away again.
    EXPECT_FALSE(SaveProject(doc, dir.path(), "fresh").ok());
    EXPECT_FALSE(fs::exists(dir / "fresh"));
}

TEST_F(Project, AFolderInTheWayOfAFileFailsBeforeAnythingIsReplaced) {
    ASSERT_TRUE(SaveProject(doc, dir.path(), "p").ok());
    const std::string before = readFileBytes(dir / "p" / "MainData11.bmp");
    fs::remove(dir / "p" / "viscolor.txt");
    fs::create_directory(dir / "p" / "viscolor.txt");
    doc.assignSlot(pic::picData, 11, Bitmap(136, 36, kBlack));
    auto failed = SaveProject(doc, dir.path(), "p");
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().path.find("viscolor.txt"), std::string::npos);
    EXPECT_EQ(readFileBytes(dir / "p" / "MainData11.bmp"), before);
}

TEST_F(Project, SavesFromSeveralProcessesIntoOneFolderAllSucceedAndTheLastStandsWhole) {
    // Four processes save their own project into one folder, five times each, all at once.
    constexpr int kProcesses = 4;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Document own;
            const Colour mark = RGB(40 * (p + 1), 0, 0);
            own.assignSlot(pic::picData, 11, Bitmap(136, 36, mark));
            own.assignSlot(pic::Picture1, -1, Bitmap(275, 116, mark));
            bool all = true;
            for (int i = 0; i < 5; ++i) all = SaveProject(own, dir.path(), "shared").ok() && all;
            ::_exit(all ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed in process " << child;
    }
    // The set that stands is one process's, every file of it.
    auto data = LoadPicture((dir / "shared" / "MainData11.bmp").string());
    auto face = LoadPicture((dir / "shared" / "Picture1.bmp").string());
    ASSERT_TRUE(data.ok() && face.ok());
    EXPECT_EQ(face->at(0, 0), data->at(0, 0));
    const auto names = namesIn(dir / "shared");
    EXPECT_EQ(names.size(), 92u + 3u + 17u + 1u);  // no temporary file left behind
}

TEST_F(Project, LoadWithoutManifestReadsTheNumberedPicturesAndRunsTheColourChange) {
    fillEverySlot(doc);
    ASSERT_TRUE(SaveProject(doc, dir.path(), "p").ok());
    fs::remove(dir / "p" / "project.ini");

    Document loaded;
    loaded.setValue(ctl::hscR, 0, 30);
    const Bitmap layerMaskBefore = loaded.slot(pic::picMask, 9);
    const ProjectLoadReport report = LoadProject(loaded, dir / "p");
    EXPECT_FALSE(report.manifest);
    EXPECT_EQ(report.picturesLoaded, 93);
    EXPECT_TRUE(report.missingFiles.empty());
    EXPECT_EQ(loaded.slot(pic::picData, 11), doc.slot(pic::picData, 11));
    EXPECT_EQ(loaded.slot(pic::picEQMask, 6), doc.slot(pic::picEQMask, 6));
    EXPECT_EQ(loaded.slot(pic::picPLButtonBack, 4), doc.slot(pic::picPLButtonBack, 4));
    Bitmap recoloured = loaded.slot(pic::picData, 0);
    RecolorImage(recoloured, loaded.slot(pic::picData, 11), 30, 0, 0);
    EXPECT_EQ(loaded.slot(pic::picData, 0), recoloured);
    // A project folder without project.ini restores only its pictures and texts; the rest stays as it was, values included.
    EXPECT_EQ(loaded.slot(pic::picMask, 9), layerMaskBefore);
    EXPECT_EQ(loaded.value(ctl::hscR, 0), 30);
    EXPECT_TRUE(loaded.BackgroundImagePath.empty());
}

TEST_F(Project, AFolderThatIsNoProjectChangesNothingButRunsTheColourChange) {
    doc.assignSlot(pic::picData, 11, distinctPicture(136, 36, 5));
    doc.setValue(ctl::hscG, 0, 50);
    std::vector<Bitmap> before;
    for (const std::string& key : doc.slotKeys()) {
        const SlotRef s = slotOf(doc, key);
        before.push_back(doc.slot(s.name, s.index));
    }
    const ProjectLoadReport report = LoadProject(doc, dir.path());
    EXPECT_EQ(report.picturesLoaded, 0);
    EXPECT_EQ(report.missingFiles.size(), 93u);
    std::size_t k = 0;
    for (const std::string& key : doc.slotKeys()) {
        const SlotRef s = slotOf(doc, key);
        if (key != "picData(0)") {
            EXPECT_EQ(doc.slot(s.name, s.index), before[k]) << key;
        }
        ++k;
    }
    Bitmap recoloured(136, 36);
    RecolorImage(recoloured, doc.slot(pic::picData, 11), 0, 50, 0);
    EXPECT_EQ(doc.slot(pic::picData, 0), recoloured);

    // A folder that does not exist at all behaves the same.
    EXPECT_EQ(LoadProject(doc, dir / "nothing").picturesLoaded, 0);
}

// A project that cannot be read whole is refused before anything changes, naming each file and
// what is wrong with it; a file of the manifest's that an older project never had is no loss.
TEST_F(Project, AnIncompleteProjectChangesNothingAndNamesEachFile) {
    fillEverySlot(doc);
    doc.setValue(ctl::hscR, 0, 40);
    ASSERT_TRUE(SaveProject(doc, dir.path(), "saved").ok());
    const std::string special = ": this is a special file (a pipe, device or socket), not a picture file";
    struct Case {
        const char* damage;
        std::function<void(const fs::path&)> apply;
        std::vector<std::string> lines;  // after the first line: the missing files in the order they are read,
                                         // then the unreadable ones; none: the project loads
    };
    const Case cases[] = {
        {"a numbered picture deleted", [](const fs::path& p) { fs::remove(p / "MainData12.bmp"); },
         {"MainData12.bmp: the file is missing"}},
        {"a named pipe in a picture's place",
         [](const fs::path& p) { fs::remove(p / "MainData11.bmp"); ASSERT_TRUE(makeFifo(p / "MainData11.bmp")); },
         {"MainData11.bmp" + special}},
        {"a folder in a picture's place",
         [](const fs::path& p) { fs::remove(p / "PLParts3.bmp"); fs::create_directory(p / "PLParts3.bmp"); },
         {"PLParts3.bmp: this is a folder, not a picture file"}},
        {"a picture of the manifest's linked to a device",
         [](const fs::path& p) { fs::remove(p / "Picture1.bmp"); fs::create_symlink("/dev/zero", p / "Picture1.bmp"); },
         {"Picture1.bmp" + special}},
        {"a manifest picture missing, a damaged picture and a numbered one missing",
         [](const fs::path& p) {
             fs::remove(p / "EQData10.bmp");
             std::ofstream(p / "EQMask2.bmp", std::ios::binary) << "BM no picture";
             fs::remove(p / "PLButton9.bmp");
         },
         {"EQData10.bmp: the file is missing", "PLButton9.bmp: the file is missing",
          "EQMask2.bmp: the picture data is cut short or damaged"}},
        {"no project.ini and none of the manifest's pictures, as older projects are",
         [](const fs::path& p) {
             fs::remove(p / "project.ini");
             for (const ManifestPicture& m : kManifestPictures) fs::remove(p / m.file);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        const fs::path project = dir / "damaged";
        fs::remove_all(project);
        fs::copy(dir / "saved", project);
        c.apply(project);
        Document loaded;
        loaded.setValue(ctl::hscR, 0, 30);
        const Bitmap before = loaded.slot(pic::picData, 11);

        const ProjectLoadReport report = LoadProject(loaded, project);
        const std::optional<Error> refused = report.refusal(project);
        if (c.lines.empty()) {
            EXPECT_FALSE(refused.has_value()) << refused->describe();
            EXPECT_EQ(report.picturesLoaded, 93);
            EXPECT_EQ(loaded.slot(pic::picData, 11), doc.slot(pic::picData, 11));
            EXPECT_EQ(loaded.value(ctl::hscR, 0), 30);  // no manifest: the values stay
            continue;
        }
        std::string expected = project.string() + ": the project is incomplete, so nothing of it was loaded:";
        for (const std::string& line : c.lines) expected += "\n" + (project / line).string();
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->describe(), expected);
        EXPECT_TRUE(report.incomplete);
        EXPECT_FALSE(report.manifest);
        EXPECT_EQ(report.picturesLoaded, 0);
        EXPECT_EQ(loaded.value(ctl::hscR, 0), 30);
        EXPECT_EQ(loaded.slot(pic::picData, 11), before);
    }
}

TEST_F(Project, LoadMatchesFileNamesWithoutRegardToCase) {
    fillEverySlot(doc);
    ASSERT_TRUE(SaveProject(doc, dir.path(), "p").ok());
    fs::rename(dir / "p" / "MainMask3.bmp", dir / "p" / "MAINMASK3.BMP");
    fs::rename(dir / "p" / "project.ini", dir / "p" / "Project.INI");
    Document loaded;
    const ProjectLoadReport report = LoadProject(loaded, dir / "p");
    EXPECT_TRUE(report.manifest);
    EXPECT_EQ(loaded.slot(pic::picMask, 3), doc.slot(pic::picMask, 3));
}

TEST_F(Project, ASavedAndLoadedProjectRebuildsTheSameSkin) {
    ProgramFolder program;
    fillEverySlot(doc);
    makeChoices(doc);
    auto built = BuildSkinImages(doc, program.path());
    ASSERT_TRUE(built.ok()) << built.error().describe();
    ASSERT_EQ(built->outcome, BuildOutcome::Built);
    const auto expected = sheets(doc);
    ASSERT_TRUE(SaveProject(doc, dir.path(), "round").ok());

    Document loaded;
    const ProjectLoadReport report = LoadProject(loaded, dir / "round");
    EXPECT_TRUE(report.manifest);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front().describe();
    EXPECT_EQ(loaded.value(ctl::hscR, 0), 40);
    EXPECT_EQ(loaded.swatch(ctl::lbldata, 0), RGB(9, 8, 7));
    EXPECT_TRUE(loaded.isSelected(ctl::optPelterra, 2));
    EXPECT_FALSE(loaded.isSelected(ctl::optSeken, 2));
    EXPECT_EQ(loaded.ExtraImageTitle, "eq.bmp");
    auto rebuilt = BuildSkinImages(loaded, program.path());
    ASSERT_TRUE(rebuilt.ok());
    ASSERT_EQ(rebuilt->outcome, BuildOutcome::Built);
    const auto actual = sheets(loaded);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_TRUE(EncodeBmp24(actual[i].second) == EncodeBmp24(expected[i].second)) << actual[i].first;

    // Without the manifest the faces and choices are lost and the skin differs.
    fs::remove(dir / "round" / "project.ini");
    Document described;
    LoadProject(described, dir / "round");
    described.BackgroundImagePath = "/pictures/sky.bmp";
    described.BackgroundImageTitle = "sky.bmp";
    ASSERT_TRUE(BuildSkinImages(described, program.path()).ok());
    EXPECT_NE(sheets(described), expected);
}

}  // namespace
