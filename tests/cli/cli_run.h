// Runs pelterra-cli as a user runs it, from the folder the build puts it in (PartsData and the
// sample pictures beside it), and keeps what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace pelterra::cli_test {

inline const std::filesystem::path kBin = PELTERRA_BIN_DIR;

inline std::filesystem::path samplePicture(const std::string& name) { return kBin / "Samples" / name; }

// A command-line word in double quotes, for paths with spaces.
inline std::string quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

// A program folder of the test's own, for archive builds: an archive is written into
// PartsData\system first and packed from there, so builds that run at the same time (ctest -j)
// must not share that folder. The parts are links to the generated library; the system folder
// holds copies of its pictures.
inline std::filesystem::path privateProgramFolder(const std::filesystem::path& scratch) {
    namespace fs = std::filesystem;
    const fs::path folder = scratch / "program";
    fs::create_directories(folder / "PartsData" / "system");
    for (const auto& entry : fs::directory_iterator(kBin / "PartsData")) {
        const fs::path name = entry.path().filename();
        if (name == "system") continue;
        fs::create_symlink(entry.path(), folder / "PartsData" / name);
    }
    for (const auto& entry : fs::directory_iterator(kBin / "PartsData" / "system"))
        if (entry.path().extension() == ".bmp")
            fs::copy_file(entry.path(), folder / "PartsData" / "system" / entry.path().filename());
    return folder;
}

struct CliRun {
    int exitCode = -1;  // -1 when the program did not end by itself (a crash)
    std::string out;
    std::string err;
};

// Runs pelterra-cli with `arguments` (already quoted as a shell reads them); its stdout and
// stderr go to files in `scratch`.
inline CliRun runCli(const std::string& arguments, const std::filesystem::path& scratch) {
    const std::filesystem::path out = scratch / "cli-out.txt";
    const std::filesystem::path err = scratch / "cli-err.txt";
    const std::string command = quoted(PELTERRA_CLI) + " " + arguments + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = test_support::readFileBytes(out);
    run.err = test_support::readFileBytes(err);
    return run;
}

}  // namespace pelterra::cli_test
