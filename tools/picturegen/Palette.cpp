#include "Palette.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <stdexcept>

namespace tintara::picturegen {
namespace {

struct Weighted {
  Rgba color;
  std::uint64_t count;
};

// Colours of one median-cut box; `Range` of a channel is its spread within the box.
using Bucket = std::vector<Weighted>;

int Channel(const Rgba& c, int channel) {
  return channel == 0 ? c.r : channel == 1 ? c.g : c.b;
}

int Range(const Bucket& bucket, int channel) {
  int low = 255;
  int high = 0;
  for (const Weighted& w : bucket) {
    low = std::min(low, Channel(w.color, channel));
    high = std::max(high, Channel(w.color, channel));
  }
  return high - low;
}

int WidestChannel(const Bucket& bucket) {
  int widest = 0;
  for (int channel = 1; channel < 3; ++channel) {
    if (Range(bucket, channel) > Range(bucket, widest)) widest = channel;
  }
  return widest;
}

// Splits at the weighted median along the widest channel; both halves keep at least
// one colour.
std::pair<Bucket, Bucket> Split(Bucket bucket) {
  const int channel = WidestChannel(bucket);
  std::stable_sort(bucket.begin(), bucket.end(), [channel](const Weighted& a, const Weighted& b) {
    return Channel(a.color, channel) < Channel(b.color, channel);
  });
  std::uint64_t total = 0;
  for (const Weighted& w : bucket) total += w.count;
  std::uint64_t seen = 0;
  std::size_t cut = 1;
  for (; cut < bucket.size(); ++cut) {
    seen += bucket[cut - 1].count;
    if (seen * 2 >= total) break;
  }
  cut = std::min(cut, bucket.size() - 1);
  const auto middle = bucket.begin() + static_cast<std::ptrdiff_t>(cut);
  return {Bucket(bucket.begin(), middle), Bucket(middle, bucket.end())};
}

Rgba Average(const Bucket& bucket) {
  std::array<std::uint64_t, 3> sum{};
  std::uint64_t total = 0;
  for (const Weighted& w : bucket) {
    sum[0] += w.color.r * w.count;
    sum[1] += w.color.g * w.count;
    sum[2] += w.color.b * w.count;
    total += w.count;
  }
  const auto channel = [&](int i) {
    return static_cast<std::uint8_t>((sum[static_cast<std::size_t>(i)] + total / 2) / total);
  };
  return {channel(0), channel(1), channel(2), 255};
}

std::vector<Rgba> MedianCut(const Image& image, std::size_t colors) {
  std::map<std::uint32_t, std::uint64_t> histogram;  // ordered, so the cut is reproducible
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& p = image.At(x, y);
      if (IsTransparentForMask(p)) continue;
      ++histogram[(std::uint32_t{p.r} << 16) | (std::uint32_t{p.g} << 8) | p.b];
    }
  }
  if (histogram.empty()) return {};
  Bucket all;
  for (const auto& [key, count] : histogram) {
    all.push_back({{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                    static_cast<std::uint8_t>(key), 255},
                   count});
  }
  std::vector<Bucket> buckets{std::move(all)};
  while (buckets.size() < colors) {
    // The box whose pixels stray furthest in total is split next: its spread on the
    // widest channel times the pixels in it. Rare edge colours then do not use up
    // entries the large areas need.
    std::size_t pick = buckets.size();
    std::uint64_t pickWeight = 0;
    for (std::size_t i = 0; i < buckets.size(); ++i) {
      if (buckets[i].size() < 2) continue;
      std::uint64_t pixels = 0;
      for (const Weighted& w : buckets[i]) pixels += w.count;
      const auto weight =
          static_cast<std::uint64_t>(Range(buckets[i], WidestChannel(buckets[i]))) * pixels;
      if (pick == buckets.size() || weight > pickWeight) {
        pick = i;
        pickWeight = weight;
      }
    }
    if (pick == buckets.size()) break;  // every box holds a single colour
    auto [low, high] = Split(std::move(buckets[pick]));
    buckets[pick] = std::move(low);
    buckets.insert(buckets.begin() + static_cast<std::ptrdiff_t>(pick) + 1, std::move(high));
  }
  std::vector<Rgba> table;
  for (const Bucket& bucket : buckets) table.push_back(Average(bucket));
  return table;
}

