#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace pelterra::test_support {

TempDir::TempDir() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() / ("pelterra-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

UserDataFolder::UserDataFolder() {
    if (const char* old = std::getenv("XDG_DATA_HOME")) {
        m_hadValue = true;
        m_oldValue = old;
    }
    ::setenv("XDG_DATA_HOME", m_dir.path().c_str(), 1);
}

UserDataFolder::~UserDataFolder() {
    if (m_hadValue)
        ::setenv("XDG_DATA_HOME", m_oldValue.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

std::string readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace pelterra::test_support
