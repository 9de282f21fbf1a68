// pelterra-cli region: traces a region picture into region.txt. The picture is loaded as
// "画像読みこみ" loads it (275*116 one window, 275*232 two, other sizes by --fit 0 or 1), the key
// colour names what is cut away, the trace writes the work files and region.txt into the per-user
// work folder, and -o writes region.txt wherever it is wanted as well, from the outlines this run
// traced (the work folder is shared by every run of the program). With -o the work files are a
// courtesy: a per-user folder that cannot be written is a warning.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "commands.h"
#include "options.h"
#include "output/text_file.h"
#include "equalizer/picture_import.h"
#include "fs/atomic_file.h"
#include "region/region_editor.h"
#include "text/quote.h"

namespace pelterra::cli {

namespace {

struct RegionOptions {
    std::optional<std::string> picture;
    std::optional<Colour> key;
    std::optional<int> fit;
    bool eqBelow = false;
    std::filesystem::path partsFolder;
    std::optional<std::filesystem::path> output;
};

std::optional<RegionOptions> parseOptions(const CommandContext& context, CommandArgs args) {
    RegionOptions o;
    o.partsFolder = context.libraryFolder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                std::cerr << "region: " << QuoteForMessage(a) << " needs " << what << '\n';
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--key") {
            const std::string* v = value("the key colour as R,G,B");
            if (!v) return std::nullopt;
            o.key = parseKeyColour(*v);
            if (!o.key) {
                std::cerr << "region: --key takes R,G,B with each from 0 to 255, not " << QuoteForMessage(*v) << "\n";
                return std::nullopt;
            }
        } else if (a == "--fit") {
            const std::string* v = value("0 or 1");
            if (!v) return std::nullopt;
            o.fit = parseRegionFit(*v, "region", a);
            if (!o.fit) return std::nullopt;
        } else if (a == "--eq-below") {
            o.eqBelow = true;
        } else if (a == "--parts") {
            const std::string* v = value("the folder that holds PartsData");
            if (!v) return std::nullopt;
            o.partsFolder = *v;
        } else if (a == "-o" || a == "--output") {
            const std::string* v = value("the region.txt to write");
            if (!v) return std::nullopt;
            o.output = *v;
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "region: unknown option " << QuoteForMessage(a) << '\n';
            return std::nullopt;
        } else if (o.picture) {
            std::cerr << "region: only one region picture can be traced (" << QuoteForMessage(*o.picture) << ", " << QuoteForMessage(a) << ")\n";
            return std::nullopt;
        } else {
            o.picture = a;
        }
    }
    if (!o.picture) {
        std::cerr << "region: name the region picture to trace\n";
        return std::nullopt;
    }
    if (!o.key) {
        std::cerr << "region: name the colour that is cut away with --key R,G,B\n";
        return std::nullopt;
    }
    return o;
}

int fail(const std::string& what, const Error& error) {
    std::cerr << "pelterra-cli region: " << what << ": " << error.describe() << '\n';
    return kExitFailure;
}

}  // namespace

int runRegion(const CommandContext& context, CommandArgs args) {
    const auto options = parseOptions(context, args);
    if (!options) return kExitUsage;

    Document doc;
    doc.setValue(ctl::EqUporDown, options->eqBelow ? 1 : 0);
    auto traced = TraceRegionPicture(doc, options->partsFolder, *options->picture, *options->key, options->fit);
    if (!traced) return fail("cannot trace the region picture", traced.error());

    const RegionTrace& t = traced->trace;
    std::cerr << "region: " << t.mainOutlines << " outline(s) of the main window";
    if (doc.value(ctl::EqRegionFlag) == 1) std::cerr << ", " << t.eqOutlines << " of the equalizer";
    std::cerr << '\n';
    if (t.cutOff > 0)
        std::cerr << "region: warning: " << t.cutOff
                  << " outline(s) did not lead back to their start and were cut off at the step limit\n";

    if (const std::optional<Error>& skipped = t.workFilesSkipped) {
        // The work copy of region.txt is the only output without -o.
        if (!options->output) {
            std::cerr << "pelterra-cli region: region.txt was not written: " << skipped->describe()
                      << " (name where it goes with -o FILE)\n";
            return kExitFailure;
        }
        std::cerr << "pelterra-cli region: warning: the work files were left out: " << skipped->describe() << '\n';
    }

    std::filesystem::path written = traced->text.path;
    if (options->output) {
        if (Status copied = WriteFileAtomically(*options->output, traced->text.bytes); !copied)
            return fail("cannot write region.txt", copied.error());
        written = *options->output;
    }
    std::cout << written.string() << '\n';
    return std::cout ? kExitOk : kExitFailure;
}

}  // namespace pelterra::cli
