#include "document_setup.h"

#include <algorithm>
#include <iostream>

#include "document/initial_state.h"
#include "document/set_control.h"
#include "equalizer/picture_import.h"
#include "options.h"
#include "project/project.h"
#include "region/region_editor.h"
#include "text/quote.h"

namespace pelterra::cli {

namespace {

constexpr std::string_view kRegionFitOption = "--region-fit";

std::optional<int> fitAnswer(const std::string& word) {
    if (word == "single") return static_cast<int>(HowFormAnswer::Stretch);
    if (word == "eq") return static_cast<int>(HowFormAnswer::SplitInHalves);
    if (word == "playlist") return static_cast<int>(HowFormAnswer::SplitInThirds);
    return std::nullopt;
}

void warn(std::string_view command, const Error& problem) {
    std::cerr << "pelterra-cli " << command << ": warning: " << problem.describe() << '\n';
}

int fail(std::string_view command, const std::string& what, const Error& error) {
    std::cerr << "pelterra-cli " << command << ": " << what << ": " << error.describe() << '\n';
    return kExitFailure;
}

// fail() for an error of several lines (a first line, then one for each file): each line of its
// own, so that every one begins with the command's name.
int failOnLines(std::string_view command, const std::string& what, const Error& error) {
    const std::string text = error.describe();
    std::size_t start = 0;
    for (bool first = true; start <= text.size(); first = false) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::cerr << "pelterra-cli " << command << ": " << (first ? what + ": " : std::string("  "))
                  << std::string_view(text).substr(start, end - start) << '\n';
        start = end + 1;
    }
    return kExitFailure;
}

// The start-up: its failures are warnings, as in the window. A part folder that cannot be read
// stops the command, though: every skin would lack its parts, and a command that ends well must
// not have made one like that.
bool startDocument(Document& doc, const std::filesystem::path& partsFolder, std::string_view command) {
    const StartupReport started = InitialiseDocumentReporting(doc, partsFolder);
    for (const Error& folder : started.unreadableFolders) warn(command, folder);
    for (const Error& failure : started.failures) warn(command, failure);
    if (started.unreadableFolders.empty()) return true;
    std::cerr << "pelterra-cli " << command << ": the parts library cannot be read in full (see above); "
                                               "nothing was done\n";
    return false;
}

// A project folder that holds nothing of a project is a mistake on the command line, not the
// silent no-op the window's load allows.
int loadProject(Document& doc, const std::filesystem::path& folder, std::string_view command) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << "pelterra-cli " << command << ": " << folder.string() << ": there is no project folder here\n";
        return kExitFailure;
    }
    const ProjectLoadReport report = LoadProject(doc, folder);
    if (const std::optional<Error> refused = report.refusal(folder))
        return failOnLines(command, "cannot load the project", *refused);
    if (!report.manifest && report.picturesLoaded == 0) {
        std::cerr << "pelterra-cli " << command << ": " << folder.string()
                  << ": not a project folder (no project.ini and none of its pictures)\n";
        return kExitFailure;
    }
    for (const Error& problem : report.problems) warn(command, problem);
    if (!report.manifest)
        std::cerr << "pelterra-cli " << command << ": warning: " << folder.string()
                  << " has no project.ini: choices, check boxes and colours keep their initial values\n";
    return kExitOk;
}

// --region PICTURE and --key R,G,B name one trace; --region-fit only fits its picture.
bool regionOptionsGoTogether(const DocumentSetup& setup, std::string_view command) {
    if (setup.regionPicture.has_value() != setup.regionKey.has_value()) {
        std::cerr << command << ": --region PICTURE and --key R,G,B go together\n";
        return false;
    }
    if (setup.regionFit && !setup.regionPicture) {
        std::cerr << command << ": " << kRegionFitOption << " fits the picture of --region PICTURE; name one\n";
        return false;
    }
    return true;
}

}  // namespace

