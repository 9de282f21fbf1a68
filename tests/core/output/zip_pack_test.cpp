#include <gtest/gtest.h>
#include <zip.h>

#include "output/text_file.h"
#include "output/zip_pack.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;

namespace {

// The names of an archive's entries in their stored order, and the content of each.
std::vector<std::pair<std::string, std::string>> archiveEntries(const std::filesystem::path& path) {
    std::vector<std::pair<std::string, std::string>> entries;
    int err = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &err);
    if (!zip) return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(zip, i, 0, &st);
        std::string content(st.size, '\0');
        zip_file_t* f = zip_fopen_index(zip, i, 0);
        zip_fread(f, content.data(), st.size);
        zip_fclose(f);
        entries.emplace_back(st.name, content);
    }
    zip_close(zip);
    return entries;
}

}  // namespace

TEST(ZipHelpers, QuoteIfNeededWrapsTextWithASpaceOrAComma) {
    EXPECT_EQ(QuoteIfNeeded("D:\\my skins\\Blue.zip"), "\"D:\\my skins\\Blue.zip\"");
    EXPECT_EQ(QuoteIfNeeded("a,b"), "\"a,b\"");
    EXPECT_EQ(QuoteIfNeeded("D:\\skins\\Blue.zip"), "D:\\skins\\Blue.zip");
}

TEST(ZipHelpers, WithTrailingSeparatorTrimsSpacesAndEndsInOneBackslash) {
    EXPECT_EQ(WithTrailingSeparator("C:\\prog\\PartsData\\system\\  "), "C:\\prog\\PartsData\\system\\");
    EXPECT_EQ(WithTrailingSeparator("C:\\prog"), "C:\\prog\\");
}

TEST(ZipPacking, StoresTheListedFilesFlatInTheirOrder) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "main.bmp", "BM-main").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "asp.txt", "asp").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "other.txt", "not listed").ok());
    ASSERT_TRUE(PackFiles(dir / "Blue.zip", dir.path(), {"main.bmp", "asp.txt"}).ok());
    const auto entries = archiveEntries(dir / "Blue.zip");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{"main.bmp", "BM-main"}));
    EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"asp.txt", "asp"}));
}

TEST(ZipPacking, AFailedPackKeepsTheOlderArchive) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "main.bmp", "new").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "Blue.zip", "the user's old skin").ok());
    const Status packed = PackFiles(dir / "Blue.zip", dir.path(), {"main.bmp", "eqmain.bmp"});
    ASSERT_FALSE(packed.ok());
    EXPECT_EQ(packed.error().message.rfind("Zip圧縮失敗", 0), 0u);
    EXPECT_NE(packed.error().message.find("eqmain.bmp"), std::string::npos);
    EXPECT_EQ(readFileBytes(dir / "Blue.zip"), "the user's old skin");
}

TEST(ZipPacking, ANewPackReplacesTheOlderArchiveWhole) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "a.txt", "a").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "b.txt", "b").ok());
    ASSERT_TRUE(PackFiles(dir / "s.zip", dir.path(), {"a.txt", "b.txt"}).ok());
    ASSERT_TRUE(PackFiles(dir / "s.zip", dir.path(), {"b.txt"}).ok());
    const auto entries = archiveEntries(dir / "s.zip");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, "b.txt");
}

TEST(ZipPacking, AnArchiveInAMissingFolderIsReported) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "a.txt", "a").ok());
    EXPECT_FALSE(PackFiles(dir / "nowhere" / "s.zip", dir.path(), {"a.txt"}).ok());
}
