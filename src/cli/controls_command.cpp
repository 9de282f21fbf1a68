// pelterra-cli controls: every control of the state the program starts from, one NAME=VALUE
// line each in table order, written as --set and project.ini take them (a text's line breaks
// as \r and \n), so a line can be copied into either.
#include <iostream>

#include "commands.h"
#include "document/initial_state.h"
#include "project/manifest.h"

namespace pelterra::cli {

int runControls(const CommandContext& context, CommandArgs args) {
    const auto programFolder = readProgramFolder(context, args, "controls");
    if (!programFolder) return kExitUsage;
    if (!haveLibrary(*programFolder, "controls")) return kExitFailure;

    Document doc;
    // A part that does not load leaves its slot white; the control values are complete anyway.
    // A part folder that cannot be read leaves its list empty: the values are listed, and the
    // exit says they are not those of the whole library.
    const StartupReport started = InitialiseDocumentReporting(doc, *programFolder);
    if (Status all = started.status(); !all)
        std::cerr << "pelterra-cli controls: warning: " << all.error().describe() << '\n';

    int unreadable = static_cast<int>(started.unreadableFolders.size());
    for (const std::string& key : doc.controlKeys()) {
        const auto value = doc.getByName(key);
        if (!value) {
            std::cerr << "pelterra-cli controls: " << key << ": " << value.error().describe() << '\n';
            ++unreadable;
            continue;
        }
        std::cout << key << '=' << EscapeManifestValue(*value) << '\n';
    }
    std::cout.flush();
    return unreadable == 0 && std::cout ? kExitOk : kExitFailure;
}

}  // namespace pelterra::cli
