// The player view's costs: one edit (a colour bar moved, which recolours its group) followed by
// the whole build and the drawing of all three windows from the files the save would write; the
// drawing alone; and pelterra-cli render's work in-process: reading a .wsz from disk in memory
// and drawing it. Runs on the sample picture and the PartsData library the build draws beside the
// programs; without them it reports that it was skipped.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

#include "document/document.h"
#include "document/initial_state.h"
#include "document/set_control.h"
#include "equalizer/picture_import.h"
#include "output/destination.h"
#include "output/save_skin.h"
#include "player/render.h"
#include "player/skin_reader.h"
#include "sheets/build_driver.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

const fs::path kBin = PELTERRA_BIN_DIR;

// The sample skin's document, built once.
std::optional<Document> sampleDocument(benchmark::State& state) {
    const fs::path sample = kBin / "Samples" / "base_main_eq_playlist.bmp";
    std::optional<Document> doc(std::in_place);
    if (!fs::exists(sample) || !InitialiseDocument(*doc, kBin).ok() ||
        !OpenCombinedPicture(*doc, sample.string(), [] { return -1; }).ok() || !BuildSkinImages(*doc, kBin).ok()) {
        state.SkipWithError("the sample picture or PartsData was not drawn beside the programs");
        return std::nullopt;
    }
    return doc;
}

void BM_EditBuildRenderAllWindows(benchmark::State& state) {
    auto doc = sampleDocument(state);
    if (!doc) return;
    int red = 0;
    for (auto _ : state) {
        red = (red + 17) % 200;
        if (!SetControlValue(*doc, kBin, "hscR(0)", red).ok() || !BuildSkinImages(*doc, kBin).ok()) {
            state.SkipWithError("the edit or the build failed");
            break;
        }
        auto skin = SkinFromDocument(*doc);
        if (!skin) {
            state.SkipWithError(skin.error().describe().c_str());
            break;
        }
        const WindowImage image = RenderPlayer(*skin, PlayerView{}, PlayerWindow::All);
        benchmark::DoNotOptimize(image.colours.pixels().data());
    }
}
BENCHMARK(BM_EditBuildRenderAllWindows)->Unit(benchmark::kMillisecond);

// The drawing alone, from the document's sheets (gathering included) at x1 and x3.
void BM_RenderAllWindowsFromDocument(benchmark::State& state) {
    auto doc = sampleDocument(state);
    if (!doc) return;
    for (auto _ : state) {
        auto skin = SkinFromDocument(*doc);
        const WindowImage image = RenderPlayer(*skin, PlayerView{}, PlayerWindow::All, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(image.colours.pixels().data());
    }
}
BENCHMARK(BM_RenderAllWindowsFromDocument)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// The drawing alone, the skin already gathered.
void BM_RenderAllWindows(benchmark::State& state) {
    auto doc = sampleDocument(state);
    if (!doc) return;
    const auto skin = SkinFromDocument(*doc);
    for (auto _ : state) {
        const WindowImage image = RenderPlayer(*skin, PlayerView{}, PlayerWindow::All);
        benchmark::DoNotOptimize(image.colours.pixels().data());
    }
}
BENCHMARK(BM_RenderAllWindows)->Unit(benchmark::kMillisecond);

// render of a .wsz: the archive read from disk and unpacked in memory, every sheet decoded, all
// three windows drawn.
void BM_RenderSkinArchive(benchmark::State& state) {
    auto doc = sampleDocument(state);
    if (!doc) return;
    const fs::path folder = fs::temp_directory_path() / "pelterra-render-bench";
    fs::create_directories(folder);
    const Destination destination{folder, "sample", true, ".wsz"};
    auto saved = SaveSkinTo(*doc, kBin, destination);
    if (!saved) {
        state.SkipWithError(saved.error().describe().c_str());
        return;
    }
    for (auto _ : state) {
        auto skin = ReadSkin(destination.archive());
        if (!skin) {
            state.SkipWithError(skin.error().describe().c_str());
            break;
        }
        const WindowImage image = RenderPlayer(*skin, PlayerView{}, PlayerWindow::All);
        benchmark::DoNotOptimize(image.colours.pixels().data());
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_RenderSkinArchive)->Unit(benchmark::kMillisecond);

}  // namespace
