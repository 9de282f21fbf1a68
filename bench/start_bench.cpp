// Start-up and the per-event part work: InitialiseDocument on the PartsData library that
// partsgen draws beside the programs (the time between the splash window and the main window),
// one idle Timer1 tick, and one colour-bar change on the largest recoloured slot (titlebar).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/document.h"
#include "document/initial_state.h"
#include "parts/colour_change.h"
#include "parts/part_loading.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = PELTERRA_BIN_DIR;

bool haveLibrary() { return fs::is_directory(kProgramFolder / "PartsData"); }

void BM_InitialiseDocument(benchmark::State& state) {
    if (!haveLibrary()) {
        state.SkipWithError("no PartsData beside the programs (run partsgen)");
        return;
    }
    for (auto _ : state) {
        Document doc;
        benchmark::DoNotOptimize(InitialiseDocument(doc, kProgramFolder).ok());
    }
}
BENCHMARK(BM_InitialiseDocument)->Unit(benchmark::kMillisecond);

void BM_ChoosePart(benchmark::State& state) {
    Document doc;
    (void)InitialiseDocument(doc, kProgramFolder);
    for (auto _ : state) benchmark::DoNotOptimize(ChoosePart(doc, kProgramFolder, 0, 0).ok());
}
BENCHMARK(BM_ChoosePart);

void BM_TitlebarColourBarChange(benchmark::State& state) {
    Document doc;
    doc.setRange(ctl::hscR, 5, -256, 256);
    int value = 0;
    for (auto _ : state) {
        value = value == 40 ? -40 : 40;
        benchmark::DoNotOptimize(SetColourBar(doc, ColourBar::Red, 5, value).ok());
    }
}
BENCHMARK(BM_TitlebarColourBarChange);

}  // namespace
