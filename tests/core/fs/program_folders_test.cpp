#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/fs/temp_tree.h"
#include "fs/program_folders.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

using namespace pelterra;
using pelterra::test_support::TempTree;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable while the object lives, then puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old) ::setenv(m_name, m_old->c_str(), 1);
        else ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace

TEST(LibraryFolder, BesideTheExecutableFirstThenTheInstalledShareFolder) {
    TempTree buildTree;
    buildTree.folder("bin/PartsData/frame");
    buildTree.folder("share/pelterra/PartsData");  // an installed copy loses to the one beside the program
    EXPECT_EQ(LibraryFolder(buildTree.root() / "bin"), buildTree.root() / "bin");

    TempTree prefix;
    prefix.folder("bin");
    prefix.folder("share/pelterra/partsdata/frame");  // any letter case, as every library lookup
    EXPECT_EQ(LibraryFolder(prefix.root() / "bin"), prefix.root() / "share" / "pelterra");

    // Nothing anywhere: the executable's folder, which the missing-library message names.
    TempTree bare;
    bare.folder("bin");
    bare.file("share/pelterra/PartsData");  // a file of that name is no library
    EXPECT_EQ(LibraryFolder(bare.root() / "bin"), bare.root() / "bin");
}

TEST(LibraryFolder, InstalledOnlyForAShareFolderNamedAfterTheProgram) {
    EXPECT_TRUE(IsInstalledLibrary("/usr/share/pelterra"));
    EXPECT_TRUE(IsInstalledLibrary("/opt/p/bin/../share/pelterra/"));
    EXPECT_FALSE(IsInstalledLibrary("/work/build/bin"));
    EXPECT_FALSE(IsInstalledLibrary("/usr/share/pelterra/PartsData"));
    EXPECT_FALSE(IsInstalledLibrary("/home/me/pelterra"));
    EXPECT_FALSE(IsInstalledLibrary("/usr/share/pelterra/.."));
}

TEST(PerUserDataFolder, XdgDataHomeElseTheHomeFolder) {
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/data/me");
        EXPECT_EQ(PerUserDataFolder(), fs::path("/data/me/pelterra"));
    }
    ScopedEnv xdg("XDG_DATA_HOME", "");  // empty counts as unset, as the XDG rules say
    ScopedEnv home("HOME", "/home/me");
    EXPECT_EQ(PerUserDataFolder(), fs::path("/home/me/.local/share/pelterra"));
}

TEST(DefaultSaveFolder, AWritableBuildTreeKeepsSkinsBesideTheProgram) {
    test_support::UserDataFolder userData;
    TempTree tree;
    const fs::path bin = tree.folder("bin/PartsData").parent_path();
    const auto folder = DefaultSaveFolder(bin);
    ASSERT_TRUE(folder.ok()) << folder.error().describe();
    EXPECT_EQ(folder.value(), bin);
    EXPECT_FALSE(fs::exists(userData.path() / "pelterra" / "skins"));
    EXPECT_EQ(test_support::namesIn(bin), std::vector<std::string>{"PartsData"});  // the probe is gone
}

TEST(DefaultSaveFolder, AnInstalledLibraryIsNeverWrittenTo) {
    test_support::UserDataFolder userData;
    TempTree prefix;
    const fs::path library = prefix.folder("share/pelterra/PartsData").parent_path();
    const auto folder = DefaultSaveFolder(library);
    ASSERT_TRUE(folder.ok()) << folder.error().describe();
    EXPECT_EQ(folder.value(), userData.path() / "pelterra" / "skins");
    EXPECT_TRUE(fs::is_directory(folder.value()));
    EXPECT_EQ(test_support::namesIn(library), std::vector<std::string>{"PartsData"});
}

TEST(DefaultSaveFolder, AReadOnlyProgramFolderSendsSkinsToThePerUserFolder) {
    TempTree tree;
    const fs::path bin = tree.folder("bin/PartsData").parent_path();
    const fs::path userData = tree.folder("user");
    fs::permissions(tree.root(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(bin, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(userData, fs::perms::all);
    ScopedEnv xdg("XDG_DATA_HOME", userData.string());
    // As the superuser every folder is writable: the lookup runs as an ordinary user then.
    const auto answer = test_support::RunUnprivileged([&] {
        if (CanWriteInto(bin)) return std::string("bin is writable");
        const auto folder = DefaultSaveFolder(bin);
        return folder.ok() ? folder.value().string() : "failed: " + folder.error().describe();
    });
    ASSERT_TRUE(answer.has_value()) << "could not run as an ordinary user";
    EXPECT_EQ(*answer, (userData / "pelterra" / "skins").string());
}

TEST(DefaultSaveFolder, FailsWithTheFolderWhenThePerUserFolderCannotBeMade) {
    TempTree prefix;
    const fs::path library = prefix.folder("share/pelterra/PartsData").parent_path();
    const fs::path notAFolder = prefix.file("data-home");
    ScopedEnv xdg("XDG_DATA_HOME", notAFolder.string());
    const auto folder = DefaultSaveFolder(library);
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().path, (notAFolder / "pelterra" / "skins").string());
    EXPECT_EQ(folder.error().message.rfind("cannot create the per-user folder for skins: ", 0), 0u)
        << folder.error().message;
}
