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