int DistanceSquared(const Rgba& a, const Rgba& b) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

// Brightness from 0 to 255 by the usual luma weights.
int Luma(const Rgba& p) {
  return (299 * p.r + 587 * p.g + 114 * p.b + 500) / 1000;
}

// The brightness that best splits the opaque pixels into a dark and a light group
// (Otsu's method): at one bit the darker group, typically outlines, turns black and
// the rest white, whatever the picture's own colours.
int MonochromeThreshold(const Image& image) {
  std::array<std::uint64_t, 256> histogram{};
  std::uint64_t total = 0;
  std::uint64_t lumaSum = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& p = image.At(x, y);
      if (IsTransparentForMask(p)) continue;
      const int luma = Luma(p);
      ++histogram[static_cast<std::size_t>(luma)];
      ++total;
      lumaSum += static_cast<std::uint64_t>(luma);
    }
  }
  int best = 128;
  double bestSpread = -1;
  std::uint64_t darkCount = 0;
  std::uint64_t darkSum = 0;
  for (int t = 0; t < 255; ++t) {
    darkCount += histogram[static_cast<std::size_t>(t)];
    darkSum += histogram[static_cast<std::size_t>(t)] * static_cast<std::uint64_t>(t);
    const std::uint64_t lightCount = total - darkCount;
    if (darkCount == 0 || lightCount == 0) continue;
    const double darkMean = static_cast<double>(darkSum) / static_cast<double>(darkCount);
    const double lightMean =
        static_cast<double>(lumaSum - darkSum) / static_cast<double>(lightCount);
    const double spread = static_cast<double>(darkCount) * static_cast<double>(lightCount) *
                          (lightMean - darkMean) * (lightMean - darkMean);
    if (spread > bestSpread) {
      bestSpread = spread;
      best = t + 1;
    }
  }
  return best;
}

}  // namespace

IndexedImage ReduceColors(const Image& image, int bits) {
  if (bits != 1 && bits != 4 && bits != 8) throw std::invalid_argument("ReduceColors: bits");
  IndexedImage out;
  out.width = image.Width();
  out.height = image.Height();
  const std::size_t entries = std::size_t{1} << bits;
  out.table.assign(entries, Rgba{0, 0, 0, 0});
  std::size_t firstChoice = 1;  // entry 0 stays black for transparent pixels
  std::size_t usable = 2;
  int threshold = 0;
  if (bits == 1) {
    threshold = MonochromeThreshold(image);
    out.table[1] = {255, 255, 255, 0};
    firstChoice = 0;
  } else {
    const std::vector<Rgba> colors = MedianCut(image, entries - 1);
    for (std::size_t i = 0; i < colors.size(); ++i)
      out.table[i + 1] = {colors[i].r, colors[i].g, colors[i].b, 0};
    usable = 1 + colors.size();
  }
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& p = image.At(x, y);
      const bool transparent = IsTransparentForMask(p);
      out.transparent.push_back(transparent);
      if (transparent) {
        out.indices.push_back(0);
      } else if (bits == 1) {
        out.indices.push_back(Luma(p) >= threshold ? 1 : 0);
      } else {
        std::size_t best = firstChoice;
        for (std::size_t i = firstChoice; i < usable; ++i) {
          if (DistanceSquared(p, out.table[i]) < DistanceSquared(p, out.table[best])) best = i;
        }
        out.indices.push_back(static_cast<std::uint8_t>(best));
      }
    }
  }
  return out;
}

}  // namespace tintara::picturegen
