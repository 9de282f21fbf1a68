// The pixel routines over a whole main-window face (275 x 116).
#include <benchmark/benchmark.h>

#include "image/mask_blend.h"
#include "image/recolor.h"

using namespace pelterra;

namespace {

Bitmap face(std::uint32_t seed) {
    Bitmap b(275, 116);
    for (Colour& c : b.pixels()) {
        seed = seed * 1664525u + 1013904223u;
        c = seed >> 8;
    }
    return b;
}

void BM_MaskBlendAdditiveFace(benchmark::State& state) {
    WorkBitmaps work;
    LoadAdditiveWork(work, face(1), face(2));
    Bitmap target = face(3);
    for (auto _ : state) {
        MaskBlendAdditive(work, target);
        benchmark::DoNotOptimize(target.pixels().data());
    }
}
BENCHMARK(BM_MaskBlendAdditiveFace);

void BM_MaskBlendBitwiseFace(benchmark::State& state) {
    WorkBitmaps work;
    const Bitmap data = face(1), mask = face(2);
    Bitmap target = face(3);
    for (auto _ : state) {
        MaskBlendBitwise(work, data, mask, target, {0, 0});
        benchmark::DoNotOptimize(target.pixels().data());
    }
}
BENCHMARK(BM_MaskBlendBitwiseFace);

void BM_RecolorImageFace(benchmark::State& state) {
    const Bitmap source = face(4);
    Bitmap target(275, 116);
    for (auto _ : state) {
        RecolorImage(target, source, 40, -30, 12);
        benchmark::DoNotOptimize(target.pixels().data());
    }
}
BENCHMARK(BM_RecolorImageFace);

}  // namespace
