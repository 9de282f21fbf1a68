// One whole skin build (BuildSkinImages) with every include box and layer checked, once with
// every position at "世間の標準" and once at "Pelterra標準", on the PartsData library that
// partsgen draws beside the programs. Without that library the parts are synthetic pictures and
// the system pictures are written to a temporary folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "sheets/build_driver.h"
#include "sheets/main_window_sheets.h"
#include "document/document.h"
#include "fs/ignore_case.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "parts/mix_mode.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

Bitmap synthetic(int w, int h, std::uint32_t seed) {
    Bitmap b(w, h);
    for (Colour& c : b.pixels()) {
        seed = seed * 1664525u + 1013904223u;
        c = seed >> 8;
    }
    return b;
}

bool endsWith(std::string_view name, std::string_view tail) {
    return name.size() >= tail.size() && equalsIgnoringCase(name.substr(name.size() - tail.size()), tail);
}

// The `nth` part of a library folder in single-folder form: X.data.bmp and X.mask.bmp, or the
// folder's Default_white.mask.bmp when X has no mask.
bool loadLibraryPart(Document& doc, const fs::path& folder, int nth, SlotName dataSlot,
                     SlotName maskSlot, int index) {
    auto files = listOrdinaryFiles(folder);
    if (!files) return false;
    int seen = 0;
    for (const std::string& name : *files) {
        if (!endsWith(name, ".data.bmp") || seen++ != nth) continue;
        auto data = LoadPicture((folder / name).string());
        if (!data) return false;
        doc.assignSlot(dataSlot, index, *data);
        const std::string stem = name.substr(0, name.size() - std::string(".data.bmp").size());
        auto mask = LoadPicture((folder / (stem + ".mask.bmp")).string());
        if (!mask) mask = LoadPicture((folder / "Default_white.mask.bmp").string());
        if (mask) doc.assignSlot(maskSlot, index, *mask);
        return true;
    }
    return false;
}

struct Fixture {
    Document doc;
    fs::path programFolder;
    std::optional<fs::path> tempFolder;
    bool fromLibrary = true;

