#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "fs/atomic_file.h"
#include "fs/output_folder.h"
#include "support/fault_injection.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::asUserBoundByPermissions;
using pelterra::test_support::kNoBoundUser;
using pelterra::test_support::kReadOnly;
using pelterra::test_support::LockedFolder;
using pelterra::test_support::makeFifo;
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

// ---- Writing and replacing ----------------------------------------------------------------------

TEST_F(AtomicFile, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(WriteFileAtomically(dir / "a.txt", "older").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "a.txt", "newer bytes").ok());
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "newer bytes");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.txt"});
}

TEST_F(AtomicFile, ANameAsLongAsTheFileSystemAllowsIsWritten) {
    // The temporary name is short and of its own, so it fits wherever the target's name fits.
    const fs::path longest = dir / std::string(255, 'n');
    ASSERT_TRUE(WriteFileAtomically(longest, "first").ok());
    const Status replaced = WriteFileAtomically(longest, "second");
    ASSERT_TRUE(replaced.ok()) << replaced.error().describe();
    EXPECT_EQ(readFileBytes(longest), "second");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{longest.filename().string()});
}

TEST_F(AtomicFile, WritersAtTheSameTimeEachGetTheirOwnTemporaryFile) {
    // Eight threads replace one file a hundred times each: every write succeeds and the file is
    // always one writer's bytes, whole.
    std::vector<std::thread> writers;
    std::vector<int> failures(8, 0);
    for (int w = 0; w < 8; ++w)
        writers.emplace_back([&, w] {
            const std::string bytes(4000 + w, static_cast<char>('a' + w));
            for (int i = 0; i < 100; ++i)
                if (!WriteFileAtomically(dir / "shared.txt", bytes).ok()) ++failures[w];
        });
    for (auto& t : writers) t.join();
    EXPECT_EQ(failures, std::vector<int>(8, 0));
    const std::string last = readFileBytes(dir / "shared.txt");
    ASSERT_GE(last.size(), 4000u);
    const int w = static_cast<int>(last.size()) - 4000;
    EXPECT_EQ(last, std::string(4000 + w, static_cast<char>('a' + w)));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"shared.txt"});
}

// ---- Failures keep the older file ---------------------------------------------------------------

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

TEST_F(AtomicFile, AReadOnlyFolderIsAnErrorThatSaysSo) {
    ASSERT_TRUE(WriteFileAtomically(dir / "a.txt", "older").ok());
    LockedFolder readOnly(dir.path(), kReadOnly);
    const auto passed = asUserBoundByPermissions([&] {
        const Status written = WriteFileAtomically(dir / "a.txt", "newer");
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.error().describe(),
                  (dir / "a.txt").string() + ": cannot create a file in this folder: permission denied");
    });
    if (!passed) GTEST_SKIP() << kNoBoundUser;
    EXPECT_TRUE(*passed);
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "older");
}

TEST_F(AtomicFile, AMissingFolderIsAnErrorThatSaysSo) {
    const Status written = WriteFileAtomically(dir / "missing" / "a.txt", "x");
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().message, "cannot create a file in this folder: it does not exist");
}

// ---- What may be replaced -----------------------------------------------------------------------

TEST_F(AtomicFile, ASymbolicLinkIsReplacedNotWrittenThrough) {
    ASSERT_TRUE(WriteFileAtomically(dir / "elsewhere.txt", "not mine to change").ok());
    fs::create_symlink(dir / "elsewhere.txt", dir / "link.txt");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.txt", "written").ok());
    EXPECT_FALSE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(readFileBytes(dir / "link.txt"), "written");
    EXPECT_EQ(readFileBytes(dir / "elsewhere.txt"), "not mine to change");
}

TEST_F(AtomicFile, ANamedPipeIsRefusedAndLeftAsItIs) {
    ASSERT_TRUE(makeFifo(dir / "pipe"));
    const Status written = WriteFileAtomically(dir / "pipe", "x");
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().path, (dir / "pipe").string());
    EXPECT_EQ(written.error().message,
              "this is a named pipe (FIFO), not a regular file; it is left as it is: choose another name");
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"pipe"});
}

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

// ---- Output folders -----------------------------------------------------------------------------

