#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "engine/ColorCountTable.h"
#include "engine/IconColorPicker.h"

namespace tintara {
namespace {

RenderedIconBitmap Row(const std::vector<TColor>& colors) {
  RenderedIconBitmap bitmap;
  bitmap.SetSize(static_cast<std::int32_t>(colors.size()), 1);
  for (std::size_t x = 0; x < colors.size(); ++x) {
    bitmap.SetPixel(static_cast<std::int32_t>(x), 0, colors[x]);
  }
  return bitmap;
}

TEST(IconColorPicker, OnlyTheExactMostUsedTextSelectsCounting) {
  EXPECT_TRUE(SelectsMostUsedColor(u"(most used color)"));
  for (std::u16string_view other : {u"(Most used color)", u"(most used color) ", u"",
                                    u"(use center color)", u"(color mode)", u"most used color"}) {
    EXPECT_FALSE(SelectsMostUsedColor(other));
  }
  // Three pixels: centre red, majority blue.
  const RenderedIconBitmap bitmap = Row({0xFF0000, 0x0000FF, 0xFF0000});
  EXPECT_EQ(PickIconColor(bitmap, u"(most used color)"), 0xFF0000u);
  EXPECT_EQ(PickIconColor(bitmap, u"(MOST USED COLOR)"), 0x0000FFu);
  EXPECT_EQ(PickIconColor(bitmap, u"(color mode)"), 0x0000FFu);
}

TEST(IconColorPicker, EmptyAndSingleColourBitmaps) {
  RenderedIconBitmap empty;
  EXPECT_EQ(PickIconColor(empty, kModeMostUsed), 0u);
  EXPECT_EQ(PickIconColor(empty, kModeCenter), 0u);
  RenderedIconBitmap wide;
  wide.SetSize(7, 0);
  EXPECT_EQ(PickIconColor(wide, kModeCenter), 0u);

  RenderedIconBitmap plain;
  plain.SetSize(5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) plain.SetPixel(x, y, 0x336699);
  EXPECT_EQ(PickIconColor(plain, kModeMostUsed), 0x336699u);
  EXPECT_EQ(PickIconColor(plain, kModeCenter), 0x336699u);
}

TEST(IconColorPicker, TiesGoToTheFirstSlotInTableOrder) {
  // 0xFFFFFF lands in slot 2 and 0x000000 in slot 3 of the 4-slot table.
  EXPECT_EQ(PickIconColor(Row({0x000000, 0xFFFFFF}), kModeMostUsed), 0xFFFFFFu);
  EXPECT_EQ(PickIconColor(Row({0xFFFFFF, 0x000000}), kModeMostUsed), 0xFFFFFFu);
  EXPECT_EQ(PickIconColor(Row({0x0000FF, 0xFF0000, 0x00FF00, 0x808080, 0x000000, 0xFFFFFF}),
                          kModeMostUsed),
            0x808080u);
}

TEST(IconColorPicker, ACountOfTwoBeatsEveryCountOfOne) {
  // 0x808080 would win every tie; a second pixel of any other colour outranks it.
  for (TColor twice : {0x0000FFu, 0xFF0000u, 0x00FF00u, 0x000000u, 0xFFFFFFu}) {
    std::vector<TColor> row = {0x0000FF, 0xFF0000, 0x00FF00, 0x808080, 0x000000, 0xFFFFFF};
    row.insert(row.begin() + 2, twice);
    EXPECT_EQ(PickIconColor(Row(row), kModeMostUsed), twice);
  }
  // Runs spanning rows and broken runs count the same as single pixels.
  RenderedIconBitmap bitmap;
  bitmap.SetSize(4, 3);
  const TColor layout[3][4] = {{1, 1, 2, 2}, {2, 3, 3, 3}, {3, 1, 2, 1}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) bitmap.SetPixel(x, y, layout[y][x]);
  // 1: 4 pixels, 2: 4 pixels, 3: 4 pixels -> table order decides among them, while
  // one extra pixel of 3 must win outright.
  bitmap.SetPixel(0, 0, 3);
  EXPECT_EQ(PickIconColor(bitmap, kModeMostUsed), 3u);
}

// The contract itself: every pixel in order into the exact table, then the first
// colour in slot order with the highest count.
TColor PixelByPixel(const RenderedIconBitmap& bitmap) {
  ColorCountTable table;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor key = bitmap.PixelColor(x, y);
      if (table.Contains(key)) {
        table.Set(key, table.Get(key) + 1);
      } else {
        table.Add(key, 1);
      }
    }
  }
  TColor result = 0;
  std::int32_t best = 0;
  table.ForEach([&](TColor key, std::int32_t value) {
    if (value > best) {
      result = key;
      best = value;
    }
  });
  return result;
}

