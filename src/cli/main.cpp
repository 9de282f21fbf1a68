// pelterra-cli: the command-line front end on the core. main reads the subcommand name and
// hands the remaining arguments to the command's function.
#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "commands.h"

namespace {

using namespace pelterra::cli;

struct Command {
    std::string_view name;
    std::string_view arguments;
    std::string_view summary;
    int (*run)(const CommandContext&, CommandArgs);
};

constexpr Command kCommands[] = {
    {"catalogue", "[PROGRAM_FOLDER]",
     "list the parts of PROGRAM_FOLDER/PartsData (default: the folder of this program)", runCatalogue},
    {"build", "[PICTURE] [--fit single|eq|playlist] [--project DIR] [--set NAME=VALUE]... [--region PICTURE --key R,G,B] [--parts DIR] [--preview FILE.png] -o OUT",
     "make a skin from PICTURE: OUT ending in .zip or .wsz is an archive, any other OUT a folder", runBuild},
    {"project", "save DIR [PICTURE] [--fit ...] [--project FROM] [--set NAME=VALUE]... [--parts DIR]",
     "save the state that build with the same arguments builds from as a project folder DIR", runProject},
    {"make", "frame|gradient|tall|slider|backbase|numbers|text [--to main|eq] [--ramp] [--project DIR] [--set NAME=VALUE]... [-o PROJECT]",
     "run a generator on a project and hand its picture on (make without KIND lists them)", runMake},
    {"region", "PICTURE --key R,G,B [--fit 0|1|3] [--eq-below] [--parts DIR] [-o region.txt]",
     "trace the window outline of PICTURE (the key colour is cut away) into region.txt", runRegion},
};

void printUsage(std::ostream& out) {
    out << "usage: pelterra-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& command : kCommands)
        out << "  " << command.name << ' ' << command.arguments << "\n      " << command.summary << '\n';
}

// The folder of the running executable, where PartsData lies beside the program.
std::filesystem::path executableFolder(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    for (const Command& command : kCommands) {
        if (command.name != args[0]) continue;
        const CommandContext context{executableFolder(argv[0])};
        return command.run(context, CommandArgs(args).subspan(1));
    }
    std::cerr << "pelterra-cli: unknown command \"" << args[0] << "\"\n\n";
    printUsage(std::cerr);
    return kExitUsage;
}
