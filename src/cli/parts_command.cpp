// pelterra-cli parts (also called catalogue): fills every part list from the library the way the
// program does at start-up, reporting each step on stderr, then prints one list per line on
// stdout: the control, its first-section count and its entries, separated by tabs.
#include <iostream>
#include <system_error>

#include "commands.h"
#include "fs/program_path.h"
#include "parts/catalogue.h"
#include "text/quote.h"

namespace pelterra::cli {

namespace {

void printList(std::ostream& out, ListRef ref, const PartList& list) {
    out << controlLabel(ref) << '\t' << list.firstSectionCount;
    for (const std::string& entry : list.entries) out << '\t' << entry;
    out << '\n';
}

}  // namespace

std::optional<std::filesystem::path> readProgramFolder(const CommandContext& context, CommandArgs args,
                                                       std::string_view command) {
    std::optional<std::filesystem::path> folder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string> given;
        if (a == "--parts") {
            if (i + 1 >= args.size()) {
                std::cerr << command << ": --parts needs the folder that holds PartsData\n";
                return std::nullopt;
            }
            given = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << command << ": unknown option " << QuoteForMessage(a) << '\n';
            return std::nullopt;
        } else {
            given = a;  // the older form: the program folder as the only argument
        }
        if (folder) {
            std::cerr << command << ": name the folder that holds PartsData only once\n";
            return std::nullopt;
        }
        folder = std::filesystem::path(*given);
    }
    return folder.value_or(context.libraryFolder);
}

bool haveLibrary(const std::filesystem::path& programFolder, std::string_view command) {
    // Without a library every list would simply be empty; say so instead.
    const auto library = resolveProgramPath(programFolder, "\\PartsData");
    if (std::error_code ec; library && std::filesystem::is_directory(*library, ec)) return true;
    std::cerr << "pelterra-cli " << command << ": no PartsData folder in " << programFolder.string()
              << " (name the folder that holds it with --parts DIR)\n";
    return false;
}

int runParts(const CommandContext& context, CommandArgs args) {
    const auto programFolder = readProgramFolder(context, args, "parts");
    if (!programFolder) return kExitUsage;
    if (!haveLibrary(*programFolder, "parts")) return kExitFailure;

    const FilledCatalogue catalogue =
        readPartsCatalogue(*programFolder, [](const Words& line) { std::cerr << line.english() << '\n'; });
    for (const ListRef ref : PartsCatalogue::allLists()) printList(std::cout, ref, catalogue.lists.at(ref));
    std::cout.flush();
    // The lists of a folder that cannot be read are empty, not the library's.
    for (const Error& folder : catalogue.unreadableFolders)
        std::cerr << "pelterra-cli parts: warning: " << folder.describe() << '\n';
    return std::cout && catalogue.unreadableFolders.empty() ? kExitOk : kExitFailure;
}

}  // namespace pelterra::cli
