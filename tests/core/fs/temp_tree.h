// A temporary folder tree for tests of the file lookups: created empty, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace pelterra::test_support {

class TempTree {
public:
    TempTree() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pelterra-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        m_root = pattern;
    }
    ~TempTree() {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::filesystem::path& root() const { return m_root; }

    // Creates an empty file (and its folders) at a '/'-separated path below the root.
    std::filesystem::path file(const std::string& relative) {
        const auto path = m_root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << relative;
        return path;
    }

    std::filesystem::path folder(const std::string& relative) {
        const auto path = m_root / relative;
        std::filesystem::create_directories(path);
        return path;
    }

private:
    std::filesystem::path m_root;
};

}  // namespace pelterra::test_support
