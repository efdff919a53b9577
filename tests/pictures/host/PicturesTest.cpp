#include <gtest/gtest.h>

#include <cstdlib>

#include "Pictures.h"

namespace tintara::picturegen {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 72, 80, 96, 128, 256};
constexpr Rgba kLightBlue{191, 217, 255, 255};  // 0xFFD9BF as a Windows colour value
constexpr Rgba kWhite{255, 255, 255, 255};

bool Near(const Rgba& p, const Rgba& want, int tolerance) {
  return std::abs(p.r - want.r) <= tolerance && std::abs(p.g - want.g) <= tolerance &&
         std::abs(p.b - want.b) <= tolerance && std::abs(p.a - want.a) <= tolerance;
}

TEST(TitleBarPictureTest, BlueBandFadesIntoWhite) {
  const Image image = DrawTitleBar();
  ASSERT_EQ(image.Width(), 650);
  ASSERT_EQ(image.Height(), 60);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 650; ++x) {
      ASSERT_EQ(image.At(x, y), image.At(0, y)) << "rows are uniform, row " << y;
    }
  }
  for (int y = 0; y <= 8; ++y) EXPECT_EQ(image.At(0, y), kLightBlue) << y;
  for (int y = 52; y < 60; ++y) EXPECT_EQ(image.At(0, y), kWhite) << y;
  EXPECT_NE(image.At(0, 9), kLightBlue) << "the fade starts at row 9";
  EXPECT_NE(image.At(0, 51), kWhite) << "and is still under way at row 51";
  for (int y = 9; y <= 52; ++y) {
    const Rgba& above = image.At(0, y - 1);
    const Rgba& here = image.At(0, y);
    EXPECT_GE(here.r, above.r) << y;
    EXPECT_GE(here.g, above.g) << y;
    EXPECT_GE(here.b, above.b) << y;
    EXPECT_LE(here.r - above.r, 3) << "no visible step at row " << y;
    EXPECT_EQ(here.a, 255);
  }
}

TEST(TilePictureTest, RoundedFaceOnTransparentGroundWithShadowRightAndBelow) {
  const Image image = DrawTile();
  ASSERT_EQ(image.Width(), 200);
  ASSERT_EQ(image.Height(), 200);
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(image.At(i, 0).a, 0);
    EXPECT_EQ(image.At(0, i).a, 0);
    EXPECT_EQ(image.At(i, 199).a, 0);
    EXPECT_EQ(image.At(199, i).a, 0);
  }
  EXPECT_EQ(image.At(100, 100).a, 255);
  EXPECT_TRUE(Near(image.At(100, 6), {237, 245, 255, 255}, 2)) << "0xFFF5ED at the top";
  EXPECT_TRUE(Near(image.At(100, 187), kWhite, 3)) << "white at the bottom";
  // Corners rounded with radius 10: the square's own corner pixel is left out.
  EXPECT_LT(image.At(5, 5).a, 64);
  EXPECT_EQ(image.At(15, 5).a, 255);
  EXPECT_EQ(image.At(5, 15).a, 255);
  // A soft dark shadow beside the right and bottom edges, none on the left and top.
  for (const Rgba& shadow : {image.At(190, 100), image.At(100, 190)}) {
    EXPECT_GT(shadow.a, 40);
    EXPECT_LT(shadow.a, 200);
    EXPECT_LT(shadow.r, 60);
  }
  EXPECT_GT(image.At(191, 100).a, image.At(194, 100).a) << "fading outwards";
  EXPECT_EQ(image.At(3, 100).a, 0);
  EXPECT_EQ(image.At(100, 3).a, 0);
}

