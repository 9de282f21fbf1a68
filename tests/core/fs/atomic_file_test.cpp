// Outputs written whole: names as long as the file system allows, writes cut short, what may
// not be replaced, and the folder-name rule of every save.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fs/atomic_file.h"
#include "fs/output_folder.h"
#include "fs/output_set.h"
#include "support/fault_injection.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::namesIn;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
using pelterra::test_support::underFileSizeLimit;
namespace fs = std::filesystem;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(AtomicFile, ANameAsLongAsTheFileSystemAllowsIsWritten) {
    // The temporary name is short and of its own, so it fits wherever the target's name fits.
    const fs::path longest = dir / std::string(255, 'n');
    ASSERT_TRUE(WriteFileAtomically(longest, "first").ok());
    const Status replaced = WriteFileAtomically(longest, "second");
    ASSERT_TRUE(replaced.ok()) << replaced.error().describe();
    EXPECT_EQ(readFileBytes(longest), "second");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{longest.filename().string()});
}

TEST_F(AtomicFile, AWriteCutShortKeepsTheOlderFileByteForByte) {
    ASSERT_TRUE(WriteFileAtomically(dir / "big.bin", "the older file").ok());
    const auto passed = underFileSizeLimit(4096, [&] {
        const Status written = WriteFileAtomically(dir / "big.bin", std::string(100000, 'x'));
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.error().describe(),
                  (dir / "big.bin").string() + ": writing the file failed: the file is too large for this disk");
    });
    EXPECT_EQ(passed, std::optional<bool>(true));
    EXPECT_EQ(readFileBytes(dir / "big.bin"), "the older file");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"big.bin"});
}

// ---- What may be replaced -----------------------------------------------------------------------

TEST_F(AtomicFile, ASocketIsRefused) {
    const fs::path path = dir / "s";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    ASSERT_LT(name.size(), sizeof address.sun_path);
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const Status written = WriteFileAtomically(path, "x");
    ::close(fd);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().message, "this is a socket, not a regular file; it is left as it is: choose another name");
    EXPECT_TRUE(fs::is_socket(path));
}

TEST_F(AtomicFile, ADeviceOrAFolderIsNoTargetForAFile) {
    // Only looked at: a device is never written to by a test, whoever runs it.
    const Status device = CheckFileTarget("/dev/null");
    ASSERT_FALSE(device.ok());
    EXPECT_EQ(device.error().message, "this is a device, not a regular file; it is left as it is: choose another name");
    fs::create_directories(dir / "busy" / "inside");
    const Status folder = WriteFileAtomically(dir / "busy", "x");
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().message, "a folder of that name is in the way");
    EXPECT_TRUE(fs::is_directory(dir / "busy" / "inside"));
}

// ---- The folder a save writes into ---------------------------------------------------------------

TEST(FolderName, PlainNamesOnly) {
    EXPECT_TRUE(CheckFolderName("sky", FolderOwner::Skin).ok());
    EXPECT_TRUE(CheckFolderName("..sky", FolderOwner::Skin).ok());
    EXPECT_EQ(CheckFolderName("", FolderOwner::Skin).error().message, "the skin needs a folder name");
    EXPECT_EQ(CheckFolderName(".", FolderOwner::Skin).error().message, "\".\" is not a folder name");
    EXPECT_EQ(CheckFolderName("..", FolderOwner::Project).error().message, "\"..\" is not a folder name");
    EXPECT_EQ(CheckFolderName("a/b", FolderOwner::Project).error().message,
              "the project name \"a/b\" holds a path separator; give a plain folder name");
    EXPECT_TRUE(CheckFolderName("a\\b", FolderOwner::Skin).ok());  // an ordinary character here
    EXPECT_EQ(CheckFolderName(std::string_view("a\0b", 3), FolderOwner::Skin).error().message,
              "the skin name holds a zero character");
}

// A folder replaced as a whole: the files it claims go, the user's own stay, its mode stays, a
// link in its place is replaced and never followed, a folder holding folders is refused; a replaced file keeps its mode; leftovers of
// killed runs go (a folder moved aside whose own went missing comes back), an entry in use stays.
TEST(OutputSet, ReplacesWholeKeepsTheUsersFilesAndModesAndCleansUpAfterKilledRuns) {
    TempDir dir;
    fs::create_directories(dir / "sky");
    fs::create_directories(dir / "tree" / "sub");
    for (const char* name : {"main.bmp", "REGION.TXT", "notes.txt", ".pt-oldtmp"})
        std::ofstream(dir / "sky" / name) << "old " << name;
    fs::permissions(dir / "sky", fs::perms::owner_all);
    std::ofstream(dir / ".pt-killed") << "a temporary file of a killed run";
    fs::create_directory(dir / ".pt-moved~gone");
    std::ofstream(dir / ".pt-moved~gone" / "main.bmp") << "a skin moved aside";
    std::ofstream(dir / ".pt-inuse") << "locked";
    const int inUse = ::open((dir / ".pt-inuse").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(inUse, LOCK_EX), 0);
    fs::create_directory(dir / "real");
    fs::create_directory_symlink(dir / "real", dir / "link");
    std::ofstream(dir / "private.wsz") << "old";
    fs::permissions(dir / "private.wsz", fs::perms::owner_read | fs::perms::owner_write);

    OutputSet outputs;
    const auto claimed = [](std::string_view name) { return name == "main.bmp" || name == "REGION.TXT"; };
    EXPECT_EQ(outputs.stageFolder(dir / "tree", claimed).error().message,
              "this folder holds folders of its own, so it is not replaced: choose a folder for this alone");
    auto sky = outputs.stageFolder(dir / "sky", claimed);
    ASSERT_TRUE(sky.ok()) << sky.error().describe();
    ASSERT_TRUE(WriteNewFile(*sky / "main.bmp", "new", dir / "sky" / "main.bmp").ok());
    auto link = outputs.stageFolder(dir / "link", claimed);
    ASSERT_TRUE(link.ok());
    ASSERT_TRUE(outputs.stageFile(dir / "private.wsz", "new").ok());
    EXPECT_EQ(readFileBytes(dir / "sky" / "main.bmp"), "old main.bmp");  // nothing in place before the commit
    ASSERT_TRUE(outputs.commit().ok());
    ::close(inUse);

    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{".pt-inuse", "gone", "link", "private.wsz", "real", "sky", "tree"}));
    EXPECT_EQ(namesIn(dir / "sky"), (std::vector<std::string>{"main.bmp", "notes.txt"}));
    EXPECT_EQ(readFileBytes(dir / "sky" / "main.bmp"), "new");
    EXPECT_EQ(readFileBytes(dir / "sky" / "notes.txt"), "old notes.txt");
    EXPECT_EQ(fs::status(dir / "sky").permissions(), fs::perms::owner_all);
    EXPECT_EQ(readFileBytes(dir / "gone" / "main.bmp"), "a skin moved aside");
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(dir / "link")));
    EXPECT_TRUE(fs::is_empty(dir / "real"));
    EXPECT_EQ(readFileBytes(dir / "private.wsz"), "new");
    EXPECT_EQ(fs::status(dir / "private.wsz").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
