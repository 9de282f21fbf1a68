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

// build [PICTURE] [--fit single|eq|playlist] [--project DIR] [--set NAME=VALUE]... [--parts DIR]
//       [--preview FILE.png] -o OUT
int runBuild(const CommandContext& context, CommandArgs args);

// project save DIR [PICTURE] [--fit ...] [--project FROM] [--set NAME=VALUE]... [--parts DIR]:
// saves the state that build with the same arguments builds from.
int runProject(const CommandContext& context, CommandArgs args);

// make frame|gradient|tall|slider|backbase|numbers|text [--to main|eq] [--ramp] [setup] [-o PROJECT]:
// runs a generator and its transfer on a project and saves the project.
int runMake(const CommandContext& context, CommandArgs args);

// region PICTURE --key R,G,B [--fit 0|1|3] [--eq-below] [--parts DIR] [-o region.txt]
int runRegion(const CommandContext& context, CommandArgs args);

}  // namespace pelterra::cli
