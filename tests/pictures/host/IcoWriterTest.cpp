#include <gtest/gtest.h>

#include <stdexcept>

#include "DibReader.h"
#include "IcoWriter.h"

namespace tintara::picturegen {
namespace {

using readback::ReadIco;

Image Filled(int size, Rgba color) {
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) image.At(x, y) = color;
  }
  return image;
}

TEST(IcoWriterTest, DirectoryEntriesMatchTheImagesAndFollowOneAnother) {
  Image truecolor = Filled(2, {200, 100, 50, 255});
  truecolor.At(1, 0) = {0, 0, 0, 0};
  truecolor.At(0, 1) = {1, 2, 3, 100};
  Image paletted = Filled(3, {255, 0, 0, 255});
  paletted.At(1, 1) = {0, 255, 0, 255};
  paletted.At(2, 2) = {0, 0, 0, 0};
  const auto bytes = EncodeIco({{truecolor, 32}, {paletted, 4}});
  const auto file = ReadIco(bytes);

  EXPECT_EQ(file.reserved, 0);
  EXPECT_EQ(file.type, 1);
  ASSERT_EQ(file.images.size(), 2u);
  const auto& first = file.images[0];
  const auto& second = file.images[1];
  EXPECT_EQ(first.entry.width, 2);
  EXPECT_EQ(first.entry.height, 2);
  EXPECT_EQ(first.entry.colorCount, 0);
  EXPECT_EQ(first.entry.reserved, 0);
  EXPECT_EQ(first.entry.planes, 1);
  EXPECT_EQ(first.entry.bitCount, 32);
  EXPECT_EQ(first.entry.imageOffset, 6u + 2u * 16u);
  // Header, 2 rows of 8 colour bytes, 2 mask rows of one 32-bit word.
  EXPECT_EQ(first.entry.bytesInRes, 40u + 16u + 8u);
  EXPECT_EQ(second.entry.colorCount, 16);
  EXPECT_EQ(second.entry.bitCount, 4);
  EXPECT_EQ(second.entry.imageOffset, first.entry.imageOffset + first.entry.bytesInRes);
  // Header, 16 table entries, 3 colour rows of one word, 3 mask rows of one word.
  EXPECT_EQ(second.entry.bytesInRes, 40u + 64u + 12u + 12u);
  EXPECT_EQ(second.entry.imageOffset + second.entry.bytesInRes, bytes.size());

  EXPECT_EQ(first.header.size, 40u);
  EXPECT_EQ(first.header.width, 2);
  EXPECT_EQ(first.header.height, 4);  // colour and mask
  EXPECT_EQ(first.header.planes, 1);
  EXPECT_EQ(first.header.bitCount, 32);
  EXPECT_EQ(first.header.compression, 0u);
  EXPECT_EQ(first.header.sizeImage, 16u + 8u);
  EXPECT_EQ(second.header.height, 6);
  EXPECT_EQ(second.header.sizeImage, 12u + 12u);
  EXPECT_EQ(second.table.size(), 16u);
}

TEST(IcoWriterTest, TrueColorImagesKeepAlphaAndMaskTheLowAlphaPixels) {
  Image image = Filled(2, {200, 100, 50, 255});
  image.At(1, 0) = {0, 0, 0, 0};
  image.At(0, 1) = {1, 2, 3, 100};
  const auto decoded = ReadIco(EncodeIco({{image, 32}})).images.at(0);
  EXPECT_EQ(decoded.pixels.At(0, 0), (Rgba{200, 100, 50, 255}));
  EXPECT_EQ(decoded.pixels.At(0, 1), (Rgba{1, 2, 3, 100}));
  EXPECT_EQ(decoded.pixels.At(1, 0), (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(decoded.mask, (std::vector<bool>{false, true, true, false}));
}

TEST(IcoWriterTest, PalettedImagesReproduceFewColoursExactly) {
  Image image = Filled(3, {255, 0, 0, 255});
  image.At(1, 1) = {0, 255, 0, 255};
  image.At(0, 2) = {30, 60, 90, 255};
  image.At(2, 2) = {0, 0, 0, 0};
  for (int bits : {4, 8}) {
    const auto decoded = ReadIco(EncodeIco({{image, bits}})).images.at(0);
    ASSERT_EQ(decoded.table.size(), std::size_t{1} << bits);
    EXPECT_EQ(decoded.table[0], (Rgba{0, 0, 0, 0})) << "transparent pixels add nothing";
    for (const Rgba& entry : decoded.table) EXPECT_EQ(entry.a, 0) << "reserved byte";
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        const Rgba& want = image.At(x, y);
        const Rgba& got = decoded.pixels.At(x, y);
        const bool masked = decoded.mask[static_cast<std::size_t>(y * 3 + x)];
        EXPECT_EQ(masked, want.a == 0) << x << "," << y;
        if (want.a == 0) {
          EXPECT_EQ(got, (Rgba{0, 0, 0, 255}));
        } else {
          EXPECT_EQ(got, want) << bits << " bits at " << x << "," << y;
        }
      }
    }
  }
}