TEST(IconColorPicker, MostUsedEqualsPixelByPixelCountingOnRandomBitmaps) {
  // Runs of random length, across row ends too. In every other bitmap each run is
  // followed by one as long of a partner colour, so the highest count is always shared
  // and the tie rule decides; palettes of thousands of colours carry both tables through
  // several growths and the insertion look-ahead through many turns.
  std::mt19937 random(20240611);
  int tied = 0;
  int manyColoursTied = 0;
  for (int round = 0; round < 400; ++round) {
    const bool paired = round % 2 == 0;
    const int width = 1 + static_cast<int>(random() % 97);
    const int height = 1 + static_cast<int>(random() % 61);
    const int colors = 2 + static_cast<int>(random() % (round % 3 == 0 ? 4000 : 40));
    const int longestRun = 1 + static_cast<int>(random() % 6);
    std::vector<TColor> palette;
    for (int i = 0; i < colors; ++i) palette.push_back(random() & 0xFFFFFF);
    std::vector<TColor> pixels;
    while (pixels.size() < static_cast<std::size_t>(width * height)) {
      const std::size_t pick = random() % (palette.size() / 2);
      const std::size_t run = 1 + random() % longestRun;
      pixels.insert(pixels.end(), run, palette[2 * pick]);
      if (paired) pixels.insert(pixels.end(), run, palette[2 * pick + 1]);
    }
    // Whole rows; the padding, one pixel of each colour, keeps the partners' counts.
    const int rows = static_cast<int>((pixels.size() + width - 1) / width);
    while (pixels.size() % width != 0) pixels.push_back(random() & 0xFFFFFF);
    RenderedIconBitmap bitmap;
    bitmap.SetSize(width, rows);
    std::map<TColor, int> counts;
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < width; ++x) {
        bitmap.SetPixel(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
        ++counts[bitmap.PixelColor(x, y)];
      }
    }
    ASSERT_EQ(MostUsedColor(bitmap), PixelByPixel(bitmap)) << "round " << round;
    int top = 0;
    for (const auto& [key, count] : counts) top = std::max(top, count);
    const auto atTop = std::count_if(counts.begin(), counts.end(),
                                     [&](const auto& entry) { return entry.second == top; });
    tied += atTop > 1 ? 1 : 0;
    manyColoursTied += atTop > 1 && counts.size() > 100 ? 1 : 0;
  }
  EXPECT_GT(tied, 180);
  EXPECT_GT(manyColoursTied, 40);
}

TEST(IconColorPicker, CentrePixelIsHalfWidthHalfHeight) {
  struct Case {
    int w, h, x, y;
  };
  for (const Case c : {Case{1, 1, 0, 0}, Case{16, 16, 8, 8}, Case{3, 5, 1, 2}, Case{2, 2, 1, 1}}) {
    RenderedIconBitmap bitmap;
    bitmap.SetSize(c.w, c.h);
    bitmap.SetPixel(c.x, c.y, 0x123456);
    EXPECT_EQ(PickIconColor(bitmap, kModeCenter), 0x123456u) << c.w << "x" << c.h;
  }
}

}  // namespace
}  // namespace tintara
