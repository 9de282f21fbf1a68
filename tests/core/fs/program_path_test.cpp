#include <gtest/gtest.h>

#include "core/fs/temp_tree.h"
#include "fs/ignore_case.h"
#include "fs/program_path.h"

using namespace pelterra;
using pelterra::test_support::TempTree;

namespace {

std::filesystem::path resolved(const TempTree& tree, std::string_view tail) {
    const auto result = resolveProgramPath(tree.root(), tail);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().describe());
    return result.ok() ? result.value() : std::filesystem::path{};
}

}  // namespace

TEST(IgnoreCase, SuffixFoundAnywhereWhateverItsCase) {
    EXPECT_EQ(findIgnoringCase("A.DATA.BMP", ".data.bmp"), 1u);
    EXPECT_EQ(findIgnoringCase("a.data.bmp.old", ".data.bmp"), 1u);
    EXPECT_EQ(findIgnoringCase("a.mask.bmp", ".data.bmp"), std::string_view::npos);
    EXPECT_EQ(findIgnoringCase("x.bm", ".bmp"), std::string_view::npos);
}

TEST(IgnoreCase, OrderFoldsCaseAndBreaksTiesByBytes) {
    EXPECT_TRUE(lessIgnoringCase("apple", "Banana"));
    EXPECT_FALSE(lessIgnoringCase("Banana", "apple"));
    EXPECT_TRUE(lessIgnoringCase("Apple", "apple"));  // 'A' < 'a' once folding ties
    EXPECT_FALSE(lessIgnoringCase("apple", "Apple"));
    EXPECT_FALSE(lessIgnoringCase("same", "same"));
    EXPECT_TRUE(lessIgnoringCase("a", "a_b"));
}

TEST(ProgramPath, TailIsSplitAtEitherSeparatorWithoutEmptyPieces) {
    EXPECT_EQ(splitProgramPathTail("\\PartsData\\frame\\\\Default_white.mask.bmp"),
              (std::vector<std::string>{"PartsData", "frame", "Default_white.mask.bmp"}));
    EXPECT_EQ(splitProgramPathTail("/PartsData/./eq/"), (std::vector<std::string>{"PartsData", "eq"}));
    EXPECT_TRUE(splitProgramPathTail("\\").empty());
}

TEST(ProgramPath, EveryComponentMatchesWhateverTheCase) {
    TempTree tree;
    const auto file = tree.file("PartsData/cbuttons/data/Blue.bmp");
    EXPECT_EQ(resolved(tree, "\\PartsData\\Cbuttons\\DATA\\blue.BMP"), file);
    EXPECT_EQ(resolved(tree, "\\partsdata\\CBUTTONS"), tree.root() / "PartsData" / "cbuttons");
    EXPECT_EQ(resolved(tree, ""), tree.root());
}

TEST(ProgramPath, ExactNameWinsOverCaseVariants) {
    TempTree tree;
    tree.file("PartsData/Frame/a.data.bmp");
    tree.file("PartsData/frame/a.data.bmp");
    tree.file("PartsData/FRAME/a.data.bmp");
    EXPECT_EQ(resolved(tree, "\\PartsData\\frame"), tree.root() / "PartsData" / "frame");
    EXPECT_EQ(resolved(tree, "\\PartsData\\FRAME"), tree.root() / "PartsData" / "FRAME");
    // No exact match: the byte-wise smallest of the variants, every time.
    EXPECT_EQ(resolved(tree, "\\PartsData\\fRaMe"), tree.root() / "PartsData" / "FRAME");
}

TEST(ProgramPath, FolderComponentSkipsFilesOfTheSameName) {
    TempTree tree;
    tree.file("PartsData/eq");            // a stray file named like the folder
    tree.file("PartsData/EQ/slider/x.data.bmp");
    EXPECT_EQ(resolved(tree, "\\PartsData\\eq\\slider\\x.data.bmp"), tree.root() / "PartsData/EQ/slider/x.data.bmp");
}

TEST(ProgramPath, MissingComponentOrClimbingIsAnError) {
    TempTree tree;
    tree.file("PartsData/cbuttons/a.data.bmp");
    const auto missing = resolveProgramPath(tree.root(), "\\PartsData\\shufrep\\a.data.bmp");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().path, (tree.root() / "PartsData/shufrep/a.data.bmp").string());
    EXPECT_FALSE(resolveProgramPath(tree.root(), "\\PartsData\\cbuttons\\..\\cbuttons\\a.data.bmp").ok());
    EXPECT_FALSE(resolveProgramPath(tree.root() / "nowhere", "\\").ok());
    // A file cannot stand in for a folder in the middle of a path.
    EXPECT_FALSE(resolveProgramPath(tree.root(), "\\PartsData\\cbuttons\\a.data.bmp\\x").ok());
}

TEST(ProgramPath, FileExistsOnlyForOrdinaryFiles) {
    TempTree tree;
    tree.file("PartsData/frame/Default_white.mask.bmp");
    EXPECT_TRUE(programFileExists(tree.root(), "\\PartsData\\frame\\default_WHITE.mask.bmp"));
    EXPECT_FALSE(programFileExists(tree.root(), "\\PartsData\\frame"));
    EXPECT_FALSE(programFileExists(tree.root(), "\\PartsData\\frame\\other.mask.bmp"));
}

TEST(ProgramPath, WritingKeepsANewNameAndReusesAnExistingOne) {
    TempTree tree;
    tree.file("PartsData/System/Region1.txt");
    const auto existing = resolveProgramPathForWriting(tree.root(), "\\PartsData\\system\\region1.txt");
    ASSERT_TRUE(existing.ok());
    EXPECT_EQ(existing.value(), tree.root() / "PartsData/System/Region1.txt");
    const auto fresh = resolveProgramPathForWriting(tree.root(), "\\PartsData\\system\\region2.txt");
    ASSERT_TRUE(fresh.ok());
    EXPECT_EQ(fresh.value(), tree.root() / "PartsData/System/region2.txt");
    EXPECT_FALSE(resolveProgramPathForWriting(tree.root(), "\\PartsData\\nofolder\\region2.txt").ok());
    EXPECT_FALSE(resolveProgramPathForWriting(tree.root(), "\\").ok());
}

TEST(FolderListing, OrdinaryFilesOnlySortedByBytes) {
    TempTree tree;
    tree.file("f/b.bmp");
    tree.file("f/B.bmp");
    tree.file("f/a.bmp");
    tree.file("f/.hidden.bmp");
    tree.folder("f/sub.bmp");
    tree.folder("f/.git");
    const auto files = listOrdinaryFiles(tree.root() / "f");
    ASSERT_TRUE(files.ok());
    EXPECT_EQ(files.value(), (std::vector<std::string>{"B.bmp", "a.bmp", "b.bmp"}));
    const auto folders = listSubfolders(tree.root() / "f");
    ASSERT_TRUE(folders.ok());
    EXPECT_EQ(folders.value(), (std::vector<std::string>{"sub.bmp"}));
    EXPECT_FALSE(listOrdinaryFiles(tree.root() / "missing").ok());
}
