// pelterra-cli: the command-line front end on the core. main reads the subcommand name and
// hands the remaining arguments to the command's function, under the last resort (last_resort.h).
#include <array>
#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "commands.h"
#include "fs/program_folders.h"
#include "fs/program_path.h"
#include "last_resort.h"
#include "text/quote.h"

namespace {

using namespace pelterra::cli;

struct Command {
    std::string_view name;
    std::string_view arguments;
    std::string_view summary;
    int (*run)(const CommandContext&, CommandArgs);
};

constexpr Command kCommands[] = {
    {"parts", "[--parts DIR]",
     "list the parts of DIR/PartsData (default: beside this program, else its ../share/pelterra), one part list a line", runParts},
    {"catalogue", "[PROGRAM_FOLDER]", "the same as parts", runParts},
    {"controls", "[--parts DIR]",
     "print every control of the initial state as NAME=VALUE, the names --set and project.ini take", runControls},
    {"build", "[PICTURE] [--fit single|eq|playlist] [--project DIR] [--set NAME=VALUE]... [--region PICTURE --key R,G,B [--region-fit 0|1]] [--parts DIR] [--preview FILE.png] [--render FILE.png] -o OUT",
     "make a skin from PICTURE: OUT ending in .zip or .wsz is an archive, any other OUT a folder", runBuild},
    {"project", "save DIR [PICTURE] [--fit ...] [--project FROM] [--set NAME=VALUE]... [--region PICTURE --key R,G,B] [--parts DIR]",
     "save the state that build with the same arguments builds from as a project folder DIR", runProject},
    {"make", "frame|gradient|tall|slider|backbase|numbers|text [--to main|eq] [--ramp] [--project DIR] [--set NAME=VALUE]... [-o PROJECT]",
     "run a generator on a project and hand its picture on (make without KIND lists them)", runMake},
    {"region", "PICTURE --key R,G,B [--fit 0|1] [--eq-below] [--parts DIR] [-o region.txt]",
     "trace the window outline of PICTURE (the key colour is cut away) into region.txt", runRegion},
    {"render", "SKIN -o OUT.png [--window main|equalizer|playlist|all] [--scale N] [--playlist-size WxH] [--shade] [--inactive] [--pressed NAME,...]",
     "draw the windows of SKIN (a folder, .wsz or .zip) as players draw them into a PNG", runRender},
};

// More about a command than its summary line, for COMMAND --help.
struct CommandDetails {
    std::string_view name;
    std::string_view text;
};

constexpr CommandDetails kDetails[] = {
    {"build",
     "  PICTURE            the base picture (BMP, JPEG, GIF or PNG): 275x116 main window, 275x232 with\n"
     "                     the equalizer, 275x348 with the playlist as well\n"
     "  --fit single|eq|playlist\n"
     "                     how to take a picture of any other size: stretched to one window, split in\n"
     "                     halves (main, equalizer), or in thirds (main, equalizer, playlist)\n"
     "  --set NAME=VALUE   set a control before the build (pelterra-cli controls lists them), e.g.\n"
     "                     --set \"lstData(0)=Glass\" --set \"hscR(0)=40\" --set chkPLMake=1\n"
     "  --parts DIR        the folder that holds PartsData (default: beside this program, else\n"
     "                     its ../share/pelterra)\n"
     "  --region PICTURE --key R,G,B\n"
     "                     trace the window shape of PICTURE (275x116, or 275x232 with the equalizer;\n"
     "                     the key colour is cut away) into the skin's region.txt\n"
     "  --region-fit 0|1   how to take a region picture of any other size: stretched to one window (0)\n"
     "                     or split in halves (1)\n"
     "  --preview FILE.png the main window over the equalizer, the playlist beside them\n"
     "  --render FILE.png  the skin just built drawn as players draw it (as render --window all)\n"
     "  -o OUT             OUT.wsz or OUT.zip: one archive; anything else: a folder\n"},
    {"render",
     "  SKIN               a skin folder, or a .wsz or .zip archive (read in memory, never unpacked);\n"
     "                     file names in any letter case; an archive's files may lie in one folder\n"
     "  -o OUT.png         the picture; pixels that region.txt cuts away are transparent\n"
     "  --window WINDOW    main (exactly 275x116), equalizer (275x116), playlist, or all (default):\n"
     "                     the main window over the equalizer, the playlist to their right\n"
     "  --scale N          every pixel N times across and down (1 to 8)\n"
     "  --playlist-size WxH\n"
     "                     the playlist at 275 + 25n by 116 + 29m (default 275x116)\n"
     "  --shade            every window as its shade bar\n"
     "  --inactive         the title bars of windows without the focus\n"
     "  --pressed NAME,... buttons held down: previous, play, pause, stop, next, eject, shuffle,\n"
     "                     repeat, eq, pl, menu, minimise, shade, close, position, volume, balance,\n"
     "                     on, auto, presets, eqclose, sliders, scroll\n"
     "  A sheet the skin lacks or that does not decode is drawn as a magenta hatch and named in a\n"
     "  warning; an archive that cannot be read (damaged, no ZIP, crafted) is an error (exit 1).\n"},
    {"parts",
     "  Each line: the list's control, its first-section count (entries before it are parts with\n"
     "  their own mask), then the entries, separated by tabs. Progress goes to stderr.\n"},
    {"controls",
     "  One line per control in table order, NAME=VALUE: check boxes 0/1/2, options 1 when\n"
     "  selected, scroll bars and list indexes as numbers, colours as R + G*256 + B*65536, texts\n"
     "  with line breaks written as \\r and \\n.\n"},
};

void printUsage(std::ostream& out) {
    out << "usage: pelterra-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& command : kCommands)
        out << "  " << command.name << ' ' << command.arguments << "\n      " << command.summary << '\n';
    out << "\npelterra-cli COMMAND --help (or -h), or pelterra-cli help COMMAND, describes one command.\n";
}

void printCommandHelp(std::ostream& out, const Command& command) {
    out << "usage: pelterra-cli " << command.name << ' ' << command.arguments << "\n\n  " << command.summary
        << '\n';
    for (const CommandDetails& details : kDetails)
        if (details.name == command.name) out << '\n' << details.text;
}

const Command* findCommand(std::string_view name) {
    for (const Command& command : kCommands)
        if (command.name == name) return &command;
    return nullptr;
}

bool asksForHelp(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < args.size(); ++i)
        if (args[i] == "--help" || args[i] == "-h") return true;
    return false;
}

int unknownCommand(std::string_view name) {
    std::cerr << "pelterra-cli: unknown command " << pelterra::QuoteForMessage(name) << "\n\n";
    printUsage(std::cerr);
    return kExitUsage;
}

int dispatch(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "help") {
        const Command* command = findCommand(args[1]);
        if (!command) return unknownCommand(args[1]);
        printCommandHelp(std::cout, *command);
        return std::cout ? kExitOk : kExitFailure;
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    const Command* command = findCommand(args[0]);
    if (!command) return unknownCommand(args[0]);
    if (asksForHelp(args)) {
        printCommandHelp(std::cout, *command);
        return std::cout ? kExitOk : kExitFailure;
    }
    const CommandContext context{pelterra::LibraryFolder(pelterra::ExecutableFolder(argv[0]))};
    return command->run(context, CommandArgs(args).subspan(1));
}

}  // namespace

int main(int argc, char** argv) {
    // Under a file-size limit (ulimit -f) a write then fails with an error the command reports,
    // and the older files stay, instead of the signal ending the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    return RunGuarded([argc, argv] { return dispatch(argc, argv); }, std::cerr);
}
