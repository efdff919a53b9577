// PickIconColor against a plain std::unordered_map counter on the same bitmaps.
// Realistic and worst-case inputs have one unique most frequent colour, so both must
// agree; setup checks it. The tied input, every pixel its own colour, is where the tie
// rule needs the exact table: there the map's answer is arbitrary and not compared.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include "engine/IconColorPicker.h"

namespace {

using tintara::RenderedIconBitmap;
using tintara::TColor;

// A few dozen colours in concentric bands and stripes, as drawn icons have.
RenderedIconBitmap Realistic(int size) {
  RenderedIconBitmap bitmap;
  bitmap.SetSize(size, size);
  const int centre = size / 2;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int ring = (std::abs(x - centre) + std::abs(y - centre)) * 24 / (size + 1);
      const int stripe = (x / std::max(1, size / 8)) % 2;
      const TColor color =
          ring == 0 ? 0xFFFFFF
                    : static_cast<TColor>((ring * 0x0A1B2C + stripe * 0x404040) & 0xFFFFFF);
      bitmap.SetPixel(x, y, color);
    }
  }
  return bitmap;
}

// Every pixel its own colour, except, unless `tied`, one colour used twice.
RenderedIconBitmap WorstCase(int size, bool tied) {
  RenderedIconBitmap bitmap;
  bitmap.SetSize(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const auto i = static_cast<TColor>(y * size + x);
      bitmap.SetPixel(x, y, (i * 0x9E3779u) & 0xFFFFFFu);
    }
  }
  if (!tied) bitmap.SetPixel(size - 1, size - 1, bitmap.PixelColor(0, 0));
  return bitmap;
}

TColor UnorderedMapMostUsed(const RenderedIconBitmap& bitmap) {
  std::unordered_map<TColor, int> counts;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint8_t* p = row + 3 * x;
      ++counts[static_cast<TColor>(p[2]) | (static_cast<TColor>(p[1]) << 8) |
               (static_cast<TColor>(p[0]) << 16)];
    }
  }
  TColor result = 0;
  int best = 0;
  for (const auto& [key, value] : counts) {
    if (value > best) {
      result = key;
      best = value;
    }
  }
  return result;
}

RenderedIconBitmap Make(const benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const auto kind = state.range(1);
  RenderedIconBitmap bitmap = kind == 0 ? Realistic(size) : WorstCase(size, kind == 2);
  if (kind != 2 &&
      tintara::PickIconColor(bitmap, tintara::kModeMostUsed) != UnorderedMapMostUsed(bitmap)) {
    std::fprintf(stderr, "baseline and picker disagree\n");
    std::abort();
  }
  return bitmap;
}

void Label(benchmark::State& state) {
  state.SetLabel(state.range(1) == 0 ? "realistic" : state.range(1) == 1 ? "worst" : "tied");
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_MostUsed(benchmark::State& state) {
  const RenderedIconBitmap bitmap = Make(state);
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintara::PickIconColor(bitmap, tintara::kModeMostUsed));
  }
  Label(state);
}

void BM_MostUsedUnorderedMap(benchmark::State& state) {
  const RenderedIconBitmap bitmap = Make(state);
  for (auto _ : state) benchmark::DoNotOptimize(UnorderedMapMostUsed(bitmap));
  Label(state);
}

void BM_Center(benchmark::State& state) {
  const RenderedIconBitmap bitmap = Make(state);
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintara::PickIconColor(bitmap, tintara::kModeCenter));
  }
  Label(state);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int kind : {0, 1, 2}) {
    for (int size : {16, 32, 48, 256}) b->Args({size, kind});
  }
}

BENCHMARK(BM_MostUsed)->Apply(Sizes);
BENCHMARK(BM_MostUsedUnorderedMap)->Apply(Sizes);
BENCHMARK(BM_Center)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
