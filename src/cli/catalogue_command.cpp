// pelterra-cli catalogue: fills every part list from PROGRAM_FOLDER\PartsData the way the
// program does at start-up, reporting each step on stderr, then prints one list per line on
// stdout: the control, its first-section count and its entries, separated by tabs.
#include <iostream>

#include "commands.h"
#include "fs/program_path.h"
#include "parts/catalogue.h"

namespace pelterra::cli {

namespace {

void printList(std::ostream& out, ListRef ref, const PartList& list) {
    out << controlLabel(ref) << '\t' << list.firstSectionCount;
    for (const std::string& entry : list.entries) out << '\t' << entry;
    out << '\n';
}

}  // namespace

int runCatalogue(const CommandContext& context, CommandArgs args) {
    if (args.size() > 1) {
        std::cerr << "catalogue takes at most one argument, the program folder\n";
        return kExitUsage;
    }
    const std::filesystem::path programFolder = args.empty() ? context.executableFolder : std::filesystem::path(args[0]);

    // Without a library every list would simply be empty; say so instead.
    const auto library = resolveProgramPath(programFolder, "\\PartsData");
    if (!library) {
        std::cerr << "pelterra-cli: no PartsData folder in " << programFolder.string() << ": "
                  << library.error().describe() << '\n';
        return kExitFailure;
    }

    const PartsCatalogue catalogue =
        fillPartsCatalogue(programFolder, [](const std::string& line) { std::cerr << line << '\n'; });
    for (const ListRef ref : PartsCatalogue::allLists()) printList(std::cout, ref, catalogue.at(ref));
    std::cout.flush();
    return std::cout ? kExitOk : kExitFailure;
}

}  // namespace pelterra::cli
