#include <gtest/gtest.h>

#include "core/fs/temp_tree.h"
#include "fs/program_path.h"
#include "parts/catalogue.h"
#include "parts/list_part_files.h"

using namespace pelterra;
using pelterra::test_support::TempTree;

using Names = std::vector<std::string>;

namespace {

std::filesystem::path resolveProgramPathOrEmpty(const std::filesystem::path& base, std::string_view tail) {
    const auto path = resolveProgramPath(base, tail);
    return path.ok() ? path.value() : std::filesystem::path{};
}

}  // namespace

TEST(ListPartFiles, BaseNameIsWhatPrecedesTheSuffixWhateverItsCase) {
    TempTree tree;
    tree.file("PartsData/cbuttons/A.DATA.BMP");
    tree.file("PartsData/cbuttons/b.data.bmp.old");
    tree.file("PartsData/cbuttons/c.mask.bmp");
    tree.file("PartsData/cbuttons/.hidden.data.bmp");
    tree.folder("PartsData/cbuttons/d.data.bmp");
    tree.file("PartsData/cbuttons/e\\..\\f.data.bmp");
    PartList list;
    ASSERT_TRUE(ListPartFiles(list, tree.root(), "\\PartsData\\Cbuttons", ".data.bmp").ok());
    EXPECT_EQ(list.entries, (Names{"A", "b"}));
    EXPECT_EQ(list.selected, 0);
}

TEST(ListPartFiles, EachCallAppendsItsOwnSortedGroup) {
    TempTree tree;
    tree.file("f/zeta.data.bmp");
    tree.file("f/Alpha.data.bmp");
    tree.file("f/beta.data.bmp");
    tree.file("f/data/aa.bmp");
    tree.file("f/data/Zz.bmp");
    PartList list;
    ASSERT_TRUE(ListPartFiles(list, tree.root(), "\\f", ".data.bmp").ok());
    ASSERT_TRUE(ListPartFiles(list, tree.root(), "\\f\\data", ".bmp").ok());
    EXPECT_EQ(list.entries, (Names{"Alpha", "beta", "zeta", "aa", "Zz"}));
    EXPECT_EQ(list.selected, 0);
}

TEST(ListPartFiles, MissingFolderAddsNothingAndReportsIt) {
    TempTree tree;
    PartList list;
    const Status missing = ListPartFiles(list, tree.root(), "\\PartsData\\cbuttons", ".data.bmp");
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(list.selected, -1);
}

// Each test lays out its own PartsData library in a temporary program folder.
class CatalogueFill : public ::testing::Test {
protected:
    TempTree tree;
};

TEST_F(CatalogueFill, SingleFolderPartsComeFirstAndAreCounted) {
    tree.file("PartsData/cbuttons/a.data.bmp");
    tree.file("PartsData/cbuttons/a.mask.bmp");
    tree.file("PartsData/cbuttons/data/b.bmp");
    tree.file("PartsData/cbuttons/mask/b.bmp");
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root());
    EXPECT_EQ(catalogue.lstData[0], (PartList{{"a", "b"}, 0, 1}));
    EXPECT_EQ(catalogue.lstMask[0], (PartList{{"a", "b"}, 0, 1}));
}

TEST_F(CatalogueFill, DefaultMaskShowsAsAMaskEntry) {
    tree.file("PartsData/titlebar/t.data.bmp");
    tree.file("PartsData/titlebar/Default_white.mask.bmp");
    tree.file("PartsData/titlebar/mask/u.bmp");
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root());
    EXPECT_EQ(catalogue.lstData[5], (PartList{{"t"}, 0, 1}));
    EXPECT_EQ(catalogue.lstMask[5], (PartList{{"Default_white", "u"}, 0, 1}));
}

TEST_F(CatalogueFill, FolderNamesMatchWhateverTheirCase) {
    tree.file("partsdata/Cbuttons/x.data.bmp");
    tree.file("partsdata/SHUFREP/y.data.bmp");
    tree.file("partsdata/Eq/OnAuto/z.data.bmp");
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root());
    EXPECT_EQ(catalogue.lstData[0].entries, Names{"x"});
    EXPECT_EQ(catalogue.lstData[1].entries, Names{"y"});
    EXPECT_EQ(catalogue.lstEQData[0].entries, Names{"z"});
}

