// The subcommands of pelterra-cli. Each takes the arguments after its name, writes its
// results to stdout and its failures to stderr, and returns the process exit code.
#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace pelterra::cli {

struct CommandContext {
    std::filesystem::path executableFolder;  // the default program folder, where PartsData lies
};

using CommandArgs = std::span<const std::string>;

// Exit codes shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// catalogue [PROGRAM_FOLDER]: fills the part lists and prints them.
int runCatalogue(const CommandContext& context, CommandArgs args);

// build [PICTURE] [--fit single|eq|playlist] [--set NAME=VALUE]... [--parts DIR] [--preview FILE.png] -o OUT
int runBuild(const CommandContext& context, CommandArgs args);

// region PICTURE --key R,G,B [--fit 0|1|3] [--eq-below] [--parts DIR] [-o region.txt]
int runRegion(const CommandContext& context, CommandArgs args);

}  // namespace pelterra::cli
