#include "IcoWriter.h"

#include <stdexcept>

#include "ByteWriter.h"
#include "DibLayout.h"
#include "Palette.h"
#include "PngWriter.h"

namespace tintara::picturegen {
namespace {

constexpr std::uint32_t kIconDirSize = 6;
constexpr std::uint32_t kIconDirEntrySize = 16;
constexpr std::uint16_t kIconType = 1;

// Packs the AND mask: one bit per pixel, set where the screen shows through.
void AndMask(ByteWriter& out, int width, int height, const std::vector<bool>& transparent) {
  const std::uint32_t stride = DibStride(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < width; ++x) {
      if (transparent[static_cast<std::size_t>(y * width + x)]) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.Append(row);
  }
}

void IndexedRows(ByteWriter& out, const IndexedImage& indexed, int bits) {
  const std::uint32_t stride = DibStride(indexed.width, bits);
  const int perByte = 8 / bits;
  for (int y = indexed.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < indexed.width; ++x) {
      const std::uint8_t index = indexed.indices[static_cast<std::size_t>(y * indexed.width + x)];
      const int shift = (perByte - 1 - x % perByte) * bits;
      row[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>(index << shift);
    }
    out.Append(row);
  }
}

std::vector<std::uint8_t> EncodeDib(const IconImage& icon) {
  const Image& image = icon.image;
  const int bits = icon.bits;
  const std::uint32_t colorBytes =
      DibStride(image.Width(), bits) * static_cast<std::uint32_t>(image.Height());
  const std::uint32_t maskBytes =
      DibStride(image.Width(), 1) * static_cast<std::uint32_t>(image.Height());
  ByteWriter out;
  out.U32(kBitmapInfoHeaderSize);
  out.I32(image.Width());
  out.I32(image.Height() * 2);  // colour rows and mask rows together
  out.U16(1);
  out.U16(static_cast<std::uint32_t>(bits));
  out.U32(0);  // BI_RGB
  out.U32(colorBytes + maskBytes);
  out.I32(0);
  out.I32(0);
  out.U32(0);  // all 2^bits table entries present
  out.U32(0);
  if (bits == 32) {
    std::vector<bool> transparent;
    for (int y = image.Height() - 1; y >= 0; --y) {
      for (int x = 0; x < image.Width(); ++x) {
        const Rgba& p = image.At(x, y);
        out.U8(p.b);
        out.U8(p.g);
        out.U8(p.r);
        out.U8(p.a);
      }
    }
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        transparent.push_back(IsTransparentForMask(image.At(x, y)));
      }
    }
    AndMask(out, image.Width(), image.Height(), transparent);
  } else {
    const IndexedImage indexed = ReduceColors(image, bits);
    for (const Rgba& entry : indexed.table) {
      out.U8(entry.b);
      out.U8(entry.g);
      out.U8(entry.r);
      out.U8(0);
    }
    IndexedRows(out, indexed, bits);
    AndMask(out, image.Width(), image.Height(), indexed.transparent);
  }
  return out.Take();
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images) {
  std::vector<std::vector<std::uint8_t>> encoded;
  for (const IconImage& icon : images) {
    const int w = icon.image.Width();
    const int h = icon.image.Height();
    if (w < 1 || h < 1 || w > 256 || h > 256) throw std::invalid_argument("EncodeIco: size");
    if (icon.bits != 1 && icon.bits != 4 && icon.bits != 8 && icon.bits != 32) {
      throw std::invalid_argument("EncodeIco: bits");
    }
    if (icon.png && icon.bits != 32) throw std::invalid_argument("EncodeIco: PNG needs 32 bits");
    encoded.push_back(icon.png ? EncodePng(icon.image) : EncodeDib(icon));
  }
  ByteWriter out;
  out.U16(0);
  out.U16(kIconType);
  out.U16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset =
      kIconDirSize + kIconDirEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const IconImage& icon = images[i];
    // 256 does not fit the byte and is written as 0.
    out.U8(static_cast<std::uint32_t>(icon.image.Width()) & 0xFF);
    out.U8(static_cast<std::uint32_t>(icon.image.Height()) & 0xFF);
    out.U8(icon.bits < 8 ? 1u << icon.bits : 0u);
    out.U8(0);
    out.U16(1);
    out.U16(static_cast<std::uint32_t>(icon.bits));
    out.U32(static_cast<std::uint32_t>(encoded[i].size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const auto& bytes : encoded) out.Append(bytes);
  return out.Take();
}

}  // namespace tintara::picturegen
