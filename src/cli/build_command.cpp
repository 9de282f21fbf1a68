// pelterra-cli build: prepares the document (initial state, a saved project, the base picture,
// every --set, a region trace; see document_setup.h), builds the skin and saves it into a folder or an archive
// (.zip or .wsz), optionally with the preview and a drawing of the skin as players draw it.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "sheets/build_driver.h"
#include "commands.h"
#include "document_setup.h"
#include "fs/atomic_file.h"
#include "fs/output_set.h"
#include "output/preview.h"
#include "output/save_skin.h"
#include "player/skin_reader.h"
#include "preview_png.h"
#include "render_png.h"
#include "region/region_text.h"
#include "text/quote.h"

namespace pelterra::cli {

namespace {

struct BuildOptions {
    DocumentSetup setup;  // picture, --fit, --set, --parts, --project, --region, --key, --region-fit
    std::optional<std::filesystem::path> preview;
    std::optional<std::filesystem::path> render;
    std::optional<std::filesystem::path> output;
};

// Reads the options; prints the problem and returns nullopt on a usage error.
std::optional<BuildOptions> parseOptions(const CommandContext& context, CommandArgs args) {
    BuildOptions o;
    o.setup.partsFolder = context.libraryFolder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        switch (readSetupOption(args, i, o.setup, "build")) {
            case OptionRead::Taken: continue;
            case OptionRead::Invalid: return std::nullopt;
            case OptionRead::NotMine: break;
        }
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                std::cerr << "build: " << QuoteForMessage(a) << " needs " << what << '\n';
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--preview") {
            const std::string* v = value("a PNG file name");
            if (!v) return std::nullopt;
            o.preview = *v;
        } else if (a == "--render") {
            const std::string* v = value("a PNG file name");
            if (!v) return std::nullopt;
            o.render = *v;
        } else if (a == "-o" || a == "--output") {
            const std::string* v = value("the skin folder or archive to write");
            if (!v) return std::nullopt;
            o.output = *v;
        } else {
            std::cerr << "build: unknown option " << QuoteForMessage(a) << '\n';
            return std::nullopt;
        }
    }
    if (!o.output) {
        std::cerr << "build: say where the skin goes with -o OUT (a folder, or a .zip or .wsz archive)\n";
        return std::nullopt;
    }
    return o;
}

int fail(const std::string& what, const Error& error) {
    std::cerr << "pelterra-cli build: " << what << ": " << error.describe() << '\n';
    return kExitFailure;
}

// With "Region.txtを出力する" checked, the outlines region.txt is made from must be there before
// the build: a --set RegionCheck=1 or a project without a trace of its own has none, and a
// skin must not carry some other picture's outline.
Status regionOutlinesReady(const Document& doc) {
    if (!doc.isChecked(ctl::RegionCheck)) return ok();
    if (!doc.regionOutlines().traced)
        return Error{"", "RegionCheck asks for region.txt, but no region picture was traced: add --region PICTURE "
                         "--key R,G,B, or leave RegionCheck at 0"};
    for (int area = 0; area <= doc.value(ctl::EqRegionFlag); ++area)
        if (auto outlines = TracedOutlines(doc, area); !outlines) return outlines.error();
    return ok();
}

// The skin about to be saved, drawn from the same files the save writes.
Result<std::string> renderBuiltSkin(Document& doc) {
    auto skin = SkinFromDocument(doc);
    if (!skin) return skin.error();
    PrintSkinNotes(*skin, "build");
    return PlayerPng(*skin, PlayerView{}, PlayerWindow::All, 1);
}

// Stages a PNG made by `make` as `file`; the error names `file`.
Status stagePng(OutputSet& outputs, const std::filesystem::path& file, const Result<std::string>& png) {
    if (!png) return png.error().withPath(file.string());
    return outputs.stageFile(file, *png);
}

}  // namespace

int runBuild(const CommandContext& context, CommandArgs args) {
    const auto options = parseOptions(context, args);
    if (!options) return kExitUsage;
    // The core's own rule for the skin's name: "-o .", "-o .." and "-o /" name no skin folder.
    const auto destination = DestinationForOutput(*options->output);
    if (!destination) {
        std::cerr << "build: cannot save to \"" << options->output->string() << "\": " << destination.error().message
                  << '\n';
        return kExitUsage;
    }
    // A preview or drawing that could not be written at the end would leave a skin saved and a failure.
    if (options->preview)
        if (Status target = CheckFileTarget(*options->preview); !target)
            return fail("the preview cannot be written", target.error());
    if (options->render)
        if (Status target = CheckFileTarget(*options->render); !target)
            return fail("the drawing of the skin cannot be written", target.error());

    Document doc;
    if (int prepared = PrepareDocument(doc, options->setup, "build"); prepared != kExitOk) return prepared;

    if (Status region = regionOutlinesReady(doc); !region) return fail("region.txt cannot be written", region.error());

    auto built = BuildSkinImages(doc, options->setup.partsFolder, BuildHooks{.composePreview = ComposePreview, .showPreview = {}});
    if (!built) return fail("the build failed", built.error());
    if (built->outcome == BuildOutcome::NoPicture) {
        std::cerr << "pelterra-cli build: open a base picture first (give its file name)\n";
        return kExitFailure;
    }
    PrintProblems(doc, "build");
    if (const auto missing = MissingPlayerFilesWarning(doc))
        std::cerr << "pelterra-cli build: warning: " << missing->english() << '\n';

    // Every output is made first and all are put in place together: a preview that cannot be
    // written leaves the earlier skin as it was.
    OutputSet outputs;
    auto saved = StageSkin(doc, *destination, outputs);
    if (!saved) return fail("the skin could not be saved", saved.error());
    if (options->preview)
        if (Status png = stagePng(outputs, *options->preview, PreviewPng(doc, built->panes)); !png)
            return fail("the preview could not be written", png.error());
    if (options->render)
        if (Status png = stagePng(outputs, *options->render, renderBuiltSkin(doc)); !png)
            return fail("the drawing of the skin could not be written", png.error());
    if (Status placed = outputs.commit(); !placed) return fail("the skin could not be saved", placed.error());

    const Destination& d = saved->destination;
    std::cout << (d.zip ? d.archive() : d.skinFolder()).string() << '\n';
    if (options->preview) std::cout << options->preview->string() << '\n';
    if (options->render) std::cout << options->render->string() << '\n';
    return kExitOk;
}

}  // namespace pelterra::cli