TEST_F(CatalogueFill, LayerCategoriesRepeatTheFrameEntriesInTheirOwnLists) {
    tree.file("PartsData/frame/f1.data.bmp");
    tree.file("PartsData/frame/f1.mask.bmp");
    tree.file("PartsData/frame/data/f2.bmp");
    tree.file("PartsData/eq/frame/e1.data.bmp");
    tree.file("PartsData/eq/frame/mask/e2.bmp");
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root());
    const PartList frameData{{"f1", "f2"}, 0, 1};
    const PartList frameMask{{"f1"}, 0, 1};
    for (int k : {6, 9, 10}) EXPECT_EQ(catalogue.lstData[k], frameData) << k;
    for (int k : {6, 7, 8}) EXPECT_EQ(catalogue.lstMask[k], frameMask) << k;
    const PartList eqData{{"e1"}, 0, 1};
    const PartList eqMask{{"e2"}, 0, 0};
    for (int k : {1, 5, 6}) {
        EXPECT_EQ(catalogue.lstEQData[k], eqData) << k;
        EXPECT_EQ(catalogue.lstEQMask[k], eqMask) << k;
    }
}

TEST_F(CatalogueFill, NumberTextAndEqualizerCombosListTheirOwnSuffixes) {
    tree.file("PartsData/number/digits.bmp");
    tree.file("PartsData/text/font.bmp");
    tree.file("PartsData/text/data/ignored.bmp");
    tree.file("PartsData/eq/easy1.bmp");
    tree.file("PartsData/eq/slider/Mini.data.bmp");
    tree.file("PartsData/eq/slider/DefaultMiniWhite.mask.bmp");
    tree.file("PartsData/eq/slider/DefaultBackWhite.back.bmp");
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root());
    EXPECT_EQ(catalogue.lstData[7], (PartList{{"digits"}, 0, 1}));
    EXPECT_EQ(catalogue.lstData[8], (PartList{{"font"}, 0, 1}));
    EXPECT_EQ(catalogue.EasyCombo.entries, Names{"easy1"});
    EXPECT_EQ(catalogue.SliderCombo.entries, Names{"Mini"});
    EXPECT_EQ(catalogue.BackColorCombo.entries, Names{"DefaultBackWhite"});
}

TEST_F(CatalogueFill, MissingFoldersLeaveEmptyListsAndTheFillGoesOn) {
    tree.file("PartsData/eq/preset/p.data.bmp");  // only the eighteenth step finds anything
    std::vector<std::string> seen;
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root(), [&](const Words& line) { seen.push_back(line.english()); });
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(catalogue.lstEQData[4], (PartList{{"p"}, 0, 1}));
    for (const ListRef ref : PartsCatalogue::allLists()) {
        if (ref.list == CatalogueList::lstEQData && ref.index == 4) continue;
        EXPECT_EQ(catalogue.at(ref), PartList{}) << controlLabel(ref);
    }
}