TEST(IcoWriterTest, OneBitImagesAreBlackAndWhite) {
  Image image = Filled(32, {250, 250, 240, 255});
  for (int i = 0; i < 32; ++i) image.At(i, 0) = {90, 90, 90, 255};
  image.At(5, 5) = {0, 0, 0, 0};
  const auto decoded = ReadIco(EncodeIco({{image, 1}})).images.at(0);
  EXPECT_EQ(decoded.entry.colorCount, 2);
  EXPECT_EQ(decoded.entry.bytesInRes, 40u + 8u + 4u * 32u + 4u * 32u);
  ASSERT_EQ(decoded.table.size(), 2u);
  EXPECT_EQ(decoded.pixels.At(3, 0), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(decoded.pixels.At(3, 3), (Rgba{255, 255, 255, 255}));
  EXPECT_TRUE(decoded.mask[5 * 32 + 5]);
  EXPECT_EQ(decoded.pixels.At(5, 5), (Rgba{0, 0, 0, 255}));
}

TEST(IcoWriterTest, TwoHundredFiftySixIsWrittenAsZero) {
  const auto file = ReadIco(EncodeIco({{Filled(256, {1, 2, 3, 255}), 32}}));
  EXPECT_EQ(file.images.at(0).entry.width, 0);
  EXPECT_EQ(file.images.at(0).entry.height, 0);
  EXPECT_EQ(file.images.at(0).header.width, 256);
  EXPECT_EQ(file.images.at(0).header.height, 512);
}

TEST(IcoWriterTest, PngImagesAreWholePngFilesThatKeepEveryPixel) {
  // Gradients, edges and alpha make the rows choose different filters.
  Image image(256, 256);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      image.At(x, y) = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y * 7),
                        static_cast<std::uint8_t>((x * y) >> 4),
                        static_cast<std::uint8_t>(x < 40   ? 0
                                                  : x < 60 ? 128
                                                           : 255)};
    }
  }
  const Image small = Filled(16, {9, 8, 7, 255});
  const auto bytes = EncodeIco({{small, 32}, {image, 32, true}});
  const auto file = ReadIco(bytes);
  ASSERT_EQ(file.images.size(), 2u);
  const auto& png = file.images[1];
  EXPECT_FALSE(file.images[0].png);
  ASSERT_TRUE(png.png);
  EXPECT_EQ(png.entry.width, 0);
  EXPECT_EQ(png.entry.height, 0);
  EXPECT_EQ(png.entry.colorCount, 0);
  EXPECT_EQ(png.entry.planes, 1);
  EXPECT_EQ(png.entry.bitCount, 32);
  EXPECT_EQ(png.entry.imageOffset,
            file.images[0].entry.imageOffset + file.images[0].entry.bytesInRes);
  EXPECT_EQ(png.entry.imageOffset + png.entry.bytesInRes, bytes.size());
  EXPECT_LT(png.entry.bytesInRes, 256u * 256u * 4u / 4u) << "compressed";
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) ASSERT_EQ(png.pixels.At(x, y), image.At(x, y)) << x << "," << y;
  }
  EXPECT_EQ(file.images[0].pixels.At(3, 3), (Rgba{9, 8, 7, 255}));
}

TEST(IcoWriterTest, RefusesWhatTheFormatCannotHold) {
  EXPECT_THROW(EncodeIco({{Filled(257, {}), 32}}), std::invalid_argument);
  EXPECT_THROW(EncodeIco({{Filled(16, {}), 24}}), std::invalid_argument);
  EXPECT_THROW(EncodeIco({{Filled(16, {}), 8, true}}), std::invalid_argument);
}

}  // namespace
}  // namespace tintara::picturegen
