// pelterra-cli make KIND: runs one generator of the tool windows on a project and hands its
// picture on, as the window's transfer button does, then saves the project. With --set the
// generator's swatches and options are chosen on the command line, so a whole skin can be made
// from colours alone:
//   pelterra-cli project save p sky.bmp
//   pelterra-cli make frame --to main --project p --set "lbldata(0)=16777215" ...
//   pelterra-cli build --project p -o skin.wsz
#include <iostream>
#include <iterator>

#include "colours/glyph_colours.h"
#include "commands.h"
#include "document_setup.h"
#include "generators/back_base_maker.h"
#include "generators/frame_maker.h"
#include "generators/slider_maker.h"
#include "text/quote.h"

namespace pelterra::cli {

int saveProjectTo(const Document& doc, const std::filesystem::path& dir, std::string_view command);

namespace {

enum class Target { None, Main, Eq };

// A generator, where its result may go, and what it does.
struct Generator {
    std::string_view kind;
    std::string_view summary;
    bool takesMain, takesEq;  // the --to values it accepts; neither: its options decide
    bool takesRamp;
    void (*run)(Document&, Target, bool ramp);
};

void makeFrame(Document& doc, Target to, bool) {
    FrameMakeByStyle(doc);
    TransferFrame(doc, to == Target::Eq ? FrameTransfer::FrameDataToEq : FrameTransfer::FrameDataToMain);
    TransferFrame(doc, to == Target::Eq ? FrameTransfer::FrameMaskToEq : FrameTransfer::FrameMaskToMain);
}

void makeGradient(Document& doc, Target to, bool) {
    MakeGra(doc);
    MakeGra2(doc);
    TransferFrame(doc, to == Target::Eq ? FrameTransfer::GradientDataToEq : FrameTransfer::GradientDataToMain);
    TransferFrame(doc, to == Target::Eq ? FrameTransfer::GradientMaskToEq : FrameTransfer::GradientMaskToMain);
}

void makeTall(Document& doc, Target, bool) {
    MakeBigGra(doc);
    Command8(doc);
}

void makeSlider(Document& doc, Target, bool) {
    SliderColorChange(doc);
    ApplySlider(doc);
}

void makeBackBase(Document& doc, Target, bool) {
    MakeBackColor(doc);
    ApplyBackColor(doc);
}

void makeNumbers(Document& doc, Target, bool ramp) {
    if (ramp) InterpolateNumberColours(doc);
    ColourNumberGlyphs(doc);
}

void makeText(Document& doc, Target, bool ramp) {
    if (ramp) InterpolateTextColours(doc);
    ColourTextGlyphs(doc);
}

constexpr Generator kGenerators[] = {
    {"frame", "the bevelled frame of the chosen style (Optframe) from lbldata/lblMask, Data and Mask", true, true,
     false, makeFrame},
    {"gradient", "the Data and Mask gradients (lblDataGra1/2, lblMaskGra1/2)", true, true, false, makeGradient},
    {"tall", "the tall gradient (lblBig1/2) over both windows, by optToData/optToMask and optMainUp/optEqUp",
     false, false, false, makeTall},
    {"slider", "the slider knobs (LblSliderData*/LblSliderMask*, OpSliderOff/OpSliderOn) into picData(4)/picMask(4)",
     true, false, false, makeSlider},
    {"backbase", "the equalizer slider back colour from lblcolor(0..2)", false, true, false, makeBackBase},
    {"numbers", "the number glyphs coloured by rows from NumberColor(0..13); --ramp fills 1..13 first", false,
     false, true, makeNumbers},
    {"text", "the text glyphs coloured by rows from PicText(0..5); --ramp fills 1..4 first", false, false, true,
     makeText},
};
static_assert(std::size(kGenerators) == 7);

int usage() {
    std::cerr << "usage: pelterra-cli make KIND [--to main|eq] [--ramp] [--project DIR] [PICTURE] [--fit ...] "
                 "[--set NAME=VALUE]... [--parts DIR] [-o PROJECT]\n"
                 "  the result is saved into -o PROJECT, or back into --project DIR\n\nkinds:\n";
    for (const Generator& g : kGenerators) {
        std::cerr << "  " << g.kind;
        if (g.takesMain && g.takesEq) std::cerr << " --to main|eq";
        else if (g.takesMain) std::cerr << " [--to main]";
        else if (g.takesEq) std::cerr << " [--to eq]";
        if (g.takesRamp) std::cerr << " [--ramp]";
        std::cerr << "\n      " << g.summary << '\n';
    }
    return kExitUsage;
}

const Generator* generatorOf(std::string_view kind) {
    for (const Generator& g : kGenerators)
        if (g.kind == kind) return &g;
    return nullptr;
}

// The --to value a generator takes, or nullopt (printed) when it cannot take it.
std::optional<Target> targetFor(const Generator& g, const std::optional<std::string>& to) {
    if (!to) {
        if (g.takesMain && g.takesEq) {
            std::cerr << "make " << g.kind << ": say where it goes with --to main or --to eq\n";
            return std::nullopt;
        }
        return g.takesMain ? Target::Main : g.takesEq ? Target::Eq : Target::None;
    }
    if (*to == "main" && g.takesMain) return Target::Main;
    if (*to == "eq" && g.takesEq) return Target::Eq;
    std::cerr << "make " << g.kind << ": cannot go --to " << *to << '\n';
    return std::nullopt;
}

}  // namespace

int runMake(const CommandContext& context, CommandArgs args) {
    if (args.empty()) return usage();
    const Generator* g = generatorOf(args[0]);
    if (!g) {
        std::cerr << "make: unknown kind " << QuoteForMessage(args[0]) << "\n";
        return usage();
    }
    DocumentSetup setup;
    setup.partsFolder = context.libraryFolder;
    std::optional<std::string> to;
    std::optional<std::filesystem::path> output;
    bool ramp = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        switch (readSetupOption(args, i, setup, "make")) {
            case OptionRead::Taken: continue;
            case OptionRead::Invalid: return kExitUsage;
            case OptionRead::NotMine: break;
        }
        if ((a == "--to" || a == "-o" || a == "--output") && i + 1 >= args.size()) {
            std::cerr << "make: " << QuoteForMessage(a) << " needs a value\n";
            return kExitUsage;
        }
        if (a == "--to") {
            to = args[++i];
        } else if (a == "-o" || a == "--output") {
            output = args[++i];
        } else if (a == "--ramp" && g->takesRamp) {
            ramp = true;
        } else {
            std::cerr << "make " << g->kind << ": unknown option " << QuoteForMessage(a) << '\n';
            return usage();
        }
    }
    const std::optional<Target> target = targetFor(*g, to);
    if (!target) return kExitUsage;
    if (!output) output = setup.project;
    if (!output) {
        std::cerr << "make: say which project to save with -o PROJECT (or work on one with --project DIR)\n";
        return kExitUsage;
    }

    Document doc;
    if (int prepared = PrepareDocument(doc, setup, "make"); prepared != kExitOk) return prepared;
    g->run(doc, *target, ramp);
    return saveProjectTo(doc, *output, "make");
}

}  // namespace pelterra::cli
