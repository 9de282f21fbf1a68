// Loading and saving a 275 x 315 picture (the size of a whole skin sheet) as a 24-bit BMP file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "image/picture_file.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

Bitmap sheet(std::uint32_t seed) {
    Bitmap b(275, 315);
    for (Colour& c : b.pixels()) {
        seed = seed * 1664525u + 1013904223u;
        c = seed >> 8;
    }
    return b;
}

// A folder of the benchmark's own, removed when the benchmark ends.
class TemporaryFolder {
public:
    TemporaryFolder()
        : m_path(fs::temp_directory_path() / ("pelterra-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(m_path);
    }
    ~TemporaryFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

void BM_LoadPicture275x315(benchmark::State& state) {
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.bmp");
    if (!SavePicture(sheet(1), path).ok()) {
        state.SkipWithError("cannot write the picture to load");
        return;
    }
    for (auto _ : state) {
        Result<Bitmap> picture = LoadPicture(path);
        benchmark::DoNotOptimize(picture.value().pixels().data());
    }
}
BENCHMARK(BM_LoadPicture275x315);

void BM_SavePicture275x315(benchmark::State& state) {
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.bmp");
    const Bitmap picture = sheet(2);
    for (auto _ : state) {
        if (!SavePicture(picture, path).ok()) {
            state.SkipWithError("cannot save the picture");
            break;
        }
    }
}
BENCHMARK(BM_SavePicture275x315);

void BM_DecodePictureBmp275x315(benchmark::State& state) {
    const std::vector<std::uint8_t> bmp = EncodeBmp24(sheet(3));
    for (auto _ : state) {
        Result<Bitmap> picture = DecodePicture(bmp, "sheet.bmp");
        benchmark::DoNotOptimize(picture.value().pixels().data());
    }
}
BENCHMARK(BM_DecodePictureBmp275x315);

void BM_EncodeBmp24Picture275x315(benchmark::State& state) {
    const Bitmap picture = sheet(4);
    for (auto _ : state) {
        std::vector<std::uint8_t> bmp = EncodeBmp24(picture);
        benchmark::DoNotOptimize(bmp.data());
    }
}
BENCHMARK(BM_EncodeBmp24Picture275x315);

}  // namespace
