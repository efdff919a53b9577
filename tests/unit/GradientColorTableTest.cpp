// The colour table: MulDiv's rounding, shift, rotation and the worked values.
#include <gtest/gtest.h>

#include "gradient/ColorTable.h"

namespace tintara {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

int Grey(const TGradientColors& colors, int i) {
  const tagRGBQUAD& e = colors[static_cast<std::size_t>(i)];
  EXPECT_TRUE(e.rgbRed == e.rgbGreen && e.rgbGreen == e.rgbBlue) << "entry " << i;
  return e.rgbRed;
}

TEST(GradientMulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(255, 1, 100), 3);
  EXPECT_EQ(MulDiv(255, 50, 100), 128);
  EXPECT_EQ(MulDiv(255, -50, 100), -128);
  EXPECT_EQ(MulDiv(255, 99, 100), 252);
  EXPECT_EQ(MulDiv(255, 100, 100), 255);
  EXPECT_EQ(MulDiv(-255, 50, -100), 128);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  // The product does not overflow on the way.
  EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
  EXPECT_EQ(MulDiv(7, 3, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 2, 1), -1) << "a result beyond 32 bits";
}

TEST(GradientColorTable, WorkedValuesFromBlackToWhite) {
  struct Row {
    int rotation;
    std::array<int, 7> grey;  // entries 0, 1, 127, 128, 129, 254, 255
  };
  const Row rows[] = {
      {0, {0, 1, 127, 128, 129, 254, 255}},    {1, {0, 1, 128, 129, 130, 85, 0}},
      {50, {0, 2, 255, 253, 251, 1, 0}},       {-1, {255, 170, 126, 127, 128, 254, 255}},
      {-50, {255, 254, 2, 0, 3, 253, 255}},    {100, {255, 254, 128, 127, 126, 1, 0}},
      {-100, {255, 254, 128, 127, 126, 1, 0}},
  };
  const int entries[] = {0, 1, 127, 128, 129, 254, 255};
  for (const Row& row : rows) {
    const TGradientColors colors =
        BuildColorTable(kBlack, kWhite, 0, static_cast<TGradientRotation>(row.rotation));
    for (std::size_t i = 0; i < 7; ++i) {
      EXPECT_EQ(Grey(colors, entries[i]), row.grey[i])
          << "rotation " << row.rotation << ", entry " << entries[i];
    }
  }
}

TEST(GradientColorTable, ShiftMovesOneEndTowardTheOther) {
  const TGradientColors half = BuildColorTable(kBlack, kWhite, 50, 0);
  EXPECT_EQ(Grey(half, 0), 128);
  EXPECT_EQ(Grey(half, 255), 255);
  const TGradientColors back = BuildColorTable(kBlack, kWhite, -50, 0);
  EXPECT_EQ(Grey(back, 0), 0);
  EXPECT_EQ(Grey(back, 255), 127);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(Grey(BuildColorTable(kBlack, kWhite, 100, 37), i), 255) << i;
    EXPECT_EQ(Grey(BuildColorTable(kBlack, kWhite, -100, -37), i), 0) << i;
  }
}

TEST(GradientColorTable, EqualEndsGiveOneColourWhateverTheShiftAndRotation) {
  const std::uint32_t color = 0x3080C0;
  for (const int shift : {-100, -33, 0, 42, 100}) {
    for (const int rotation : {-100, -99, -1, 0, 1, 50, 99, 100}) {
      const TGradientColors colors =
          BuildColorTable(color, color, static_cast<TGradientShift>(shift),
                          static_cast<TGradientRotation>(rotation));
      for (const tagRGBQUAD& e : colors) {
        ASSERT_EQ(e.rgbRed, 0xC0) << shift << " " << rotation;
        ASSERT_EQ(e.rgbGreen, 0x80);
        ASSERT_EQ(e.rgbBlue, 0x30);
      }
    }
  }
}

TEST(GradientColorTable, EachChannelRunsOnItsOwnAndRotationOneTurnsAtEntry252) {
  // Red rises, green falls, blue stays: red 10 -> 250, green 200 -> 20, blue 90.
  const std::uint32_t start = 0x5AC80A;
  const std::uint32_t end = 0x5A14FA;
  const TGradientColors plain = BuildColorTable(start, end, 0, 0);
  EXPECT_EQ(plain[0], (tagRGBQUAD{0x5A, 200, 10, 0}));
  EXPECT_EQ(plain[255], (tagRGBQUAD{0x5A, 20, 250, 0}));
  EXPECT_EQ(plain[128].rgbRed, 10 + 128 * 240 / 255);
  EXPECT_EQ(plain[128].rgbGreen, 200 - 128 * 180 / 255);

  const TGradientColors turned = BuildColorTable(start, end, 0, 1);
  for (int i = 1; i < 252; ++i) {
    EXPECT_GE(turned[static_cast<std::size_t>(i)].rgbRed,
              turned[static_cast<std::size_t>(i - 1)].rgbRed);
  }
  EXPECT_EQ(turned[252], plain[255]) << "the end colour at 255 - k";
  EXPECT_EQ(turned[254].rgbRed, 10 + 240 / 3) << "a third of the way back";
  EXPECT_EQ(turned[254].rgbGreen, 200 - 180 / 3);
  EXPECT_EQ(turned[255], plain[0]) << "back at the start colour";
}

}  // namespace
}  // namespace tintara
