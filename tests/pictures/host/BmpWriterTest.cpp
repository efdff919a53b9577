#include <gtest/gtest.h>

#include "BmpWriter.h"
#include "DibReader.h"

namespace tintara::picturegen {
namespace {

using readback::ReadBmp;

Image ThreeByTwo() {
  Image image(3, 2);
  image.At(0, 0) = {10, 20, 30, 255};
  image.At(2, 0) = {40, 50, 60, 128};
  image.At(1, 1) = {70, 80, 90, 0};
  return image;
}

TEST(BmpWriterTest, TwentyFourBitsPadsRowsToWholeWords) {
  const auto bytes = EncodeBmp24(ThreeByTwo());
  // 3 pixels of 3 bytes make 9 bytes, padded to 12 per row.
  ASSERT_EQ(bytes.size(), 14u + 40u + 12u * 2u);
  const auto file = ReadBmp(bytes);
  EXPECT_EQ(file.signature, 0x4D42);
  EXPECT_EQ(file.fileSize, bytes.size());
  EXPECT_EQ(file.pixelOffset, 54u);
  EXPECT_EQ(file.header.size, 40u);
  EXPECT_EQ(file.header.width, 3);
  EXPECT_EQ(file.header.height, 2);  // positive: bottom-up rows
  EXPECT_EQ(file.header.bitCount, 24);
  EXPECT_EQ(file.header.compression, 0u);
  EXPECT_EQ(file.header.sizeImage, 24u);
  // The top row is stored last.
  EXPECT_EQ(bytes[54 + 12], 30);
  EXPECT_EQ(bytes[54 + 12 + 2], 10);
  EXPECT_EQ(bytes[54 + 9], 0);  // padding
  EXPECT_EQ(file.image.At(0, 0), (Rgba{10, 20, 30, 255}));
  EXPECT_EQ(file.image.At(2, 0), (Rgba{40, 50, 60, 255}));
  EXPECT_EQ(file.image.At(1, 1), (Rgba{70, 80, 90, 255}));
}

TEST(BmpWriterTest, ThirtyTwoBitsKeepStraightAlphaWithExplicitMasks) {
  const auto bytes = EncodeBmp32(ThreeByTwo());
  ASSERT_EQ(bytes.size(), 14u + 124u + 12u * 2u);
  const auto file = ReadBmp(bytes);
  EXPECT_EQ(file.fileSize, bytes.size());
  EXPECT_EQ(file.pixelOffset, 138u);
  EXPECT_EQ(file.header.size, 124u);
  EXPECT_EQ(file.header.bitCount, 32);
  EXPECT_EQ(file.header.compression, 3u);  // BI_BITFIELDS
  EXPECT_EQ(file.header.masks[0], 0x00FF0000u);
  EXPECT_EQ(file.header.masks[1], 0x0000FF00u);
  EXPECT_EQ(file.header.masks[2], 0x000000FFu);
  EXPECT_EQ(file.header.masks[3], 0xFF000000u);
  EXPECT_EQ(file.header.colorSpace, 0x73524742u);  // sRGB
  EXPECT_EQ(file.image.At(0, 0), (Rgba{10, 20, 30, 255}));
  EXPECT_EQ(file.image.At(2, 0), (Rgba{40, 50, 60, 128}));
  EXPECT_EQ(file.image.At(1, 1), (Rgba{70, 80, 90, 0}));
  EXPECT_EQ(file.image.At(0, 1), (Rgba{0, 0, 0, 0}));
}

TEST(BmpWriterTest, EightBitsKeepEveryColourExactlyOrRefuse) {
  const auto file = ReadBmp(EncodeBmp8(ThreeByTwo()));
  EXPECT_EQ(file.header.bitCount, 8);
  EXPECT_EQ(file.header.clrUsed, 4u);  // the three colours and the untouched black
  EXPECT_EQ(file.image.At(2, 0), (Rgba{40, 50, 60, 255}));
  EXPECT_EQ(file.image.At(1, 1), (Rgba{70, 80, 90, 255}));
  Image many(257, 1);
  for (int x = 0; x < 257; ++x) many.At(x, 0) = {static_cast<std::uint8_t>(x), 0, 1, 255};
  many.At(256, 0) = {0, 1, 0, 255};
  EXPECT_THROW(EncodeBmp8(many), std::invalid_argument);
}

}  // namespace
}  // namespace tintara::picturegen
