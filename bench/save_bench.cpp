// What `pelterra-cli build SAMPLE -o OUT` spends after start-up: the whole build of the sample
// skin (the 275×348 picture, parts from the generated PartsData library, the preview composed)
// plus saving every file of the skin, once into a folder and once into a .wsz archive; and the
// save alone, to tell the two apart.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "sheets/build_driver.h"
#include "document/document.h"
#include "document/initial_state.h"
#include "equalizer/picture_import.h"
#include "output/preview.h"
#include "output/save_skin.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = PELTERRA_BIN_DIR;
const fs::path kSample = kProgramFolder / "Samples" / "base_main_eq_playlist.bmp";

struct SaveFixture {
    Document doc;
    fs::path outFolder;
    std::string problem;  // why the benchmark cannot run, or empty

    SaveFixture() {
        std::random_device rd;
        outFolder = fs::temp_directory_path() / ("pelterra-save-bench-" + std::to_string(rd()));
        fs::create_directories(outFolder);
        if (!fs::exists(kSample)) {
            problem = "no sample picture beside the programs (run partsgen)";
            return;
        }
        if (Status started = InitialiseDocument(doc, kProgramFolder); !started) {
            problem = started.error().describe();
            return;
        }
        if (Status opened = OpenCombinedPicture(doc, kSample.string(), [] { return -1; }); !opened)
            problem = opened.error().describe();
    }
    ~SaveFixture() {
        std::error_code ignored;
        fs::remove_all(outFolder, ignored);
    }

    Destination destination(bool archive) const {
        Destination d;
        d.baseFolder = outFolder;
        d.name = "sample";
        d.zip = archive;
        d.archiveExtension = ".wsz";
        return d;
    }

    bool build(benchmark::State& state) {
        auto built = BuildSkinImages(doc, kProgramFolder, BuildHooks{.composePreview = ComposePreview, .showPreview = {}});
        if (built && built->outcome == BuildOutcome::Built) return true;
        state.SkipWithError(built ? "nothing was built" : built.error().describe().c_str());
        return false;
    }

    bool save(benchmark::State& state, bool archive) {
        auto saved = SaveSkinTo(doc, kProgramFolder, destination(archive));
        if (saved) return true;
        state.SkipWithError(saved.error().describe().c_str());
        return false;
    }
};

void runBuildAndSave(benchmark::State& state, bool archive, bool withBuild) {
    SaveFixture f;
    if (!f.problem.empty()) {
        state.SkipWithError(f.problem.c_str());
        return;
    }
    if (!withBuild && !f.build(state)) return;
    // Each build starts from the state right after the picture was opened, as the command
    // line's single build does.
    const Document opened = f.doc;
    for (auto _ : state) {
        if (withBuild) {
            state.PauseTiming();
            f.doc = opened;
            state.ResumeTiming();
            if (!f.build(state)) break;
        }
        if (!f.save(state, archive)) break;
    }
    const fs::path written = archive ? f.destination(true).archive() : f.destination(false).skinFolder();
    std::uintmax_t bytes = 0;
    std::error_code ec;
    if (archive)
        bytes = fs::file_size(written, ec);
    else
        for (const auto& entry : fs::directory_iterator(written, ec)) bytes += entry.file_size();
    state.SetLabel(std::to_string(SkinFileList(f.doc).size()) + " files, " + std::to_string(bytes) + " bytes");
}

void BM_BuildAndSaveFolder(benchmark::State& state) { runBuildAndSave(state, false, true); }
void BM_BuildAndSaveArchive(benchmark::State& state) { runBuildAndSave(state, true, true); }
void BM_SaveFolder(benchmark::State& state) { runBuildAndSave(state, false, false); }
void BM_SaveArchive(benchmark::State& state) { runBuildAndSave(state, true, false); }
BENCHMARK(BM_BuildAndSaveFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndSaveArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveArchive)->Unit(benchmark::kMillisecond);

}  // namespace
