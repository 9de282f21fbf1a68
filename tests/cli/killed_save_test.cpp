// pelterra-cli killed at random moments while it replaces a skin folder, an archive and a project
// folder: each is the old one or the new one byte for byte (an archive: every entry), never a
// mix, and the next run leaves no temporary entry behind.
#include <gtest/gtest.h>
#include <zip.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "cli_run.h"

namespace {

using namespace pelterra::cli_test;
using pelterra::test_support::namesIn;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;
namespace fs = std::filesystem;

// Every file below `path` by its path relative to `path`, with its bytes; for an archive, its entries.
using Snapshot = std::map<std::string, std::string>;

// An archive's entries by name; its bytes under "" when it is not one libzip can read whole.
// (Entries carry the time they were packed, so two packings of one skin differ in their bytes.)
Snapshot archiveEntries(const fs::path& path) {
    const std::string bytes = readFileBytes(path);
    Snapshot files;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_CHECKCONS | ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip) {
        if (source) zip_source_free(source);
        files[""] = bytes;
        return files;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_file_t* file = zip_stat_index(zip, i, 0, &st) == 0 ? zip_fopen_index(zip, i, 0) : nullptr;
        std::string content(file ? st.size : 0, '\0');
        if (!file || zip_fread(file, content.data(), content.size()) != static_cast<zip_int64_t>(content.size()))
            content = "<unreadable>";
        if (file) zip_fclose(file);
        files[st.name ? st.name : "?"] = content;
    }
    zip_close(zip);
    return files;
}

Snapshot snapshotOf(const fs::path& path) {
    Snapshot files;
    if (fs::is_regular_file(fs::symlink_status(path))) return archiveEntries(path);
    if (!fs::exists(fs::symlink_status(path))) return files;
    for (const auto& entry : fs::recursive_directory_iterator(path))
        files[fs::relative(entry.path(), path).string()] = entry.is_regular_file() ? readFileBytes(entry.path()) : "<dir>";
    return files;
}

// Starts pelterra-cli with `arguments` in a child of its own, its output thrown away.
pid_t startCli(const std::vector<std::string>& arguments, const fs::path& scratch) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    ::setenv("XDG_DATA_HOME", userDataOf(scratch).c_str(), 1);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    std::vector<char*> argv{const_cast<char*>(PELTERRA_CLI)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(PELTERRA_CLI, argv.data());
    ::_exit(127);
}

// Runs it to the end; its exit code.
int runToEnd(const std::vector<std::string>& arguments, const fs::path& scratch) {
    int status = 0;
    ::waitpid(startCli(arguments, scratch), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool isTemporary(const std::string& name) { return name.rfind(".pt-", 0) == 0; }

struct KilledSaves {
    const char* what;
    fs::path target;                     // the output, relative to the scratch folder
    std::vector<std::string> makeOld;   // arguments writing the old output to {target}
    std::vector<std::string> makeNew;   // arguments replacing it with the new one
    int kills;                          // how many runs are cut short by a kill
};

std::vector<std::string> withTarget(std::vector<std::string> arguments, const fs::path& target) {
    for (std::string& a : arguments)
        if (a == "{target}") a = target.string();
    return arguments;
}

TEST(KilledSaves, LeaveTheOldOutputOrTheNewOneAndTheNextRunCleansUp) {
    const fs::path picture = samplePicture("base_main_eq.bmp");
    if (!fs::exists(picture)) GTEST_SKIP() << "the sample pictures were not drawn";
    const std::string region = samplePicture("region_main_eq.bmp").string();
    // The old skins carry a region.txt the new ones lack: a file of an earlier skin must not
    // survive in the folder.
    const std::vector<KilledSaves> cases = {
        {"skin folder", "skins/sky",
         {"build", picture.string(), "--region", region, "--key", "255,0,255", "-o", "{target}"},
         {"build", picture.string(), "--set", "hscR(0)=60", "-o", "{target}"}, 80},
        {"archive", "skins/sky.wsz",
         {"build", picture.string(), "--region", region, "--key", "255,0,255", "-o", "{target}"},
         {"build", picture.string(), "--set", "hscR(0)=60", "-o", "{target}"}, 60},
        {"project folder", "projects/sky",
         {"project", "save", "{target}", picture.string()},
         {"project", "save", "{target}", picture.string(), "--set", "hscR(0)=60"}, 60},
    };
    std::mt19937 random(20261209);
    for (const KilledSaves& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const fs::path target = dir / c.target, folder = target.parent_path();
        fs::create_directories(folder);
        ASSERT_EQ(runToEnd(withTarget(c.makeNew, target), dir.path()), 0);
        const Snapshot newer = snapshotOf(target);
        fs::remove_all(target);
        const auto started = std::chrono::steady_clock::now();
        ASSERT_EQ(runToEnd(withTarget(c.makeOld, target), dir.path()), 0);
        const auto oneRun = std::chrono::steady_clock::now() - started;
        const Snapshot older = snapshotOf(target);
        ASSERT_NE(older, newer);
        const fs::path keptOld = dir / "kept-old";
        fs::copy(target, keptOld, fs::copy_options::recursive);

        int kills = 0;
        for (int attempt = 0; kills < c.kills && attempt < 4 * c.kills; ++attempt) {
            const pid_t child = startCli(withTarget(c.makeNew, target), dir.path());
            std::this_thread::sleep_for(std::uniform_int_distribution<long long>(0, 12 * oneRun.count() / 10)(random) *
                                        std::chrono::steady_clock::duration(1));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            if (WIFSIGNALED(status)) ++kills;
            const Snapshot now = snapshotOf(target);
            ASSERT_TRUE(now == older || now == newer) << "a mix after a kill at attempt " << attempt;
            for (const std::string& name : namesIn(folder))
                ASSERT_TRUE(name == target.filename().string() || isTemporary(name)) << name;
            if (now == newer) {  // back to the old output for the next kill
                fs::remove_all(target);
                fs::copy(keptOld, target, fs::copy_options::recursive);
            }
        }
        EXPECT_EQ(kills, c.kills);
        ASSERT_EQ(runToEnd(withTarget(c.makeNew, target), dir.path()), 0);
        EXPECT_EQ(snapshotOf(target), newer);
        for (const std::string& name : namesIn(folder)) EXPECT_FALSE(isTemporary(name)) << name;
    }
}

}  // namespace
