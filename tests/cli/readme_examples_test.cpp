// Every example of the README's "Command line" section, run as a user runs them in build/bin,
// leaves the PartsData library exactly as it was: the program only reads its library.
#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "image/picture_file.h"

using namespace pelterra;
using namespace pelterra::cli_test;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

namespace {

const fs::path kReadme = fs::path(PELTERRA_SOURCE_DIR) / "README.md";

// The commands in the code blocks of the README section "## Command line", continuation lines
// (ending in a backslash) joined, each as a shell reads it.
std::vector<std::string> readmeCommandLineExamples() {
    std::istringstream readme(readFileBytes(kReadme));
    std::vector<std::string> commands;
    std::string line, pending;
    bool inSection = false, inBlock = false;
    while (std::getline(readme, line)) {
        if (line.rfind("## ", 0) == 0) inSection = line == "## Command line";
        if (!inSection) continue;
        if (line.rfind("```", 0) == 0) {
            inBlock = !inBlock;
            continue;
        }
        if (!inBlock) continue;
        const bool continues = !line.empty() && line.back() == '\\';
        pending += continues ? line.substr(0, line.size() - 1) : line;
        if (continues) continue;
        if (pending.rfind("pelterra-cli ", 0) == 0) commands.push_back(pending);
        pending.clear();
    }
    return commands;
}

// Every entry below `folder` (hidden ones too) by its relative path; files with their bytes,
// folders marked as such.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(e.path(), folder).string();
        entries[name] = e.is_directory() ? std::string("<folder>") : readFileBytes(e.path());
    }
    return entries;
}

// The README's fit example opens photo.jpg, which the build does not draw: a real JPEG made from
// the sample picture with all three windows, resized to a size no window has so that --fit acts.
void writePhotoJpeg(const fs::path& file, const fs::path& sample) {
    const auto picture = LoadPicture(sample.string());
    ASSERT_TRUE(picture.ok()) << picture.error().describe();
    const int width = 300, height = 400;
    std::vector<unsigned char> rgb;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour c = picture->at(x * picture->width() / width, y * picture->height() / height);
            rgb.insert(rgb.end(), {static_cast<unsigned char>(GetRed(c)), static_cast<unsigned char>(GetGreen(c)),
                                   static_cast<unsigned char>(GetBlue(c))});
        }
    ASSERT_NE(stbi_write_jpg(file.c_str(), width, height, 3, rgb.data(), 90), 0);
}

}  // namespace

TEST(ReadmeExamples, RunInACopyOfTheBuildFolderTheyAllSucceedAndLeaveTheLibraryAsItWas) {
    if (!fs::exists(samplePicture("base_main.bmp"))) GTEST_SKIP() << "the sample pictures were not drawn";
    const std::vector<std::string> examples = readmeCommandLineExamples();
    ASSERT_GE(examples.size(), 10u) << "the README's command-line section lost its examples";

    // The program finds PartsData beside itself, so it is copied along with the library.
    TempDir scratch;
    const fs::path bin = scratch / "bin";
    fs::create_directories(bin);
    fs::copy_file(PELTERRA_CLI, bin / "pelterra-cli");
    fs::copy(kBin / "PartsData", bin / "PartsData", fs::copy_options::recursive);
    fs::copy(kBin / "Samples", bin / "Samples", fs::copy_options::recursive);
    writePhotoJpeg(bin / "photo.jpg", kBin / "Samples" / "base_main_eq_playlist.bmp");
    const auto before = snapshot(bin / "PartsData");
    const fs::path userData = scratch / "user-data";

    for (const std::string& example : examples) {
        SCOPED_TRACE(example);
        const CliRun run =
            runShell("cd " + quoted(bin) + " && XDG_DATA_HOME=" + quoted(userData) + " ./" + example, scratch.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }

    const auto after = snapshot(bin / "PartsData");
    for (const auto& [name, bytes] : after) {
        const auto was = before.find(name);
        if (was == before.end()) ADD_FAILURE() << "PartsData/" << name << " was added";
        else EXPECT_TRUE(was->second == bytes) << "PartsData/" << name << " was changed";
    }
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after.count(name)) << "PartsData/" << name << " was removed";
    // The region examples' work files went to the per-user folder instead.
    for (const char* work : {"region1.txt", "region2.txt", "region3.txt", "region4.txt", "region.txt"})
        EXPECT_TRUE(fs::is_regular_file(userData / "pelterra" / "system" / work)) << work;
    EXPECT_TRUE(fs::is_regular_file(bin / "sky.wsz"));
    EXPECT_TRUE(fs::is_regular_file(bin / "shaped.wsz"));
}
