#include "BmpWriter.h"

#include <map>
#include <stdexcept>
#include <tuple>

#include "ByteWriter.h"
#include "DibLayout.h"

namespace tintara::picturegen {
namespace {

constexpr std::uint16_t kBmpSignature = 0x4D42;  // "BM"
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kLcsSrgb = 0x73524742;  // 'sRGB'
constexpr std::uint32_t kLcsGmImages = 4;

void FileHeader(ByteWriter& out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
  out.U16(kBmpSignature);
  out.U32(fileSize);
  out.U32(0);
  out.U32(pixelOffset);
}

// The fields every bitmap header starts with; a larger header goes on after them.
void InfoHeader(ByteWriter& out, std::uint32_t headerSize, const Image& image, int bitsPerPixel,
                std::uint32_t compression, std::uint32_t pixelBytes, std::uint32_t colours) {
  out.U32(headerSize);
  out.I32(image.Width());
  out.I32(image.Height());
  out.U16(1);
  out.U16(static_cast<std::uint32_t>(bitsPerPixel));
  out.U32(compression);
  out.U32(pixelBytes);
  out.I32(kPixelsPerMetre);
  out.I32(kPixelsPerMetre);
  out.U32(colours);
  out.U32(0);
}

// Bottom-up rows, blue-green-red order, alpha last when there are four bytes.
void Pixels(ByteWriter& out, const Image& image, int bitsPerPixel) {
  const std::uint32_t stride = DibStride(image.Width(), bitsPerPixel);
  const std::uint32_t used = static_cast<std::uint32_t>(image.Width() * bitsPerPixel / 8);
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& p = image.At(x, y);
      out.U8(p.b);
      out.U8(p.g);
      out.U8(p.r);
      if (bitsPerPixel == 32) out.U8(p.a);
    }
    out.Zeros(stride - used);
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Image& image) {
  const std::uint32_t pixelBytes =
      DibStride(image.Width(), 24) * static_cast<std::uint32_t>(image.Height());
  const std::uint32_t offset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize;
  ByteWriter out;
  FileHeader(out, offset + pixelBytes, offset);
  InfoHeader(out, kBitmapInfoHeaderSize, image, 24, kBiRgb, pixelBytes, 0);
  Pixels(out, image, 24);
  return out.Take();
}

std::vector<std::uint8_t> EncodeBmp8(const Image& image) {
  using Key = std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>;
  std::map<Key, std::uint8_t> indexOf;
  std::vector<Key> table;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& p = image.At(x, y);
      const Key key{p.r, p.g, p.b};
      if (indexOf.count(key) != 0) continue;
      if (table.size() == 256) throw std::invalid_argument("more than 256 colours");
      indexOf.emplace(key, static_cast<std::uint8_t>(table.size()));
      table.push_back(key);
    }
  }
  const std::uint32_t stride = DibStride(image.Width(), 8);
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.Height());
  const auto colours = static_cast<std::uint32_t>(table.size());
  const std::uint32_t offset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize + 4 * colours;
  ByteWriter out;
  FileHeader(out, offset + pixelBytes, offset);
  InfoHeader(out, kBitmapInfoHeaderSize, image, 8, kBiRgb, pixelBytes, colours);
  for (const auto& [r, g, b] : table) {
    out.U8(b);
    out.U8(g);
    out.U8(r);
    out.U8(0);
  }
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& p = image.At(x, y);
      out.U8(indexOf.at(Key{p.r, p.g, p.b}));
    }
    out.Zeros(stride - static_cast<std::uint32_t>(image.Width()));
  }
  return out.Take();
}

std::vector<std::uint8_t> EncodeBmp32(const Image& image) {
  const std::uint32_t pixelBytes =
      DibStride(image.Width(), 32) * static_cast<std::uint32_t>(image.Height());
  const std::uint32_t offset = kBitmapFileHeaderSize + kBitmapV5HeaderSize;
  ByteWriter out;
  FileHeader(out, offset + pixelBytes, offset);
  InfoHeader(out, kBitmapV5HeaderSize, image, 32, kBiBitfields, pixelBytes, 0);
  out.U32(0x00FF0000);  // red mask
  out.U32(0x0000FF00);  // green mask
  out.U32(0x000000FF);  // blue mask
  out.U32(0xFF000000);  // alpha mask
  out.U32(kLcsSrgb);
  out.Zeros(36 + 12);  // endpoints and gamma: unused for sRGB
  out.U32(kLcsGmImages);
  out.Zeros(12);  // no profile data, reserved
  Pixels(out, image, 32);
  return out.Take();
}

}  // namespace tintara::picturegen
