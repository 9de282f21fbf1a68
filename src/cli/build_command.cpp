// pelterra-cli build: prepares the document (initial state, a saved project, the base picture,
// every --set; see document_setup.h), builds the skin and saves it into a folder or an archive
// (.zip or .wsz), optionally with the preview.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "sheets/build_driver.h"
#include "commands.h"
#include "document_setup.h"
#include "fs/ignore_case.h"
#include "output/preview.h"
#include "output/save_skin.h"
#include "options.h"
#include "preview_png.h"
#include "region/region_editor.h"

namespace pelterra::cli {

namespace {

struct BuildOptions {
    DocumentSetup setup;  // picture, --fit, --set, --parts, --project
    std::optional<std::filesystem::path> preview;
    std::optional<std::filesystem::path> output;
    std::optional<std::string> regionPicture;
    std::optional<Colour> regionKey;
};

// Reads the options; prints the problem and returns nullopt on a usage error.
std::optional<BuildOptions> parseOptions(const CommandContext& context, CommandArgs args) {
    BuildOptions o;
    o.setup.partsFolder = context.executableFolder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        switch (readSetupOption(args, i, o.setup, "build")) {
            case OptionRead::Taken: continue;
            case OptionRead::Invalid: return std::nullopt;
            case OptionRead::NotMine: break;
        }
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                std::cerr << "build: " << a << " needs " << what << '\n';
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--preview") {
            const std::string* v = value("a PNG file name");
            if (!v) return std::nullopt;
            o.preview = *v;
        } else if (a == "--region") {
            const std::string* v = value("a region picture");
            if (!v) return std::nullopt;
            o.regionPicture = *v;
        } else if (a == "--key") {
            const std::string* v = value("R,G,B");
            if (!v) return std::nullopt;
            o.regionKey = parseKeyColour(*v);
            if (!o.regionKey) {
                std::cerr << "build: --key takes R,G,B with each from 0 to 255, not \"" << *v << "\"\n";
                return std::nullopt;
            }
        } else if (a == "-o" || a == "--output") {
            const std::string* v = value("the skin folder or archive to write");
            if (!v) return std::nullopt;
            o.output = *v;
        } else {
            std::cerr << "build: unknown option " << a << '\n';
            return std::nullopt;
        }
    }
    if (o.regionPicture.has_value() != o.regionKey.has_value()) {
        std::cerr << "build: --region PICTURE and --key R,G,B go together\n";
        return std::nullopt;
    }
    if (!o.output) {
        std::cerr << "build: say where the skin goes with -o OUT (a folder, or a .zip or .wsz archive)\n";
        return std::nullopt;
    }
    return o;
}

// The destination of -o: an archive for .zip and .wsz in any letter case (sky.WSZ too), else a
// folder. The archive keeps the suffix as written.
Destination destinationOf(const std::filesystem::path& out) {
    Destination d;
    const std::filesystem::path absolute = std::filesystem::absolute(out);
    const std::string ext = absolute.extension().string();
    d.baseFolder = absolute.parent_path();
    if (equalsIgnoringCase(ext, ".zip") || equalsIgnoringCase(ext, ".wsz")) {
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
    if (int prepared = PrepareDocument(doc, options->setup, "build"); prepared != kExitOk) return prepared;

    if (options->regionPicture) {
        // As the Region page: trace the picture, then "Region.txtを出力する". The region picture
        // is one window (275x116) or two (275x232); --fit answers for the base picture only.
        auto traced = TraceRegionPicture(doc, options->setup.partsFolder, *options->regionPicture,
                                         *options->regionKey);
        if (!traced) return fail("cannot trace the region picture", traced.error());
        doc.setValue(ctl::RegionCheck, 1);
    }

    auto built = BuildSkinImages(doc, options->setup.partsFolder, BuildHooks{.composePreview = ComposePreview, .showPreview = {}});
    if (!built) return fail("the build failed", built.error());
    if (built->outcome == BuildOutcome::NoPicture) {
        std::cerr << "pelterra-cli build: open a base picture first (give its file name)\n";
        return kExitFailure;
    }
    PrintProblems(doc, "build");

    auto saved = SaveSkinTo(doc, options->setup.partsFolder, destinationOf(*options->output));
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
