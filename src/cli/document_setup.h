// The state a command of pelterra-cli works on: the program's initial state, then a saved project,
// then the base picture opened as "PictureOpen" does, then every --set through SetControl, which
// runs the control's command as the window does, then the region picture traced as the Region
// page traces it. build, project save and make all start from here, so that the same arguments
// mean the same skin.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "document/document.h"
#include "image/colour.h"

namespace pelterra::cli {

struct DocumentSetup {
    std::optional<std::string> picture;           // the base picture
    std::optional<int> fit;                       // the size dialog's answer (--fit)
    std::vector<std::string> settings;            // --set NAME=VALUE, in order
    std::filesystem::path partsFolder;            // where PartsData lies (--parts)
    std::optional<std::filesystem::path> project; // a saved project folder (--project)
    std::optional<std::string> regionPicture;     // traced into region.txt (--region)
    std::optional<Colour> regionKey;              // the colour cut away (--key R,G,B)
    std::optional<int> regionFit;                 // the size answer for the region picture (--region-fit)
};

enum class OptionRead {
    Taken,     // args[i] (and its value) belonged to the setup
    NotMine,   // an option of the command itself
    Invalid,   // a usage error, already printed
};

// Reads args[i] when it is --fit, --set, --parts, --project, --region, --key, --region-fit or
// (with `picturesAllowed`) the picture; moves i past an option's value.
OptionRead readSetupOption(CommandArgs args, std::size_t& i, DocumentSetup& setup, std::string_view command,
                           bool picturesAllowed = true);

// Prepares the document in the order above. Problems are printed; the result is kExitOk or the
// exit code to end with (kExitUsage for region options that do not go together).
int PrepareDocument(Document& doc, const DocumentSetup& setup, std::string_view command);

// Prints the document's problems as warnings: parts read on first use that could not be read
// (their slots stayed white). Called once the command's work has read what it needs.
void PrintProblems(const Document& doc, std::string_view command);

}  // namespace pelterra::cli