OptionRead readSetupOption(CommandArgs args, std::size_t& i, DocumentSetup& setup, std::string_view command,
                           bool picturesAllowed) {
    const std::string& a = args[i];
    auto value = [&](const char* what) -> const std::string* {
        if (i + 1 >= args.size()) {
            std::cerr << command << ": " << QuoteForMessage(a) << " needs " << what << '\n';
            return nullptr;
        }
        return &args[++i];
    };
    if (a == "--fit") {
        const std::string* v = value("single, eq or playlist");
        if (!v) return OptionRead::Invalid;
        setup.fit = fitAnswer(*v);
        if (!setup.fit) {
            std::cerr << command << ": --fit takes single, eq or playlist, not " << QuoteForMessage(*v) << "\n";
            return OptionRead::Invalid;
        }
        return OptionRead::Taken;
    }
    if (a == "--set") {
        const std::string* v = value("NAME=VALUE");
        if (!v) return OptionRead::Invalid;
        if (v->find('=') == std::string::npos) {
            std::cerr << command << ": --set takes NAME=VALUE, not " << QuoteForMessage(*v) << "\n";
            return OptionRead::Invalid;
        }
        setup.settings.push_back(*v);
        return OptionRead::Taken;
    }
    if (a == "--parts") {
        const std::string* v = value("the folder that holds PartsData");
        if (!v) return OptionRead::Invalid;
        setup.partsFolder = *v;
        return OptionRead::Taken;
    }
    if (a == "--project") {
        const std::string* v = value("a project folder");
        if (!v) return OptionRead::Invalid;
        setup.project = *v;
        return OptionRead::Taken;
    }
    if (a == "--region") {
        const std::string* v = value("a region picture");
        if (!v) return OptionRead::Invalid;
        setup.regionPicture = *v;
        return OptionRead::Taken;
    }
    if (a == "--key") {
        const std::string* v = value("R,G,B");
        if (!v) return OptionRead::Invalid;
        setup.regionKey = parseKeyColour(*v);
        if (!setup.regionKey) {
            std::cerr << command << ": --key takes R,G,B with each from 0 to 255, not " << QuoteForMessage(*v) << "\n";
            return OptionRead::Invalid;
        }
        return OptionRead::Taken;
    }
    if (a == kRegionFitOption) {
        const std::string* v = value("0 or 1");
        if (!v) return OptionRead::Invalid;
        setup.regionFit = parseRegionFit(*v, command, a);
        return setup.regionFit ? OptionRead::Taken : OptionRead::Invalid;
    }
    if (!a.empty() && a[0] == '-') return OptionRead::NotMine;
    if (!picturesAllowed) return OptionRead::NotMine;
    if (setup.picture) {
        std::cerr << command << ": only one picture can be opened (" << QuoteForMessage(*setup.picture) << ", "
                  << QuoteForMessage(a) << ")\n";
        return OptionRead::Invalid;
    }
    setup.picture = a;
    return OptionRead::Taken;
}

int PrepareDocument(Document& doc, const DocumentSetup& setup, std::string_view command) {
    if (!regionOptionsGoTogether(setup, command)) return kExitUsage;
    if (!startDocument(doc, setup.partsFolder, command)) return kExitFailure;

    if (setup.project)
        if (int code = loadProject(doc, *setup.project, command); code != kExitOk) return code;

    if (setup.picture) {
        const std::optional<int> fit = setup.fit;
        const HowFormDialog howForm = [fit]() { return fit.value_or(-1); };
        if (Status opened = OpenCombinedPicture(doc, *setup.picture, howForm); !opened) {
            // Without --fit the size dialog has no answer: say what to do, and only that.
            if (!fit && opened.error().message.find("size") != std::string::npos) {
                std::cerr << "pelterra-cli " << command << ": " << *setup.picture
                          << ": the picture is not 275×116, 275×232 or 275×348; "
                             "say how to fit it with --fit single|eq|playlist\n";
                return kExitFailure;
            }
            return fail(command, "cannot open the picture", opened.error());
        }
    }
    // Each setting runs its control's command at once, in the order given, as the window does.
    for (const std::string& setting : setup.settings) {
        const auto eq = setting.find('=');
        if (Status set = SetControl(doc, setup.partsFolder, setting.substr(0, eq), setting.substr(eq + 1)); !set)
            return fail(command, "cannot set " + QuoteForMessage(setting), set.error());
    }
    if (setup.regionPicture) {
        // As the Region page: trace the picture, then "Region.txtを出力する". The region picture
        // is one window (275x116) or two (275x232), other sizes by --region-fit; --fit answers
        // for the base picture only.
        auto traced = TraceRegionPicture(doc, setup.partsFolder, *setup.regionPicture, *setup.regionKey,
                                         setup.regionFit, kRegionFitOption);
        if (!traced) return fail(command, "cannot trace the region picture", traced.error());
        if (const std::optional<Error>& skipped = traced->trace.workFilesSkipped)
            std::cerr << "pelterra-cli " << command << ": warning: the region work files were left out: "
                      << skipped->describe() << '\n';
    }
    return kExitOk;
}

void PrintProblems(const Document& doc, std::string_view command) {
    for (const Error& problem : doc.problems()) warn(command, problem);
}

}  // namespace pelterra::cli