    Fixture() {
        const fs::path bin = PELTERRA_BIN_DIR;
        if (fs::is_directory(bin / "PartsData" / "system")) {
            programFolder = bin;
        } else {
            fromLibrary = false;
            tempFolder = fs::temp_directory_path() / "pelterra-build-bench";
            programFolder = *tempFolder;
            fs::create_directories(programFolder / "PartsData" / "system");
            fs::create_directories(programFolder / "PartsData" / "eq" / "slider");
            for (const char* name : {"volume.mask.bmp", "volume.data.bmp", "volume2.mask.bmp", "volume2.data.bmp"})
                (void)SavePicture(synthetic(68, 433, 7), (programFolder / "PartsData" / "system" / name).string());
            (void)SavePicture(synthetic(275, 130, 8),
                              (programFolder / "PartsData" / "eq" / "slider" / "DefaultBackWhite.back.bmp").string());
        }
        doc.assignSlot(pic::Picture1, -1, synthetic(275, 116, 1));
        doc.assignSlot(pic::Picture2, -1, synthetic(275, 116, 2));
        doc.assignSlot(pic::PreEQMainData, -1, synthetic(275, 116, 3));
        doc.BackgroundImagePath = "/pictures/bench.bmp";
        doc.BackgroundImageTitle = "bench.bmp";

        struct Main { const char* folder; int index; int nth; };
        const Main mainParts[] = {{"cbuttons", 0, 0}, {"shufrep", 1, 0}, {"monoster", 2, 0}, {"playpaus", 3, 0},
                                  {"slider", 4, 0},   {"titlebar", 5, 0}, {"frame", 6, 0},   {"frame", 9, 1},
                                  {"frame", 10, 2}};
        for (const Main& p : mainParts)
            if (!fromLibrary || !loadLibraryPart(doc, programFolder / "PartsData" / p.folder, p.nth, pic::picData,
                                                 pic::picMask, p.index)) {
                fromLibrary = false;
                const Bitmap& slot = doc.slot(pic::picData, p.index);
                doc.assignSlot(pic::picData, p.index, synthetic(slot.width(), slot.height(), 10 + p.index));
                doc.assignSlot(pic::picMask, p.index, synthetic(slot.width(), slot.height(), 30 + p.index));
            }
        const char* eqFolders[] = {"onauto", "frame", "bar", "image", "preset", "frame", "frame"};
        for (int i = 0; i < 7; ++i)
            if (!loadLibraryPart(doc, programFolder / "PartsData" / "eq" / eqFolders[i], i < 5 ? 0 : i - 4,
                                 pic::picEQData, pic::picEQMask, i)) {
                const Bitmap& slot = doc.slot(pic::picEQData, i);
                doc.assignSlot(pic::picEQData, i, synthetic(slot.width(), slot.height(), 50 + i));
                doc.assignSlot(pic::picEQMask, i, synthetic(slot.width(), slot.height(), 60 + i));
            }
        doc.assignSlot(pic::picData, 7, synthetic(108, 13, 70));

        for (ControlName box : {ctl::CbuttonsCheck, ctl::ShufrepCheck, ctl::MonosterCheck, ctl::PlaypausCheck, ctl::PosbarCheck,
                                ctl::VolumeCheck, ctl::BalanceCheck, ctl::FrameCheck, ctl::TitleBarCheck, ctl::chkLayer1, ctl::chkLayer2,
                                ctl::chkNumberParency, ctl::OnAutoCheck, ctl::EQFrameCheck, ctl::EQCheck, ctl::ImageCheck,
                                ctl::PresetCheck, ctl::chkEQLayer1, ctl::chkEQLayer2, ctl::EQModeCheck, ctl::UseSliderBack,
                                ctl::chkPLMake, ctl::chkSkinMode})
            doc.setValue(box, 1);
    }
    ~Fixture() {
        if (tempFolder) fs::remove_all(*tempFolder);
    }
};

void runWholeBuild(benchmark::State& state, bool pelterra) {
    Fixture f;
    SetEveryMixMode(f.doc, pelterra ? MixMode::Bitwise : MixMode::Additive);
    for (auto _ : state) {
        auto result = BuildSkinImages(f.doc, f.programFolder);
        if (!result || result->outcome != BuildOutcome::Built) {
            state.SkipWithError(result ? "nothing was built" : result.error().describe().c_str());
            break;
        }
        benchmark::DoNotOptimize(f.doc.slot(pic::Main).pixels().data());
    }
    state.SetLabel(f.fromLibrary ? "PartsData library" : "synthetic parts");
}

void BM_WholeBuildSeken(benchmark::State& state) { runWholeBuild(state, false); }
void BM_WholeBuildPelterra(benchmark::State& state) { runWholeBuild(state, true); }
BENCHMARK(BM_WholeBuildSeken)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeBuildPelterra)->Unit(benchmark::kMillisecond);

// The main-window stage alone, system pictures already read: what the file reads cost apart.
void runMainStage(benchmark::State& state, bool pelterra) {
    Fixture f;
    SetEveryMixMode(f.doc, pelterra ? MixMode::Bitwise : MixMode::Additive);
    auto system = LoadSystemImages(f.programFolder);
    if (!system) {
        state.SkipWithError(system.error().describe().c_str());
        return;
    }
    for (auto _ : state) {
        BuildMainWindowSheets(f.doc, *system);
        benchmark::DoNotOptimize(f.doc.slot(pic::Main).pixels().data());
    }
}

void BM_MainWindowStageSeken(benchmark::State& state) { runMainStage(state, false); }
void BM_MainWindowStagePelterra(benchmark::State& state) { runMainStage(state, true); }
BENCHMARK(BM_MainWindowStageSeken)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowStagePelterra)->Unit(benchmark::kMillisecond);

}  // namespace
