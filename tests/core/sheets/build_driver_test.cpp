#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "sheets/build_driver.h"
#include "build_fixture.h"

using namespace pelterra;
using namespace pelterra::build_test;

namespace {

class BuildDriver : public ::testing::Test {
protected:
    void SetUp() override { prepareDocument(doc); }

    // Every slot of the document, to see that a refused build changed nothing.
    std::vector<Bitmap> snapshot() const {
        std::vector<Bitmap> all;
        for (const std::string& key : doc.slotKeys()) {
            const auto ref = doc.slotByWritten(key);
            all.push_back(doc.slot(ref->name, ref->index));
        }
        return all;
    }

    ProgramFolder folder;
    Document doc;
};

TEST_F(BuildDriver, BuildBeforeAnyPictureWasOpenedChangesNothing) {
    doc.BackgroundImagePath.clear();
    doc.BackgroundImageTitle.clear();
    doc.setValue(ctl::EqUporDown, 1);
    const auto before = snapshot();
    int changes = 0;
    doc.addListener([&](const ChangeEvent&) { ++changes; });
    bool previewed = false;
    BuildHooks hooks;
    hooks.composePreview = [&](Document&) { previewed = true; };
    auto result = BuildSkinImages(doc, folder.path(), hooks);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->outcome, BuildOutcome::NoPicture);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(previewed);
}

TEST_F(BuildDriver, TitleWithoutPathCountsAsNoPicture) {
    doc.BackgroundImagePath.clear();
    auto result = BuildSkinImages(doc, folder.path());
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->outcome, BuildOutcome::NoPicture);
}

TEST_F(BuildDriver, EqualizerOnlyWithTheSecondFaceNeedsOnlyTheEqualizerPicture) {
    doc.BackgroundImagePath.clear();
    doc.BackgroundImageTitle.clear();
    doc.setValue(ctl::chkEQOnly, 1);
    doc.select(ctl::OpEqMain2);
    EXPECT_FALSE(hasPictureToBuild(doc));
    doc.ExtraImagePath = "/pictures/eq.bmp";
    doc.ExtraImageTitle = "eq.bmp";
    EXPECT_TRUE(hasPictureToBuild(doc));
    auto result = BuildSkinImages(doc, folder.path());
    ASSERT_TRUE(result.ok()) << result.error().describe();
    EXPECT_EQ(result->outcome, BuildOutcome::Built);

    // With the first equalizer face the main picture is needed again.
    doc.select(ctl::OpEqMain1);
    EXPECT_FALSE(hasPictureToBuild(doc));
}

TEST_F(BuildDriver, StagesRunThenPreview) {
    std::vector<std::string> steps;
    BuildHooks hooks;
    hooks.composePreview = [&](Document&) {
        EXPECT_EQ(doc.slot(pic::Main), doc.slot(pic::Picture1));  // the stages ran before
        steps.push_back("compose");
    };
    hooks.showPreview = [&](const PreviewPanes&) { steps.push_back("show"); };
    auto result = BuildSkinImages(doc, folder.path(), hooks);
    ASSERT_TRUE(result.ok()) << result.error().describe();
    EXPECT_EQ(result->outcome, BuildOutcome::Built);
    EXPECT_EQ(steps, (std::vector<std::string>{"compose", "show"}));
    // The equalizer stage ran on its own face: Picture2 after a single picture.
    for (int x : {0, 137, 274}) EXPECT_EQ(doc.slot(pic::EQ).at(x, 50), doc.slot(pic::Picture2).at(x, 50));
}

TEST_F(BuildDriver, PlaylistStageRunsOnlyWithItsBox) {
    doc.assignSlot(pic::picPrePLmain, 0, distinctPicture(500, 500, 9));
    const Bitmap before = doc.slot(pic::picPL);
    ASSERT_TRUE(BuildSkinImages(doc, folder.path()).ok());
    EXPECT_EQ(doc.slot(pic::picPL), before);
    doc.setValue(ctl::chkPLMake, 1);
    ASSERT_TRUE(BuildSkinImages(doc, folder.path()).ok());
    EXPECT_NE(doc.slot(pic::picPL), before);
}

