#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "DibReader.h"
#include "IconLayout.h"
#include "PictureFiles.h"
#include "Pictures.h"

namespace tintara::picturegen {
namespace {

using readback::IcoFile;
using readback::ReadBmp;
using readback::ReadIco;

const std::set<int> kSizes{16, 24, 32, 48, 64, 72, 80, 96, 128, 256};

// Drawn once for all the tests here: drawing every picture takes about a second.
const std::map<std::string, std::vector<std::uint8_t>>& Files() {
  static const auto files = [] {
    std::map<std::string, std::vector<std::uint8_t>> byName;
    for (auto& file : BuildPictureFiles()) byName[file.name] = std::move(file.bytes);
    return byName;
  }();
  return files;
}

// Every directory entry agrees with its image's header, the large 32-bit images and
// they alone are PNG files, and the images follow the directory back to back up to the
// end of the file.
void ExpectConsistent(const IcoFile& file, std::size_t fileSize) {
  EXPECT_EQ(file.reserved, 0);
  EXPECT_EQ(file.type, 1);
  std::uint32_t expectedOffset = 6 + 16 * static_cast<std::uint32_t>(file.images.size());
  for (const auto& image : file.images) {
    const auto& e = image.entry;
    const int size = e.width == 0 ? 256 : e.width;
    SCOPED_TRACE(::testing::Message() << size << " px, " << e.bitCount << " bits");
    EXPECT_EQ(e.height, e.width);
    EXPECT_EQ(e.reserved, 0);
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.colorCount, e.bitCount < 8 ? 1 << e.bitCount : 0);
    EXPECT_EQ(e.imageOffset, expectedOffset);
    expectedOffset += e.bytesInRes;
    EXPECT_EQ(image.header.width, size);
    EXPECT_EQ(image.png, e.bitCount == 32 && size >= kSmallestPngIcon);
    if (image.png) {
      EXPECT_EQ(e.bitCount, 32);
      EXPECT_EQ(image.header.height, size);
      continue;
    }
    EXPECT_EQ(image.header.size, 40u);
    EXPECT_EQ(image.header.height, 2 * size);
    EXPECT_EQ(image.header.planes, 1);
    EXPECT_EQ(image.header.bitCount, e.bitCount);
    EXPECT_EQ(image.header.compression, 0u);
    const std::uint32_t colorStride = (size * e.bitCount + 31) / 32 * 4;
    const std::uint32_t maskStride = (size + 31) / 32 * 4;
    const std::uint32_t pixelBytes = (colorStride + maskStride) * static_cast<std::uint32_t>(size);
    EXPECT_EQ(image.header.sizeImage, pixelBytes);
    const std::uint32_t tableBytes = e.bitCount <= 8 ? 4u << e.bitCount : 0u;
    EXPECT_EQ(e.bytesInRes, 40 + tableBytes + pixelBytes);
  }
  EXPECT_EQ(expectedOffset, fileSize);
}

std::multiset<std::pair<int, int>> Formats(const IcoFile& file) {
  std::multiset<std::pair<int, int>> formats;
  for (const auto& image : file.images) {
    formats.insert({image.header.width, image.header.bitCount});
  }
  return formats;
}

TEST(PictureFilesTest, NamesTheFiveCommittedPictures) {
  const auto& files = Files();
  std::set<std::string> names;
  for (const auto& [name, bytes] : files) names.insert(name);
  EXPECT_EQ(names, (std::set<std::string>{"tittlebar.bmp", "tile.bmp", "logo.ico", "details.ico",
                                          "warning.ico"}));
}

TEST(PictureFilesTest, LogoAndWarningIconsHoldTwentyThreeImagesInEveryDepth) {
  const auto& files = Files();
  for (const char* name : {"logo.ico", "warning.ico"}) {
    SCOPED_TRACE(name);
    const auto& bytes = files.at(name);
    const IcoFile file = ReadIco(bytes);
    ASSERT_EQ(file.images.size(), 23u);
    ExpectConsistent(file, bytes.size());
    const auto formats = Formats(file);
    const std::set<std::pair<int, int>> distinct(formats.begin(), formats.end());
    EXPECT_EQ(formats.size(), distinct.size()) << "no image twice";
    std::set<int> sizes;
    std::set<int> depths;
    for (const auto& [size, bits] : formats) {
      EXPECT_TRUE(kSizes.count(size)) << size;
      sizes.insert(size);
      depths.insert(bits);
    }
    EXPECT_EQ(sizes, kSizes);
    EXPECT_EQ(depths, (std::set<int>{1, 4, 8, 32}));
    for (int size : kSizes) EXPECT_EQ(formats.count({size, 32}), 1u) << "32 bits at " << size;
  }
}

TEST(PictureFilesTest, TrueColourImagesAreTheDrawingsThemselves) {
  const auto& files = Files();
  const std::pair<const char*, Image (*)(int)> icons[] = {
      {"logo.ico", DrawLogo}, {"details.ico", DrawDetailsIcon}, {"warning.ico", DrawWarningIcon}};
  for (const auto& [name, draw] : icons) {
    for (const auto& image : ReadIco(files.at(name)).images) {
      if (image.header.bitCount != 32) continue;
      const Image drawn = draw(image.header.width);
      for (int y = 0; y < drawn.Height(); ++y) {
        for (int x = 0; x < drawn.Width(); ++x) {
          ASSERT_EQ(image.pixels.At(x, y), drawn.At(x, y)) << name << " at " << x << "," << y;
          if (image.png) continue;  // a PNG file has its alpha alone
          ASSERT_EQ(image.mask[static_cast<std::size_t>(y * drawn.Width() + x)],
                    drawn.At(x, y).a < 128);
        }
      }
    }
  }
}

TEST(PictureFilesTest, PalettedLogoImagesKeepTheQuadrantColours) {
  const IcoFile file = ReadIco(Files().at("logo.ico"));
  for (const auto& image : file.images) {
    if (image.header.bitCount != 8 && image.header.bitCount != 4) continue;
    const int size = image.header.width;
    const Image drawn = DrawLogo(size);
    const int tolerance = image.header.bitCount == 8 ? 2 : 40;
    for (const auto& [x, y] :
         {std::pair{size / 4, size / 4}, std::pair{size * 3 / 4, size / 4},
          std::pair{size / 4, size * 3 / 4}, std::pair{size * 3 / 4, size * 3 / 4}}) {
      const Rgba& want = drawn.At(x, y);
      const Rgba& got = image.pixels.At(x, y);
      EXPECT_LE(std::abs(want.r - got.r), tolerance) << size << "/" << image.header.bitCount;
      EXPECT_LE(std::abs(want.g - got.g), tolerance) << size << "/" << image.header.bitCount;
      EXPECT_LE(std::abs(want.b - got.b), tolerance) << size << "/" << image.header.bitCount;
    }
  }
}

TEST(PictureFilesTest, DetailsIconHoldsEverySizeInThirtyTwoBits) {
  const auto& bytes = Files().at("details.ico");
  const IcoFile file = ReadIco(bytes);
  ExpectConsistent(file, bytes.size());
  std::set<int> sizes;
  for (const auto& image : file.images) {
    EXPECT_EQ(image.header.bitCount, 32);
    sizes.insert(image.header.width);
  }
  EXPECT_EQ(file.images.size(), kSizes.size());
  EXPECT_EQ(sizes, kSizes);
}

TEST(PictureFilesTest, BitmapsDecodeToTheDrawings) {
  const auto& files = Files();
  const auto titleBar = ReadBmp(files.at("tittlebar.bmp"));
  EXPECT_EQ(titleBar.header.bitCount, 8);
  const Image drawnTitleBar = DrawTitleBar();
  const auto tile = ReadBmp(files.at("tile.bmp"));
  EXPECT_EQ(tile.header.bitCount, 32);
  EXPECT_EQ(tile.header.masks[3], 0xFF000000u);
  const Image drawnTile = DrawTile();
  for (const auto& [file, drawn] :
       {std::pair{&titleBar, &drawnTitleBar}, std::pair{&tile, &drawnTile}}) {
    ASSERT_EQ(file->image.Width(), drawn->Width());
    ASSERT_EQ(file->image.Height(), drawn->Height());
    for (int y = 0; y < drawn->Height(); ++y) {
      for (int x = 0; x < drawn->Width(); ++x) ASSERT_EQ(file->image.At(x, y), drawn->At(x, y));
    }
  }
}

}  // namespace
}  // namespace tintara::picturegen
