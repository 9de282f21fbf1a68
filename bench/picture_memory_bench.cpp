// Peak memory of opening a large picture as the base picture: an 8000 x 8000 RGBA PNG at 16 bits
// a sample, half a megabyte on disk, declined at the size dialog (as the command line does
// without --fit) and stretched to one window; and of tracing it as a region picture, refused
// without a fit answer and stretched with one. Each open runs in a child process, whose peak
// resident size is the counter peak_MB; "baseline" is a child that only builds the document.
#include <benchmark/benchmark.h>
#include <png.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "equalizer/picture_import.h"
#include "region/region_editor.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

constexpr int kSide = 8000;

// Written once, row by row through libpng: all zero, so it compresses to half a megabyte.
const std::string& largePng() {
    static const std::string path = [] {
        const std::string file = (fs::temp_directory_path() / ("pelterra-bench-large-" + std::to_string(::getpid()) + ".png")).string();
        FILE* out = std::fopen(file.c_str(), "wb");
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, out);
        png_set_IHDR(png, info, kSide, kSide, 16, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<png_byte> row(static_cast<std::size_t>(kSide) * 8, 0);
        for (int y = 0; y < kSide; ++y) png_write_row(png, row.data());
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        return file;
    }();
    return path;
}

// Runs `work` in a child and returns the child's peak resident size in megabytes.
double childPeakMegabytes(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes
}

void measure(benchmark::State& state, const std::function<void()>& work) {
    double peak = 0;
    for (auto _ : state) peak = childPeakMegabytes(work);
    state.counters["peak_MB"] = peak;
}

void BM_PeakMemory_Baseline(benchmark::State& state) {
    measure(state, [] {
        Document doc;
        benchmark::DoNotOptimize(&doc);
    });
}
BENCHMARK(BM_PeakMemory_Baseline)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakMemory_Large16BitPngDeclined(benchmark::State& state) {
    const std::string& file = largePng();
    measure(state, [&file] {
        Document doc;
        (void)OpenCombinedPicture(doc, file, [] { return -1; });
    });
}
BENCHMARK(BM_PeakMemory_Large16BitPngDeclined)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakMemory_Large16BitPngStretched(benchmark::State& state) {
    const std::string& file = largePng();
    measure(state, [&file] {
        Document doc;
        if (!OpenCombinedPicture(doc, file, [] { return static_cast<int>(HowFormAnswer::Stretch); }).ok()) ::_exit(1);
    });
}
BENCHMARK(BM_PeakMemory_Large16BitPngStretched)->Iterations(1)->Unit(benchmark::kMillisecond);

// A region trace writes its work files below the per-user data folder: a scratch one here.
void traceRegion(const std::string& file, std::optional<int> fit) {
    const fs::path scratch = fs::temp_directory_path() / ("pelterra-bench-region-" + std::to_string(::getpid()));
    ::setenv("XDG_DATA_HOME", scratch.c_str(), 1);
    Document doc;
    const bool traced = TraceRegionPicture(doc, scratch, file, RGB(255, 0, 255), fit).ok();
    std::error_code ec;
    fs::remove_all(scratch, ec);
    if (traced != fit.has_value()) ::_exit(1);
}

void BM_PeakMemory_Large16BitPngRegionRefused(benchmark::State& state) {
    const std::string& file = largePng();
    measure(state, [&file] { traceRegion(file, std::nullopt); });
}
BENCHMARK(BM_PeakMemory_Large16BitPngRegionRefused)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakMemory_Large16BitPngRegionStretched(benchmark::State& state) {
    const std::string& file = largePng();
    measure(state, [&file] { traceRegion(file, static_cast<int>(HowFormAnswer::Stretch)); });
}
BENCHMARK(BM_PeakMemory_Large16BitPngRegionStretched)->Iterations(1)->Unit(benchmark::kMillisecond);

// Removes the picture when the benchmark program ends.
struct RemoveLargePng {
    ~RemoveLargePng() {
        std::error_code ec;
        fs::remove(fs::temp_directory_path() / ("pelterra-bench-large-" + std::to_string(::getpid()) + ".png"), ec);
    }
} removeLargePng;

}  // namespace