TEST_F(CatalogueFill, ProgressLinesComeBeforeEachStepInOrder) {
    tree.file("PartsData/cbuttons/a.data.bmp");
    std::vector<std::string> seen;
    fillPartsCatalogue(tree.root(), [&](const Words& line) { seen.push_back(line.english()); });
    const Names expected{
        "Loading the cbutton parts",     "Loading the Shufrep parts",     "Loading the Monoster parts",
        "Loading the Playpaus parts",    "Loading the Posbar parts",      "Loading the Number parts",
        "Loading the TEXT parts",        "Loading the Titlebar parts",    "Loading the Frame parts",
        "Loading the Layer1 parts",      "Loading the Layer2 parts",      "Loading the Easy parts",
        "Loading the Slider parts",      "Loading the OnAuto parts",      "Loading the EQ Frame parts",
        "Loading the EQ Titlebar parts", "Loading the image parts",       "Loading the Preset parts",
        "Loading the EQ Layer1 parts",   "Loading the EQ Layer2 parts",
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(catalogueProgressLines(), expected);
}

TEST(PartsCatalogueLookup, ControlsAreFoundByNameAndIndex) {
    PartsCatalogue catalogue;
    catalogue.lstMask[8].entries = {"m"};
    catalogue.BackColorCombo.entries = {"b"};
    ASSERT_NE(catalogue.find(ctl::lstMask, 8), nullptr);
    EXPECT_EQ(catalogue.find(ctl::lstMask, 8)->entries, Names{"m"});
    EXPECT_EQ(catalogue.find(ctl::BackColorCombo, -1)->entries, Names{"b"});
    EXPECT_EQ(catalogue.find(ctl::BackColorCombo, 0), &catalogue.BackColorCombo);
    EXPECT_EQ(catalogue.find(ctl::lstMask, 9), nullptr);
    EXPECT_EQ(catalogue.find(ctl::lstData, -1), nullptr);
    EXPECT_EQ(catalogue.find(ControlName{"lstdata"}, 0), nullptr);
    EXPECT_EQ(catalogue.find(ctl::BackColorCombo, 1), nullptr);
    EXPECT_EQ(PartsCatalogue::allLists().size(), 11u + 9u + 7u + 7u + 3u);
    EXPECT_EQ(controlLabel({CatalogueList::lstEQData, 6}), "lstEQData(6)");
    EXPECT_EQ(controlLabel({CatalogueList::EasyCombo}), "EasyCombo");
}

TEST(PartFileTail, FirstSectionCountChoosesTheStorageForm) {
    const PartList data{{"a", "b"}, 0, 1};
    EXPECT_EQ(partFileTail("\\PartsData\\cbuttons\\", data, 0, PartImage::Data), "\\PartsData\\cbuttons\\a.data.bmp");
    EXPECT_EQ(partFileTail("\\PartsData\\cbuttons\\", data, 0, PartImage::Mask), "\\PartsData\\cbuttons\\a.mask.bmp");
    EXPECT_EQ(partFileTail("\\PartsData\\cbuttons\\", data, 1, PartImage::Data), "\\PartsData\\cbuttons\\data\\b.bmp");
    EXPECT_EQ(partFileTail("\\PartsData\\cbuttons", data, 1, PartImage::Mask), "\\PartsData\\cbuttons\\mask\\b.bmp");
    EXPECT_EQ(partFileTail("\\PartsData\\cbuttons\\", data, 2, PartImage::Data), std::nullopt);
    EXPECT_EQ(partFileTail("\\PartsData\\cbuttons\\", data, -1, PartImage::Data), std::nullopt);
    EXPECT_EQ(defaultMaskTail("\\PartsData\\frame\\"), "\\PartsData\\frame\\Default_white.mask.bmp");
}

TEST(PartFileTail, EveryListNamesTheFolderItsPartsAreLoadedFrom) {
    EXPECT_EQ(partFolderOf({CatalogueList::lstData, 0}), "\\PartsData\\cbuttons\\");
    EXPECT_EQ(partFolderOf({CatalogueList::lstData, 10}), "\\PartsData\\frame\\");
    EXPECT_EQ(partFolderOf({CatalogueList::lstMask, 7}), "\\PartsData\\frame\\");
    EXPECT_EQ(partFolderOf({CatalogueList::lstEQMask, 2}), "\\PartsData\\eq\\bar\\");
    EXPECT_EQ(partFolderOf({CatalogueList::SliderCombo}), "\\PartsData\\eq\\slider\\");
    EXPECT_EQ(partFolderOf({CatalogueList::lstData, 11}), std::nullopt);
    for (const ListRef ref : PartsCatalogue::allLists()) EXPECT_TRUE(partFolderOf(ref).has_value()) << controlLabel(ref);
}

TEST_F(CatalogueFill, ChosenEntriesResolveToTheFilesTheyWereListedFrom) {
    const auto aData = tree.file("PartsData/Cbuttons/a.data.bmp");
    const auto bMask = tree.file("PartsData/Cbuttons/mask/b.bmp");
    tree.file("PartsData/Cbuttons/a.mask.bmp");
    const PartsCatalogue catalogue = fillPartsCatalogue(tree.root());
    const auto folder = *partFolderOf({CatalogueList::lstData, 0});
    const auto dataTail = partFileTail(folder, catalogue.lstData[0], 0, PartImage::Data);
    ASSERT_TRUE(dataTail.has_value());
    EXPECT_EQ(resolveProgramPathOrEmpty(tree.root(), *dataTail), aData);
    const auto maskTail = partFileTail(folder, catalogue.lstMask[0], 1, PartImage::Mask);
    ASSERT_TRUE(maskTail.has_value());
    EXPECT_EQ(resolveProgramPathOrEmpty(tree.root(), *maskTail), bMask);
}
