// Runs pelterra-cli as a user runs it, from the folder the build puts it in (PartsData and the
// sample pictures beside it), and keeps what it printed.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
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

// The per-user data folder runCli gives the program: its work files go below it.
inline std::filesystem::path userDataOf(const std::filesystem::path& scratch) { return scratch / "user-data"; }

// Runs a shell command line; its stdout and stderr go to files in `scratch`.
inline CliRun runShell(const std::string& commandLine, const std::filesystem::path& scratch) {
    const std::filesystem::path out = scratch / "cli-out.txt";
    const std::filesystem::path err = scratch / "cli-err.txt";
    const std::string command = commandLine + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = test_support::readFileBytes(out);
    run.err = test_support::readFileBytes(err);
    return run;
}

// Runs pelterra-cli with `arguments` (already quoted as a shell reads them); its stdout and
// stderr go to files in `scratch`, and its work files into userDataOf(scratch), so that tests
// running at the same time do not share them.
inline CliRun runCli(const std::string& arguments, const std::filesystem::path& scratch) {
    return runShell("XDG_DATA_HOME=" + quoted(userDataOf(scratch)) + " " + quoted(PELTERRA_CLI) + " " + arguments,
                    scratch);
}

// The command line of pelterra-cli as runCli gives it, ended by `timeout` should it block (a
// program that opens a FIFO for writing waits for a reader for ever).
inline std::string cliLine(const std::string& arguments, const std::filesystem::path& scratch) {
    return "XDG_DATA_HOME=" + quoted(userDataOf(scratch)) + " timeout 120 " + quoted(PELTERRA_CLI) + " " + arguments;
}

// Runs pelterra-cli in a forked child that `prepare` sets up first (a file-size limit, a user
// whom permissions bind); nullopt when it could not be set up.
inline std::optional<CliRun> runCliInChild(const std::function<bool()>& prepare, const std::string& arguments,
                                           const std::filesystem::path& scratch) {
    for (const char* name : {"cli-out.txt", "cli-err.txt"}) {  // written by whichever user runs it
        std::ofstream(scratch / name).close();
        std::filesystem::permissions(scratch / name, std::filesystem::perms::all);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (!prepare()) ::_exit(254);
        const CliRun run = runShell(cliLine(arguments, scratch), scratch);
        ::_exit(run.exitCode < 0 ? 255 : run.exitCode);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 254)
        return std::nullopt;
    CliRun run;
    run.exitCode = WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
    run.out = test_support::readFileBytes(scratch / "cli-out.txt");
    run.err = test_support::readFileBytes(scratch / "cli-err.txt");
    return run;
}

}  // namespace pelterra::cli_test
