// The subcommands of pelterra-cli. Each takes the arguments after its name, writes its
// results to stdout and its failures to stderr, and returns the process exit code.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelterra::cli {

struct CommandContext {
    // The default program folder, where PartsData lies: beside the executable, or the installed
    // prefix's share/pelterra.
    std::filesystem::path libraryFolder;
};

using CommandArgs = std::span<const std::string>;

// Exit codes shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// parts [--parts DIR] (also catalogue [PROGRAM_FOLDER]): fills the part lists and prints them.
int runParts(const CommandContext& context, CommandArgs args);

// controls [--parts DIR]: every control of the initial state as NAME=VALUE.
int runControls(const CommandContext& context, CommandArgs args);

// The program folder of parts and controls: --parts DIR or a lone folder argument, else the
// library folder. Prints the problem and returns nullopt on a usage error.
std::optional<std::filesystem::path> readProgramFolder(const CommandContext& context, CommandArgs args,
                                                       std::string_view command);
// True when programFolder holds a PartsData folder; else says so on stderr.
bool haveLibrary(const std::filesystem::path& programFolder, std::string_view command);

// build [PICTURE] [--fit single|eq|playlist] [--project DIR] [--set NAME=VALUE]... [--parts DIR]
//       [--region PICTURE --key R,G,B [--region-fit 0|1]] [--preview FILE.png] [--render FILE.png] -o OUT
int runBuild(const CommandContext& context, CommandArgs args);

// project save DIR [PICTURE] [--fit ...] [--project FROM] [--set NAME=VALUE]... [--parts DIR]:
// saves the state that build with the same arguments builds from.
int runProject(const CommandContext& context, CommandArgs args);

// make frame|gradient|tall|slider|backbase|numbers|text [--to main|eq] [--ramp] [setup] [-o PROJECT]:
// runs a generator and its transfer on a project and saves the project.
int runMake(const CommandContext& context, CommandArgs args);

// render SKIN -o OUT.png [--window main|equalizer|playlist|all] [--scale N] [--playlist-size WxH]
//        [--shade] [--inactive] [--pressed NAME,...]: draws a skin's windows as players draw them.
int runRender(const CommandContext& context, CommandArgs args);

// region PICTURE --key R,G,B [--fit 0|1] [--eq-below] [--parts DIR] [-o region.txt]
int runRegion(const CommandContext& context, CommandArgs args);

}  // namespace pelterra::cli
