// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pelterra::test_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// XDG_DATA_HOME pointed at a fresh temporary folder while the object lives, so that the work
// files the program writes (region1.txt to region4.txt, region.txt) land there: not in the
// user's own data folder, and not in one that tests running at the same time share.
class UserDataFolder {
public:
    UserDataFolder();
    ~UserDataFolder();
    UserDataFolder(const UserDataFolder&) = delete;
    UserDataFolder& operator=(const UserDataFolder&) = delete;

    const std::filesystem::path& path() const { return m_dir.path(); }
    // Where the program keeps its work files below it.
    std::filesystem::path workFolder() const { return m_dir.path() / "pelterra" / "system"; }

private:
    TempDir m_dir;
    bool m_hadValue = false;
    std::string m_oldValue;
};

// The whole content of a file as bytes.
std::string readFileBytes(const std::filesystem::path& path);

// The names of every entry of a folder (hidden ones too: a temporary file left behind shows),
// sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

}  // namespace pelterra::test_support
