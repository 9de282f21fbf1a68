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

TEST(ZipPacking, StoresTheEntriesFlatInTheirOrderByteForByte) {
    TempDir dir;
    const std::string bitmap("BM\0\x01\xff-main", 10);
    ASSERT_TRUE(PackEntries(dir / "Blue.zip", {{"main.bmp", bitmap}, {"asp.txt", "asp\r\n"}, {"empty.txt", ""}}).ok());
    const auto entries = archiveEntries(dir / "Blue.zip");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{"main.bmp", bitmap}));
    EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"asp.txt", "asp\r\n"}));
    EXPECT_EQ(entries[2], (std::pair<std::string, std::string>{"empty.txt", ""}));
}

TEST(ZipPacking, ANameGivenTwiceKeepsTheLaterBytes) {
    TempDir dir;
    ASSERT_TRUE(PackEntries(dir / "s.zip", {{"a.txt", "first"}, {"b.txt", "b"}, {"a.txt", "second"}}).ok());
    const auto entries = archiveEntries(dir / "s.zip");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string>{"a.txt", "second"}));
    EXPECT_EQ(entries[1].first, "b.txt");
}

TEST(ZipPacking, AFailedPackKeepsTheOlderArchive) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "Blue.zip", "the user's old skin").ok());
    const Status packed = PackEntries(dir / "Blue.zip", {});
    ASSERT_FALSE(packed.ok());
    EXPECT_EQ(packed.error().message.rfind("Zip圧縮失敗", 0), 0u);
    EXPECT_EQ(packed.error().path, (dir / "Blue.zip").string());
    EXPECT_EQ(readFileBytes(dir / "Blue.zip"), "the user's old skin");
}

TEST(ZipPacking, ANewPackReplacesTheOlderArchiveWholeAndLeavesNothingBesideIt) {
    TempDir dir;
    ASSERT_TRUE(PackEntries(dir / "s.zip", {{"a.txt", "a"}, {"b.txt", "b"}}).ok());
    ASSERT_TRUE(PackEntries(dir / "s.zip", {{"b.txt", "b"}}).ok());
    const auto entries = archiveEntries(dir / "s.zip");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, "b.txt");
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(ZipPacking, AnArchiveInAMissingFolderIsReported) {
    TempDir dir;
    const Status packed = PackEntries(dir / "nowhere" / "s.zip", {{"a.txt", "a"}});
    ASSERT_FALSE(packed.ok());
    EXPECT_EQ(packed.error().message.rfind("Zip圧縮失敗", 0), 0u);
}
