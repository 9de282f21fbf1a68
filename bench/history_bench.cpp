// Undo history: the time of one step (a colour-bar change on the title bar, the largest recoloured
// slot, committed) and the memory a full history of 100 such steps holds (the "history_bytes"
// and "history_mib" counters), with the copy of the document the history keeps.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/document.h"
#include "document/history.h"
#include "document/initial_state.h"
#include "document/set_control.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = PELTERRA_BIN_DIR;

void BM_HistoryOfAHundredColourSteps(benchmark::State& state) {
    if (!fs::is_directory(kProgramFolder / "PartsData")) {
        state.SkipWithError("no PartsData beside the programs (run partsgen)");
        return;
    }
    Document doc;
    (void)InitialiseDocument(doc, kProgramFolder);
    History history(doc);
    int value = 0;
    for (auto _ : state) {
        value = value % 200 + 1;
        // hscR(5) recolours the title bar (344x87) from its untouched copy: one slot per step.
        (void)SetControlValue(doc, kProgramFolder, "hscR(5)", value);
        history.commit("colour bar R");
    }
    state.counters["steps"] = static_cast<double>(history.stepCount());
    state.counters["history_bytes"] = static_cast<double>(history.bytes());
    state.counters["history_mib"] = static_cast<double>(history.bytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HistoryOfAHundredColourSteps)->Iterations(100)->Unit(benchmark::kMicrosecond);

}  // namespace
