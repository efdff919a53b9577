#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "Palette.h"

namespace tintara::picturegen {
namespace {

int WorstError(const Image& image, const IndexedImage& indexed) {
  int worst = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& want = image.At(x, y);
      const Rgba& got =
          indexed.table[indexed.indices[static_cast<std::size_t>(y * image.Width() + x)]];
      worst = std::max(
          {worst, std::abs(want.r - got.r), std::abs(want.g - got.g), std::abs(want.b - got.b)});
    }
  }
  return worst;
}

// 60 x 60 pixels of a two-way gradient: 3600 distinct colours.
Image Gradient() {
  Image image(60, 60);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) {
      image.At(x, y) = {static_cast<std::uint8_t>(100 + x * 2), static_cast<std::uint8_t>(50 + y),
                        200, 255};
    }
  }
  return image;
}

TEST(PaletteTest, EightBitsFollowAGradientClosely) {
  const Image image = Gradient();
  const IndexedImage indexed = ReduceColors(image, 8);
  ASSERT_EQ(indexed.table.size(), 256u);
  EXPECT_LE(WorstError(image, indexed), 6);
  std::set<int> used(indexed.indices.begin(), indexed.indices.end());
  EXPECT_GT(used.size(), 200u) << "the table is put to use";
  EXPECT_EQ(used.count(0), 0u) << "entry 0 is kept for transparent pixels";
}

TEST(PaletteTest, FourBitsStillTrackTheGradient) {
  const Image image = Gradient();
  const IndexedImage indexed = ReduceColors(image, 4);
  ASSERT_EQ(indexed.table.size(), 16u);
  EXPECT_LE(WorstError(image, indexed), 40);
}

TEST(PaletteTest, TransparentPixelsTakeTheBlackEntryAndTheMask) {
  Image image(2, 1);
  image.At(0, 0) = {200, 200, 200, 127};
  image.At(1, 0) = {200, 200, 200, 128};
  const IndexedImage indexed = ReduceColors(image, 8);
  EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{0, 1}));
  EXPECT_EQ(indexed.transparent, (std::vector<bool>{true, false}));
  EXPECT_EQ(indexed.table[0], (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(indexed.table[1], (Rgba{200, 200, 200, 0}));
}

TEST(PaletteTest, OneBitSplitsDarkFromLightWhateverTheirBrightness) {
  // A light-grey outline around a near-white face: both would be white at a fixed
  // middle threshold.
  Image image(8, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool outline = x == 0 || y == 0 || x == 7 || y == 7;
      image.At(x, y) = outline ? Rgba{170, 170, 170, 255} : Rgba{250, 240, 245, 255};
    }
  }
  const IndexedImage indexed = ReduceColors(image, 1);
  EXPECT_EQ(indexed.table[0], (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(indexed.table[1], (Rgba{255, 255, 255, 0}));
  EXPECT_EQ(indexed.indices[0], 0) << "outline";
  EXPECT_EQ(indexed.indices[3 * 8 + 3], 1) << "face";
}

TEST(PaletteTest, RefusesOtherDepths) {
  EXPECT_THROW(ReduceColors(Image(1, 1), 2), std::invalid_argument);
}

}  // namespace
}  // namespace tintara::picturegen
