// Region tracing of a two-window picture (275 x 232) full of small key-coloured areas: the trace
// of the areas in memory, the whole "画像切り取り" with its work files, and region.txt.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "document/document.h"
#include "image/drawing.h"
#include "region/region_editor.h"
#include "region/region_text.h"
#include "region/region_trace.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

constexpr Colour kKey = RGB(255, 0, 255);
constexpr Colour kKept = RGB(40, 60, 80);

// Holes of 2 x 2 key pixels every `pitch` pixels across both windows, and between them single
// key pixels scattered at random: many small outlines, as a perforated or dithered picture gives.
Bitmap perforatedPicture(int pitch) {
    Bitmap picture(275, 232, kKept);
    for (int y = 1; y + 1 < 232; y += pitch)
        for (int x = 1; x + 1 < 275; x += pitch) Line(picture, x, y, x + 1, y + 1, kKey, LineForm::FilledBox);
    std::mt19937 random(7);
    for (int i = 0; i < 1500; ++i) picture.at(static_cast<int>(random() % 275), static_cast<int>(random() % 232)) = kKey;
    return picture;
}

// A program folder with PartsData\system under the temporary folder, removed at the end. The
// per-user data folder, where the trace writes its work files, points below it meanwhile.
class BenchProgramFolder {
public:
    BenchProgramFolder() : m_path(fs::temp_directory_path() / ("pelterra-region-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(m_path / "PartsData" / "system");
        ::setenv("XDG_DATA_HOME", (m_path / "user-data").c_str(), 1);
    }
    ~BenchProgramFolder() {
        ::unsetenv("XDG_DATA_HOME");
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

void loadPicture(Document& doc, const fs::path& program, int pitch) {
    (void)LoadRegionPicture(doc, program, perforatedPicture(pitch), {});
    SetRegionKeyColour(doc, kKey);
}

// Both areas traced in memory, marks included; no files.
void BM_TraceRegionAreasInMemory(benchmark::State& state) {
    const BenchProgramFolder program;
    Document doc;
    loadPicture(doc, program.path(), static_cast<int>(state.range(0)));
    for (int item : {0, 1}) Line(doc.slot(pic::RegionArea, item), 0, 0, 276, 117, kKey, LineForm::Box);
    std::size_t outlines = 0, points = 0;
    for (auto _ : state) {
        outlines = points = 0;
        for (int item : {0, 1}) {
            Bitmap cutOut(277, 118, kKept);
            const AreaOutlines o = TraceRegionArea(doc.slot(pic::RegionArea, item), cutOut, kKey, {});
            outlines += o.counts.size();
            points += o.points.size();
            benchmark::DoNotOptimize(o.points.data());
        }
    }
    state.counters["outlines"] = static_cast<double>(outlines);
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_TraceRegionAreasInMemory)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

// The trace command as the page runs it: cg.bmp reload, frame, both areas, the four work files.
void BM_MakeRegionWithWorkFiles(benchmark::State& state) {
    const BenchProgramFolder program;
    Document doc;
    loadPicture(doc, program.path(), static_cast<int>(state.range(0)));
    int outlines = 0;
    for (auto _ : state) {
        auto trace = MakeRegion(doc, program.path());
        if (!trace) state.SkipWithError(trace.error().describe().c_str());
        else outlines = trace->mainOutlines + trace->eqOutlines;
    }
    state.counters["outlines"] = outlines;
}
BENCHMARK(BM_MakeRegionWithWorkFiles)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

// region.txt from the outlines such a trace leaves in the document.
void BM_WriteRegionText(benchmark::State& state) {
    const BenchProgramFolder program;
    Document doc;
    loadPicture(doc, program.path(), 4);
    if (!MakeRegion(doc, program.path())) {
        state.SkipWithError("the trace failed");
        return;
    }
    for (auto _ : state) {
        auto written = WriteRegionText(doc);
        if (!written) state.SkipWithError(written.error().describe().c_str());
    }
}
BENCHMARK(BM_WriteRegionText)->Unit(benchmark::kMillisecond);

}  // namespace
