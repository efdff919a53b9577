#include "engine/IconFile.h"

#include <algorithm>
#include <limits>

namespace tintara {
namespace {

constexpr std::uint32_t kHeaderSize = 40;
constexpr std::uint32_t kDirectorySize = 6 + 16;

std::uint64_t RowStride(std::int32_t width, std::uint32_t bits) {
  return (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
}

bool KnownDepth(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

class LittleEndian {
 public:
  explicit LittleEndian(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bytes(const std::vector<std::uint8_t>& bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> BuildIconFile(const IconImage& image) {
  const std::int32_t w = image.width;
  const std::int32_t h = image.height;
  const std::uint16_t d = image.bitsPerPixel;
  // The bitmap height is 2 h in a signed 32-bit field.
  if (w <= 0 || h <= 0 || h > std::numeric_limits<std::int32_t>::max() / 2) return std::nullopt;
  if (!KnownDepth(d)) return std::nullopt;

  const DibSectionHeader* section = image.sectionHeader ? &*image.sectionHeader : nullptr;
  const std::uint32_t compression = section != nullptr ? section->compression : IconImage::kRgb;
  const bool bitFields = compression == IconImage::kBitFields;
  if (compression != IconImage::kRgb && !(bitFields && (d == 16 || d == 32))) return std::nullopt;

  const std::uint64_t colorBytes = RowStride(w, d) * static_cast<std::uint64_t>(h);
  const std::uint64_t maskBytes = RowStride(w, 1) * static_cast<std::uint64_t>(h);
  if (image.colorRows.size() != colorBytes || image.maskRows.size() != maskBytes) {
    return std::nullopt;
  }
  if (colorBytes > std::numeric_limits<std::uint32_t>::max() / 2) return std::nullopt;

  std::uint32_t sizeImage = static_cast<std::uint32_t>(colorBytes);
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
  if (section != nullptr) {
    // A size other than the rows' own would misplace the mask in the file.
    if (section->sizeImage != 0 && section->sizeImage != colorBytes) return std::nullopt;
    xPelsPerMeter = section->xPelsPerMeter;
    yPelsPerMeter = section->yPelsPerMeter;
    if (d <= 8) {
      clrUsed = section->clrUsed;
      clrImportant = std::min(section->clrImportant, clrUsed);
    }
  }
  std::uint32_t entries = 0;
  if (d <= 8) {
    const std::uint32_t full = std::uint32_t{1} << d;
    if (clrUsed > full) return std::nullopt;
    entries = clrUsed != 0 ? clrUsed : full;
    if (image.colorTable.size() < entries) return std::nullopt;
  }
  const std::uint32_t headerBytes = kHeaderSize + 4 * entries + (bitFields ? 12 : 0);
  const std::uint64_t imageBytes = headerBytes + colorBytes + maskBytes;
  if (imageBytes > std::numeric_limits<std::uint32_t>::max() - kDirectorySize) {
    return std::nullopt;
  }

  std::vector<std::uint8_t> file;
  file.reserve(static_cast<std::size_t>(kDirectorySize + imageBytes));
  LittleEndian out(file);
  // File header: reserved, type 1 (icon), one image.
  out.U16(0);
  out.U16(1);
  out.U16(1);
  // Directory entry.
  out.U8(static_cast<std::uint8_t>(w & 0xFF));
  out.U8(static_cast<std::uint8_t>(h & 0xFF));
  out.U16(static_cast<std::uint16_t>(1 * d));  // planes times bits, over count and reserved
  out.U16(0);                                  // planes
  out.U16(0);                                  // bit count
  out.U32(static_cast<std::uint32_t>(imageBytes));
  out.U32(kDirectorySize);
  // Bitmap header.
  out.U32(kHeaderSize);
  out.I32(w);
  out.I32(2 * h);
  out.U16(1);
  out.U16(d);
  out.U32(compression);
  out.U32(sizeImage);
  out.I32(xPelsPerMeter);
  out.I32(yPelsPerMeter);
  out.U32(clrUsed);
  out.U32(clrImportant);
  for (std::uint32_t i = 0; i < entries; ++i) out.U32(image.colorTable[i] & 0x00FFFFFFu);
  if (bitFields) {
    for (const std::uint32_t mask : image.bitFieldMasks) out.U32(mask);
  }
  out.Bytes(image.colorRows);
  out.Bytes(image.maskRows);
  return file;
}

}  // namespace tintara