TEST(FolderName, PlainNamesOnly) {
    EXPECT_TRUE(CheckFolderName("sky", "skin").ok());
    EXPECT_TRUE(CheckFolderName("..sky", "skin").ok());
    EXPECT_EQ(CheckFolderName("", "skin").error().message, "the skin needs a folder name");
    EXPECT_EQ(CheckFolderName(".", "skin").error().message, "\".\" is not a folder name");
    EXPECT_EQ(CheckFolderName("..", "project").error().message, "\"..\" is not a folder name");
    EXPECT_EQ(CheckFolderName("a/b", "project").error().message,
              "the project name \"a/b\" holds a path separator; give a plain folder name");
    EXPECT_EQ(CheckFolderName("a\\b", "skin").error().message,
              "the skin name \"a\\b\" holds a path separator; give a plain folder name");
    EXPECT_EQ(CheckFolderName(std::string_view("a\0b", 3), "skin").error().message,
              "the skin name holds a zero character");
}

class OutputFolderTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(OutputFolderTest, AnExistingFolderIsReusedInItsOwnCaseAndANewOneIsMade) {
    fs::create_directory(dir / "Sky");
    auto reused = FolderForWriting(dir.path(), "sky", "skin");
    ASSERT_TRUE(reused.ok());
    EXPECT_EQ(reused->path, dir / "Sky");
    EXPECT_FALSE(reused->made);
    auto made = FolderForWriting(dir.path(), "rain", "skin");
    ASSERT_TRUE(made.ok());
    EXPECT_EQ(made->path, dir / "rain");
    EXPECT_TRUE(made->made);
    EXPECT_TRUE(fs::is_directory(dir / "rain"));
}

TEST_F(OutputFolderTest, OnlyAFolderThisSaveMadeAndLeftEmptyIsTakenAway) {
    auto made = FolderForWriting(dir.path(), "new", "skin");
    auto existing = FolderForWriting(dir.path(), "new", "skin");  // there now: not this one's
    ASSERT_TRUE(made.ok() && existing.ok());
    RemoveIfMadeAndEmpty(*existing);
    EXPECT_TRUE(fs::is_directory(dir / "new"));
    RemoveIfMadeAndEmpty(*made);
    EXPECT_FALSE(fs::exists(dir / "new"));

    auto filled = FolderForWriting(dir.path(), "filled", "skin");
    ASSERT_TRUE(filled.ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "filled" / "a.txt", "a").ok());
    RemoveIfMadeAndEmpty(*filled);
    EXPECT_EQ(readFileBytes(dir / "filled" / "a.txt"), "a");
}

TEST_F(OutputFolderTest, AFolderThatCannotBeSearchedIsAnErrorNotAnAbort) {
    fs::create_directory(dir / "closed");
    LockedFolder closed(dir / "closed");
    const auto passed = asUserBoundByPermissions([&] {
        auto folder = FolderForWriting(dir / "closed", "skin", "skin");
        ASSERT_FALSE(folder.ok());
        EXPECT_EQ(folder.error().describe(),
                  (dir / "closed" / "skin").string() + ": cannot open the folder: permission denied");
    });
    if (!passed) GTEST_SKIP() << kNoBoundUser;
    EXPECT_TRUE(*passed);
}

TEST_F(OutputFolderTest, ANameLongerThanTheFileSystemAllowsIsAnError) {
    auto folder = FolderForWriting(dir.path(), std::string(256, 'n'), "skin");
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().message, "cannot open the folder: the name is too long");
}

TEST_F(OutputFolderTest, AParentThatIsMissingOrNoFolderIsNamed) {
    auto missing = FolderForWriting(dir / "gone", "skin", "skin");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().path, (dir / "gone").string());
    EXPECT_EQ(missing.error().message, "the folder to save into does not exist");
    ASSERT_TRUE(WriteFileAtomically(dir / "file", "x").ok());
    auto file = FolderForWriting(dir / "file", "skin", "skin");
    ASSERT_FALSE(file.ok());
    EXPECT_EQ(file.error().message, "this is a file, not a folder to save into");
}

TEST_F(OutputFolderTest, SomethingElseOfTheNameIsLeftAsItIs) {
    ASSERT_TRUE(makeFifo(dir / "pipe"));
    auto fifo = FolderForWriting(dir.path(), "pipe", "skin");
    ASSERT_FALSE(fifo.ok());
    EXPECT_EQ(fifo.error().message,
              "this is a named pipe (FIFO), not a folder: it is left as it is; choose another name");
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    ASSERT_TRUE(WriteFileAtomically(dir / "plain", "x").ok());
    auto file = FolderForWriting(dir.path(), "plain", "skin");
    ASSERT_FALSE(file.ok());
    EXPECT_EQ(readFileBytes(dir / "plain"), "x");
}

}  // namespace
