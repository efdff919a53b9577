// The icon file the export writes, byte for byte: the directory entry, the bitmap
// header (plain, or a section's own taken over), colour table or masks, colour rows and
// mask rows, and images it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/IconFile.h"

namespace tintara {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t U16At(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

Bytes Pattern(std::size_t size, std::uint8_t seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
  return bytes;
}

// An image as read from an icon without a header of its own; its rows are patterns.
IconImage Plain(std::int32_t width, std::int32_t height, std::uint16_t bits) {
  IconImage image;
  image.width = width;
  image.height = height;
  image.bitsPerPixel = bits;
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  image.colorRows = Pattern(stride * height, 1);
  image.maskRows = Pattern((static_cast<std::size_t>(width) + 31) / 32 * 4 * height, 100);
  if (bits <= 8) {
    for (std::uint32_t i = 0; i < (1u << bits); ++i) image.colorTable.push_back(i * 0x010203);
  }
  return image;
}

Bytes Build(const IconImage& image) {
  const auto file = BuildIconFile(image);
  EXPECT_TRUE(file.has_value());
  return file.value_or(Bytes{});
}

TEST(IconFile, A16By16By32IconIs1150BytesLaidOutAsDocumented) {
  const IconImage image = Plain(16, 16, 32);
  const Bytes file = Build(image);
  ASSERT_EQ(file.size(), 1150u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 22),
            (Bytes{0x00, 0x00, 0x01, 0x00, 0x01, 0x00,  // reserved, icon, one image
                   0x10, 0x10, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00,
                   0x68, 0x04, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00}));
  // The header: 40, 16 wide, 32 high (colour and mask), 1 plane, 32 bits, BI_RGB, the
  // 1024 bytes of colour rows, the rest 0.
  EXPECT_EQ(U32At(file, 22), 40u);
  EXPECT_EQ(U32At(file, 26), 16u);
  EXPECT_EQ(U32At(file, 30), 32u);
  EXPECT_EQ(U16At(file, 34), 1u);
  EXPECT_EQ(U16At(file, 36), 32u);
  EXPECT_EQ(U32At(file, 38), 0u);
  EXPECT_EQ(U32At(file, 42), 1024u);
  EXPECT_EQ(Bytes(file.begin() + 46, file.begin() + 62), Bytes(16, 0));
  EXPECT_EQ(Bytes(file.begin() + 62, file.begin() + 1086), image.colorRows);
  EXPECT_EQ(Bytes(file.begin() + 1086, file.end()), image.maskRows);

  const Bytes larger = Build(Plain(32, 32, 32));
  ASSERT_EQ(larger.size(), 4286u);
  EXPECT_EQ(U32At(larger, 14), 4264u);
  EXPECT_EQ(U32At(larger, 42), 4096u);
}

TEST(IconFile, AFourBitIconCarriesSixteenColoursAndOddWidthsArePadded) {
  const IconImage image = Plain(32, 32, 4);
  const Bytes file = Build(image);
  ASSERT_EQ(file.size(), 766u);
  EXPECT_EQ(U16At(file, 8), 4u);
  EXPECT_EQ(U32At(file, 14), 104u + 512u + 128u);
  EXPECT_EQ(U32At(file, 42), 512u);
  EXPECT_EQ(U32At(file, 54), 0u);  // colours used: all 16
  for (std::uint32_t i = 0; i < 16; ++i) EXPECT_EQ(U32At(file, 62 + 4 * i), i * 0x010203);
  EXPECT_EQ(Bytes(file.begin() + 126, file.begin() + 638), image.colorRows);
  EXPECT_EQ(Bytes(file.begin() + 638, file.end()), image.maskRows);

  // 5 x 3 at 24 bits: colour rows of 16 bytes (15 and one of padding), mask rows of 4.
  const Bytes odd = Build(Plain(5, 3, 24));
  EXPECT_EQ(odd.size(), 22u + 40 + 48 + 12);
  EXPECT_EQ(U32At(odd, 42), 48u);
}

TEST(IconFile, TheDirectoryHoldsTheLowEightBitsOfTheSize) {
  const Bytes medium = Build(Plain(48, 48, 32));
  EXPECT_EQ(medium[6], 0x30);
  EXPECT_EQ(medium[7], 0x30);
  const Bytes large = Build(Plain(256, 256, 32));
  EXPECT_EQ(large[6], 0x00);
  EXPECT_EQ(large[7], 0x00);
  EXPECT_EQ(U32At(large, 26), 256u);
  EXPECT_EQ(U32At(large, 30), 512u);
  EXPECT_EQ(large.size(), 22u + 40 + 256 * 256 * 4 + 32 * 256);
}

TEST(IconFile, ASectionsOwnHeaderIsTakenOverWithItsAdjustments) {
  IconImage image = Plain(16, 16, 8);
  image.colorTable.resize(20);
  DibSectionHeader own;
  own.width = 16;
  own.height = -16;  // stored from the top
  own.planes = 3;
  own.bitCount = 24;
  own.sizeImage = 0;
  own.xPelsPerMeter = 3780;
  own.yPelsPerMeter = 2835;
  own.clrUsed = 20;
  own.clrImportant = 100;
  image.sectionHeader = own;
  const Bytes file = Build(image);
  const std::size_t headerBytes = 40 + 20 * 4;
  ASSERT_EQ(file.size(), 22 + headerBytes + 256 + 64);
  EXPECT_EQ(U16At(file, 8), 8u);
  EXPECT_EQ(U32At(file, 30), 32u);  // doubled, bottom-up like the rows
  EXPECT_EQ(U16At(file, 34), 1u);
  EXPECT_EQ(U16At(file, 36), 8u);
  EXPECT_EQ(U32At(file, 42), 256u);
  EXPECT_EQ(U32At(file, 46), 3780u);
  EXPECT_EQ(U32At(file, 50), 2835u);
  EXPECT_EQ(U32At(file, 54), 20u);
  EXPECT_EQ(U32At(file, 58), 20u);  // lowered to the colours used
  EXPECT_EQ(U32At(file, 62 + 19 * 4), 19u * 0x010203);
  EXPECT_EQ(Bytes(file.begin() + 22 + headerBytes, file.end() - 64), image.colorRows);

  // Bit fields at 16 bits: the three masks follow the header.
  IconImage fields = Plain(16, 16, 16);
  fields.sectionHeader = DibSectionHeader{16, 16, 1, 16, IconImage::kBitFields, 512, 0, 0, 0, 0};
  fields.bitFieldMasks = {0xF800, 0x07E0, 0x001F};
  const Bytes packed = Build(fields);
  ASSERT_EQ(packed.size(), 22u + 52 + 512 + 64);
  EXPECT_EQ(U32At(packed, 38), 3u);
  EXPECT_EQ(U32At(packed, 62), 0xF800u);
  EXPECT_EQ(U32At(packed, 66), 0x07E0u);
  EXPECT_EQ(U32At(packed, 70), 0x001Fu);
  EXPECT_EQ(Bytes(packed.begin() + 74, packed.end() - 64), fields.colorRows);
}

TEST(IconFile, ImagesThatCannotBeWrittenAreRefused) {
  std::vector<IconImage> refused(7, Plain(16, 16, 32));
  refused[0].width = 0;
  refused[1].bitsPerPixel = 12;
  refused[2].colorRows.pop_back();
  refused[3].maskRows.push_back(0);
  refused[4] = Plain(16, 16, 4);
  refused[4].colorTable.resize(15);
  refused[5].sectionHeader = DibSectionHeader{16, 16, 1, 32, 2, 0, 0, 0, 0, 0};  // RLE4
  refused[6].sectionHeader = DibSectionHeader{16, 16, 1, 32, 0, 999, 0, 0, 0, 0};
  for (std::size_t i = 0; i < refused.size(); ++i) {
    EXPECT_FALSE(BuildIconFile(refused[i]).has_value()) << i;
  }
}

}  // namespace
}  // namespace tintara