TEST_F(BuildDriver, MissingSystemFileStopsTheBuildNamingItAndKeepsEverySheet) {
    std::filesystem::remove(folder.system() / "volume2.data.bmp");
    doc.setValue(ctl::chkPLMake, 1);
    doc.setValue(ctl::EqUporDown, 1);
    const auto before = snapshot();
    auto result = BuildSkinImages(doc, folder.path());
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message.find("volume2.data.bmp"), std::string::npos) << result.error().message;
    EXPECT_NE(result.error().path.find("volume2.data.bmp"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(BuildDriver, UndecodableSystemFileStopsTheBuildNamingIt) {
    std::ofstream(folder.system() / "volume.mask.bmp", std::ios::binary | std::ios::trunc) << "not a picture";
    const auto before = snapshot();
    auto result = BuildSkinImages(doc, folder.path());
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message.find("volume.mask.bmp"), std::string::npos) << result.error().message;
    EXPECT_EQ(snapshot(), before);
}

TEST_F(BuildDriver, SystemFilesAreFoundWhateverTheirLetterCase) {
    const auto system = folder.system();
    std::filesystem::rename(system / "volume.mask.bmp", system / "Volume.Mask.BMP");
    std::filesystem::rename(system, system.parent_path() / "SYSTEM");
    auto result = BuildSkinImages(doc, folder.path());
    ASSERT_TRUE(result.ok()) << result.error().describe();
    EXPECT_EQ(doc.slot(pic::volume).at(30, 14), kSystemData & kSystemMask);
}

TEST_F(BuildDriver, SecondBuildCannotStartWhileOneRuns) {
    BuildHooks hooks;
    std::optional<Result<BuildReport>> inner;
    hooks.showPreview = [&](const PreviewPanes&) {
        EXPECT_TRUE(isBuilding(doc));
        inner = BuildSkinImages(doc, folder.path());
    };
    auto outer = BuildSkinImages(doc, folder.path(), hooks);
    ASSERT_TRUE(outer.ok());
    EXPECT_EQ(outer->outcome, BuildOutcome::Built);
    ASSERT_TRUE(inner.has_value() && inner->ok());
    EXPECT_EQ((*inner)->outcome, BuildOutcome::AlreadyRunning);
    EXPECT_FALSE(isBuilding(doc));

    // Another document builds independently of this one's build.
    Document other;
    prepareDocument(other);
    hooks.showPreview = [&](const PreviewPanes&) { inner = BuildSkinImages(other, folder.path()); };
    ASSERT_TRUE(BuildSkinImages(doc, folder.path(), hooks).ok());
    EXPECT_EQ((*inner)->outcome, BuildOutcome::Built);
}

TEST_F(BuildDriver, ZipSavingDoesNotStopTheBuild) {
    // The archiver is part of the program: with "Zip圧縮して保存する" the build runs as without it.
    doc.setValue(ctl::ZipCheck, 1);
    doc.slot(pic::Main).fill(kBlack);
    auto built = BuildSkinImages(doc, folder.path());
    ASSERT_TRUE(built.ok()) << built.error().describe();
    EXPECT_EQ(built->outcome, BuildOutcome::Built);
    EXPECT_NE(doc.slot(pic::Main), Bitmap(275, 116, kBlack));
}

TEST_F(BuildDriver, PreviewPanesShowTheEqualizerAfterEveryPictureByEqBelowAndEqOnly) {
    constexpr PreviewPane M{true, PreviewImage::Main}, E{true, PreviewImage::Equalizer};
    constexpr PreviewPane hiddenM{false, PreviewImage::Main};
    struct Case {
        int flag, eqToo, eqBelow, eqOnly;
        PreviewPanes want;
    };
    const Case cases[] = {
        {1, 0, 1, 0, {M, E}},        {1, 1, 0, 0, {E, M}},
        {0, 1, 1, 0, {M, E}},        {0, 1, 0, 0, {E, M}},
        {0, 0, 1, 0, {M, E}},        {0, 0, 0, 0, {E, M}},  // eqmain.bmp is saved after one picture too
        {1, 0, 1, 1, {hiddenM, E}},  {1, 0, 0, 1, {E, hiddenM}},
        {0, 1, 0, 1, {E, hiddenM}},  {0, 0, 1, 1, {hiddenM, E}},
    };
    for (const Case& c : cases) {
        doc.combinedPictureFlag = c.flag;
        doc.setValue(ctl::chkSkinMode, c.eqToo);
        doc.setValue(ctl::EqUporDown, c.eqBelow);
        doc.setValue(ctl::chkEQOnly, c.eqOnly);
        SCOPED_TRACE(testing::Message() << c.flag << c.eqToo << c.eqBelow << c.eqOnly);
        EXPECT_EQ(ArrangePreviewPanes(doc), c.want);
    }
}

}  // namespace
