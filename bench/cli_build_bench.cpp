// The whole command-line build as a user runs it (a new pelterra-cli process: start-up, the
// picture, the build and the save into a folder) against `cp -r` of the folder it makes: the
// build's cost over merely writing the same files. The aim is within 1.5 times the copy.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kBin = PELTERRA_BIN_DIR;
const fs::path kSample = kBin / "Samples" / "base_main_eq_playlist.bmp";

int run(const std::string& command) { return std::system(command.c_str()); }

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// A scratch folder for one benchmark, removed afterwards.
struct Scratch {
    fs::path path = fs::temp_directory_path() / ("pelterra-bench-" + std::to_string(::getpid()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() { fs::remove_all(path); }
};

std::string buildCommand(const fs::path& out) {
    return quoted(kBin / "pelterra-cli") + " build " + quoted(kSample) + " -o " + quoted(out) + " >/dev/null";
}

void BM_CliBuildToFolder(benchmark::State& state) {
    if (!fs::exists(kSample)) return state.SkipWithError("no sample picture (run partsgen)");
    Scratch scratch;
    int n = 0;
    for (auto _ : state)
        if (run(buildCommand(scratch.path / ("skin" + std::to_string(n++)))) != 0)
            return state.SkipWithError("pelterra-cli build failed");
}
BENCHMARK(BM_CliBuildToFolder)->Unit(benchmark::kMillisecond);

void BM_CopyOfTheBuiltFolder(benchmark::State& state) {
    if (!fs::exists(kSample)) return state.SkipWithError("no sample picture (run partsgen)");
    Scratch scratch;
    const fs::path built = scratch.path / "built";
    if (run(buildCommand(built)) != 0) return state.SkipWithError("pelterra-cli build failed");
    int n = 0;
    for (auto _ : state)
        if (run("cp -r " + quoted(built) + " " + quoted(scratch.path / ("copy" + std::to_string(n++)))) != 0)
            return state.SkipWithError("cp failed");
}
BENCHMARK(BM_CopyOfTheBuiltFolder)->Unit(benchmark::kMillisecond);

}  // namespace