TEST(LogoPictureTest, FourPastelQuadrantsInAGreyRim) {
  for (int size : kIconSizes) {
    SCOPED_TRACE(size);
    const Image image = DrawLogo(size);
    ASSERT_EQ(image.Width(), size);
    const int q = size / 4;
    const Rgba& pink = image.At(q, q);
    const Rgba& green = image.At(size - 1 - q, q);
    const Rgba& blue = image.At(q, size - 1 - q);
    const Rgba& yellow = image.At(size - 1 - q, size - 1 - q);
    for (const Rgba& p : {pink, green, blue, yellow}) {
      EXPECT_EQ(p.a, 255);
      EXPECT_GT(std::min({p.r, p.g, p.b}), 120) << "pastel, not saturated";
    }
    EXPECT_TRUE(pink.r > pink.g + 30 && pink.b > pink.g) << "pink top left";
    EXPECT_TRUE(green.g > green.r + 20 && green.g > green.b + 20) << "green top right";
    EXPECT_TRUE(blue.b > blue.r + 30 && blue.b > blue.g) << "blue bottom left";
    EXPECT_TRUE(yellow.r > yellow.b + 50 && yellow.g > yellow.b + 40) << "yellow bottom right";
    // Walking in from the middle of each side, the first opaque pixel is the grey rim.
    const int m = size / 2 + 1;
    const int steps[4][4] = {
        {m, 0, 0, 1}, {0, m, 1, 0}, {m, size - 1, 0, -1}, {size - 1, m, -1, 0}};
    for (const auto& [x0, y0, dx, dy] : steps) {
      int x = x0;
      int y = y0;
      while (image.At(x, y).a < 255 && x != size / 2 && y != size / 2) {
        x += dx;
        y += dy;
      }
      const Rgba& p = image.At(x, y);
      EXPECT_LE(std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}), 2)
          << "grey at " << x << "," << y;
      EXPECT_LT(p.r, 180) << x << "," << y;
      EXPECT_LE(std::abs(x - x0) + std::abs(y - y0), size / 16 + 1) << "near the edge";
    }
    EXPECT_LT(image.At(0, 0).a, 128) << "rounded corner";
  }
}

TEST(DetailsIconTest, WindowWithTitleBarButtonsAndThreeRows) {
  for (int size : {32, 256}) {
    SCOPED_TRACE(size);
    const Image image = DrawDetailsIcon(size);
    const double s = size;
    EXPECT_EQ(image.At(0, 0).a, 0);
    // Title bar: grey, with three white buttons at its right end.
    const Rgba& bar = image.At(static_cast<int>(s * 0.3), static_cast<int>(s * 0.18));
    EXPECT_LT(bar.r, 235);
    EXPECT_GT(bar.r, 150);
    const auto whiteRuns = [&](int y) {
      int runs = 0;
      bool inWhite = false;
      for (int x = size / 2; x < size; ++x) {
        const bool white = image.At(x, y).r > 245;
        if (white && !inWhite) ++runs;
        inWhite = white;
      }
      return runs;
    };
    int buttonRows = 0;
    for (int y = 0; y < size / 4; ++y) buttonRows += whiteRuns(y) == 3 ? 1 : 0;
    EXPECT_GE(buttonRows, 1) << "three buttons side by side";
    // Three rows, each with a blue picture on the left.
    int blueRuns = 0;
    bool inBlue = false;
    const int pictureColumn = static_cast<int>(s * 0.16);
    for (int y = size / 3; y < size; ++y) {
      const Rgba& p = image.At(pictureColumn, y);
      const bool blue = p.b > p.r + 60;
      if (blue && !inBlue) ++blueRuns;
      inBlue = blue;
    }
    EXPECT_EQ(blueRuns, 3) << "three pictures";
  }
}

TEST(WarningIconTest, PaleYellowTriangleOrangeRedRimWhiteMark) {
  const Image image = DrawWarningIcon(256);
  EXPECT_EQ(image.At(0, 0).a, 0);
  EXPECT_EQ(image.At(255, 0).a, 0);
  const Rgba& rim = image.At(128, 236);  // middle of the base
  EXPECT_GT(rim.r, 190);
  EXPECT_LT(rim.g, 120);
  EXPECT_LT(rim.b, 70);
  const Rgba& fill = image.At(80, 190);
  EXPECT_GT(fill.r, 245);
  EXPECT_GT(fill.g, 215);
  EXPECT_LT(fill.b, 200);
  EXPECT_GT(fill.b, 100) << "pale";
  EXPECT_EQ(image.At(128, 120), kWhite) << "the stroke of the mark";
  EXPECT_EQ(image.At(128, 195), kWhite) << "its dot";
  const Rgba& between = image.At(128, 168);
  EXPECT_NE(between, kWhite) << "stroke and dot are apart";
  for (int size : kIconSizes) {
    const Image small = DrawWarningIcon(size);
    int white = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) white += small.At(x, y) == kWhite ? 1 : 0;
    }
    EXPECT_GE(white, 3) << "the mark shows at " << size;
  }
}

}  // namespace
}  // namespace tintara::picturegen
