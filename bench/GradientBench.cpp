// The gradient's costs: one pattern build per style (colour table plus generator), and
// one tick of the About band's animation at 1920 px: the rotation stepped through the
// real control (which rebuilds its 1 x 256 pattern) and the pattern scaled onto the
// 1920 x 204 band by the nearest-neighbour routine the Win32 canvas paints with. A
// plain fill of the band is measured beside them as the floor any paint costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gradient/ColorTable.h"
#include "gradient/Gradient.h"
#include "gradient/PatternGenerators.h"
#include "platform/memory/MemoryDesktop.h"
#include "widgets/NearestScaling.h"

namespace {

using namespace tintara;

constexpr Size kBand{1920, 204};

void BM_BuildPattern(benchmark::State& state) {
  const auto style = static_cast<std::size_t>(state.range(0));
  PatternBitmap pattern;
  TGradientRotation rotation = 0;
  for (auto _ : state) {
    rotation = static_cast<TGradientRotation>(rotation == -99 ? 99 : rotation - 1);
    const TGradientColors colors = BuildColorTable(0xFFD9BF, 0xF0F0F0, 0, rotation);
    PatternGenerators[style](colors, pattern);
    benchmark::DoNotOptimize(pattern.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * pattern.Width() * pattern.Height());
}
BENCHMARK(BM_BuildPattern)->DenseRange(1, 24)->ArgName("style");

BgrxImageView ViewOf(const PatternBitmap& pattern) {
  return {reinterpret_cast<const std::uint8_t*>(pattern.Pixels().data()), pattern.Width(),
          pattern.Height(), pattern.Width() * 4};
}

void BM_AboutTick(benchmark::State& state) {
  MemoryDesktop desktop;
  desktop.systemColors[15] = 0xF0F0F0;
  TGradient gradient(desktop);
  gradient.SetColorBegin(0xFFD9BF);
  gradient.SetStyle(TGradientStyle::gsLinearV);
  std::vector<std::uint32_t> band(static_cast<std::size_t>(kBand.width) * kBand.height);
  for (auto _ : state) {
    // The animation step, as the About window's timer takes it.
    gradient.SetRotation(static_cast<TGradientRotation>(gradient.Rotation() - 1));
    if (gradient.Rotation() < -99) gradient.SetRotation(99);
    ScaleNearest(ViewOf(gradient.Pattern()), kBand, {0, 0, kBand.width, kBand.height},
                 band.data(), kBand.width);
    benchmark::DoNotOptimize(band.data());
  }
}
BENCHMARK(BM_AboutTick);

void BM_FillBand(benchmark::State& state) {
  std::vector<std::uint32_t> band(static_cast<std::size_t>(kBand.width) * kBand.height);
  std::uint32_t color = 0;
  for (auto _ : state) {
    std::fill(band.begin(), band.end(), ++color);
    benchmark::DoNotOptimize(band.data());
  }
}
BENCHMARK(BM_FillBand);

}  // namespace

BENCHMARK_MAIN();
