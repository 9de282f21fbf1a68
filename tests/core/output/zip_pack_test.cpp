#include <gtest/gtest.h>
#include <zip.h>

#include "output/text_file.h"
#include "output/zip_pack.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;

namespace {

// What unpacking gives each entry, as Unix archivers read it: the system the attributes are
// meant for, and the file type and mode bits in the top half.
std::vector<std::pair<int, std::uint32_t>> entryAttributes(const std::filesystem::path& path) {
    std::vector<std::pair<int, std::uint32_t>> attributes;
    int err = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &err);
    if (!zip) return attributes;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_uint8_t system = 0;
        zip_uint32_t bits = 0;
        zip_file_get_external_attributes(zip, i, 0, &system, &bits);
        attributes.emplace_back(system, bits >> 16);
    }
    zip_close(zip);
    return attributes;
}

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
    // Ordinary files, rw-r--r--, whatever the umask.
    const std::pair<int, std::uint32_t> ordinary{ZIP_OPSYS_UNIX, 0100644};
    EXPECT_EQ(entryAttributes(dir / "Blue.zip"), (std::vector{ordinary, ordinary, ordinary}));
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
    EXPECT_EQ(packed.error().message, "cannot make the ZIP archive: there is no file to pack");
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
    EXPECT_EQ(packed.error().message.rfind("cannot make the ZIP archive: ", 0), 0u) << packed.error().message;
}
