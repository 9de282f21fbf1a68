#include "support/big_library.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace pelterra::test_support {

namespace fs = std::filesystem;

namespace {

// "a.data.bmp" -> "data.bmp"; names without a dot have no group.
std::string groupOf(const std::string& name) {
    const auto dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

void fillFolder(const fs::path& folder, int partsPerList) {
    std::map<std::string, std::vector<fs::path>> groups;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) groups[groupOf(e.path().filename().string())].push_back(e.path());
    for (auto& [group, files] : groups) {
        if (group.empty() || files.empty()) continue;
        const fs::path first = files.front();
        for (int i = 0; static_cast<int>(files.size()) < partsPerList; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "zz%04d.", i);
            const fs::path copy = folder / (name + group);
            std::error_code linked;
            fs::create_hard_link(first, copy, linked);
            if (linked) fs::copy_file(first, copy);
            files.push_back(copy);
        }
    }
}

}  // namespace

void makeBigLibrary(const fs::path& generatedProgramFolder, const fs::path& programFolder, int partsPerList) {
    fs::create_directories(programFolder);
    fs::copy(generatedProgramFolder / "PartsData", programFolder / "PartsData", fs::copy_options::recursive);
    std::vector<fs::path> folders{programFolder / "PartsData"};
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(programFolder / "PartsData"))
        if (e.is_directory()) folders.push_back(e.path());
    for (const fs::path& folder : folders) {
        // The playlist styles are folders of fixed sheets, not lists of parts; the data\ and mask\
        // folders add their parts to the lists of their category folder, which is filled already.
        if (folder.parent_path().filename() == "playlist") continue;
        if (folder.filename() == "data" || folder.filename() == "mask") continue;
        fillFolder(folder, partsPerList);
    }
}

}  // namespace pelterra::test_support
