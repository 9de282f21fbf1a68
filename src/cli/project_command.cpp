// pelterra-cli project save DIR: prepares the document as build does with the same arguments and
// saves it as a project into DIR (the folder DIR's parent holds, named as DIR's last component;
// an existing folder of that name in any letter case is reused).
#include <iostream>

#include "commands.h"
#include "document_setup.h"
#include "fs/system_reason.h"
#include "project/project.h"
#include "text/quote.h"

namespace pelterra::cli {

namespace {

int usage() {
    std::cerr << "usage: pelterra-cli project save DIR [PICTURE] [--fit single|eq|playlist] [--project FROM] "
                 "[--set NAME=VALUE]... [--region PICTURE --key R,G,B [--region-fit 0|1]] [--parts DIR]\n";
    return kExitUsage;
}

}  // namespace

// The project folder DIR as parent folder and name. A trailing separator is allowed ("p/"). The
// name goes through the core's rule for project names: a DIR ending in "." or ".." names no
// project folder of its own and is refused, so that the numbered files never land in a folder
// the user did not name.
Status splitProjectFolder(const std::filesystem::path& dir, std::filesystem::path& parent, std::string& name) {
    if (dir.empty()) return CheckProjectName("");  // no name at all
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(dir, ec);
    if (ec) return Error{dir.string(), "cannot tell where this is: " + SystemReason(ec).english()};
    if (!path.has_filename()) path = path.parent_path();
    name = path.filename().string();
    parent = path.parent_path().lexically_normal();
    return CheckProjectName(name);
}

int saveProjectTo(const Document& doc, const std::filesystem::path& dir, std::string_view command) {
    std::filesystem::path parent;
    std::string name;
    if (Status named = splitProjectFolder(dir, parent, name); !named) {
        std::cerr << "pelterra-cli " << command << ": cannot save the project to \"" << dir.string()
                  << "\": " << named.error().message << '\n';
        return kExitUsage;
    }
    auto saved = SaveProject(doc, parent, name);
    PrintProblems(doc, command);
    if (!saved) {
        std::cerr << "pelterra-cli " << command << ": the project could not be saved: " << saved.error().describe()
                  << '\n';
        return kExitFailure;
    }
    std::cout << saved->folder.string() << '\n';
    return kExitOk;
}

int runProject(const CommandContext& context, CommandArgs args) {
    if (args.empty() || args[0] != "save") return usage();
    DocumentSetup setup;
    setup.partsFolder = context.libraryFolder;
    std::optional<std::filesystem::path> dir;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!dir && !args[i].empty() && args[i][0] != '-') {
            dir = args[i];
            continue;
        }
        switch (readSetupOption(args, i, setup, "project save")) {
            case OptionRead::Taken: continue;
            case OptionRead::Invalid: return kExitUsage;
            case OptionRead::NotMine:
                std::cerr << "project save: unknown option " << QuoteForMessage(args[i]) << '\n';
                return usage();
        }
    }
    if (!dir) return usage();
    Document doc;
    if (int prepared = PrepareDocument(doc, setup, "project save"); prepared != kExitOk) return prepared;
    return saveProjectTo(doc, *dir, "project save");
}

}  // namespace pelterra::cli
