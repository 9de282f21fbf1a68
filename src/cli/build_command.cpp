// pelterra-cli build: starts from the program's initial state, opens the base picture as
// "PictureOpen" does, applies every --set through the document's name registry, builds the
// skin and saves it into a folder or an archive (.zip or .wsz), optionally with the preview.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "build/build_driver.h"
#include "commands.h"
#include "document/initial_state.h"
#include "equalizer/picture_import.h"
#include "output/preview.h"
#include "output/save_skin.h"
#include "preview_png.h"

namespace pelterra::cli {

namespace {

struct BuildOptions {
    std::optional<std::string> picture;
    std::optional<int> fit;  // the size dialog's answer
    std::vector<std::string> settings;
    std::filesystem::path partsFolder;
    std::optional<std::filesystem::path> preview;
    std::optional<std::filesystem::path> output;
};

std::optional<int> fitAnswer(const std::string& word) {
    if (word == "single") return static_cast<int>(HowFormAnswer::Stretch);
    if (word == "eq") return static_cast<int>(HowFormAnswer::SplitInHalves);
    if (word == "playlist") return static_cast<int>(HowFormAnswer::SplitInThirds);
    return std::nullopt;
}

// Reads the options; prints the problem and returns nullopt on a usage error.
std::optional<BuildOptions> parseOptions(const CommandContext& context, CommandArgs args) {
    BuildOptions o;
    o.partsFolder = context.executableFolder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                std::cerr << "build: " << a << " needs " << what << '\n';
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--fit") {
            const std::string* v = value("single, eq or playlist");
            if (!v) return std::nullopt;
            o.fit = fitAnswer(*v);
            if (!o.fit) {
                std::cerr << "build: --fit takes single, eq or playlist, not \"" << *v << "\"\n";
                return std::nullopt;
            }
        } else if (a == "--set") {
            const std::string* v = value("NAME=VALUE");
            if (!v) return std::nullopt;
            o.settings.push_back(*v);
        } else if (a == "--parts") {
            const std::string* v = value("the folder that holds PartsData");
            if (!v) return std::nullopt;
            o.partsFolder = *v;
        } else if (a == "--preview") {
            const std::string* v = value("a PNG file name");
            if (!v) return std::nullopt;
            o.preview = *v;
        } else if (a == "-o" || a == "--output") {
            const std::string* v = value("the skin folder or archive to write");
            if (!v) return std::nullopt;
            o.output = *v;
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "build: unknown option " << a << '\n';
            return std::nullopt;
        } else if (o.picture) {
            std::cerr << "build: only one picture can be opened (" << *o.picture << ", " << a << ")\n";
            return std::nullopt;
        } else {
            o.picture = a;
        }
    }
    if (!o.output) {
        std::cerr << "build: say where the skin goes with -o OUT (a folder, or a .zip or .wsz archive)\n";
        return std::nullopt;
    }
    return o;
}

// The destination of -o: an archive for .zip and .wsz, else a folder.
Destination destinationOf(const std::filesystem::path& out) {
    Destination d;
    const std::filesystem::path absolute = std::filesystem::absolute(out);
    const std::string ext = absolute.extension().string();
    d.baseFolder = absolute.parent_path();
    if (ext == ".zip" || ext == ".wsz") {
        d.zip = true;
        d.archiveExtension = ext;
        d.name = absolute.stem().string();
    } else {
        d.name = absolute.filename().string();
    }
    return d;
}

int fail(const std::string& what, const Error& error) {
    std::cerr << "pelterra-cli build: " << what << ": " << error.describe() << '\n';
    return kExitFailure;
}

}  // namespace

int runBuild(const CommandContext& context, CommandArgs args) {
    const auto options = parseOptions(context, args);
    if (!options) return kExitUsage;

    Document doc;
    if (Status started = InitialiseDocument(doc, options->partsFolder); !started)
        std::cerr << "pelterra-cli build: warning: " << started.error().describe() << '\n';

    if (options->picture) {
        const std::optional<int> fit = options->fit;
        const HowFormDialog howForm = [fit]() { return fit.value_or(-1); };
        if (Status opened = OpenCombinedPicture(doc, *options->picture, howForm); !opened) {
            if (!fit && opened.error().message.find("size") != std::string::npos)
                std::cerr << "pelterra-cli build: the picture is not 275×116, 275×232 or 275×348; "
                             "say how to fit it with --fit single|eq|playlist\n";
            return fail("cannot open the picture", opened.error());
        }
    }
    for (const std::string& setting : options->settings) {
        const auto eq = setting.find('=');
        if (eq == std::string::npos) {
            std::cerr << "build: --set takes NAME=VALUE, not \"" << setting << "\"\n";
            return kExitUsage;
        }
        if (Status set = doc.setByName(setting.substr(0, eq), setting.substr(eq + 1)); !set)
            return fail("cannot set " + setting, set.error());
    }

    auto built = BuildSkinImages(doc, options->partsFolder, BuildHooks{{}, ComposePreview, {}});
    if (!built) return fail("the build failed", built.error());
    if (built->outcome == BuildOutcome::NoPicture) {
        std::cerr << "pelterra-cli build: open a base picture first (give its file name)\n";
        return kExitFailure;
    }

    auto saved = SaveSkinTo(doc, options->partsFolder, destinationOf(*options->output));
    if (!saved) return fail("the skin could not be saved", saved.error());
    const Destination& d = saved->destination;
    std::cout << (d.zip ? d.archive() : d.skinFolder()).string() << '\n';

    if (options->preview) {
        if (Status png = WritePreviewPng(doc, built->panes, *options->preview); !png)
            return fail("the preview could not be written", png.error());
        std::cout << options->preview->string() << '\n';
    }
    return kExitOk;
}

}  // namespace pelterra::cli
