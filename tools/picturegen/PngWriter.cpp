#include "PngWriter.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace tintara::picturegen {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kChannels = 4;

void BigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Length, type, data and the CRC of type and data.
void Chunk(std::vector<std::uint8_t>& out, std::string_view type,
           const std::vector<std::uint8_t>& data) {
  BigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
  BigEndian32(out, static_cast<std::uint32_t>(crc));
}

int Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return left;
  return toUp <= toUpLeft ? up : upLeft;
}

// Row bytes after filter `type` (0 none, 1 left, 2 up, 3 average, 4 Paeth), given the
// row above (zeros above the first).
std::vector<std::uint8_t> Filtered(const std::vector<std::uint8_t>& row,
                                   const std::vector<std::uint8_t>& above, int type) {
  std::vector<std::uint8_t> out(row.size());
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int left = i >= kChannels ? row[i - kChannels] : 0;
    const int up = above[i];
    const int upLeft = i >= kChannels ? above[i - kChannels] : 0;
    int predicted = 0;
    switch (type) {
      case 1:
        predicted = left;
        break;
      case 2:
        predicted = up;
        break;
      case 3:
        predicted = (left + up) / 2;
        break;
      case 4:
        predicted = Paeth(left, up, upLeft);
        break;
      default:
        break;
    }
    out[i] = static_cast<std::uint8_t>(row[i] - predicted);
  }
  return out;
}

// The usual measure of how well a filtered row will compress: its bytes taken as
// signed differences, summed by size.
long Cost(const std::vector<std::uint8_t>& filtered) {
  long cost = 0;
  for (std::uint8_t b : filtered) cost += b < 128 ? b : 256 - b;
  return cost;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Image& image) {
  const int width = image.Width();
  const int height = image.Height();
  if (width < 1 || height < 1) throw std::invalid_argument("EncodePng: size");
  const std::size_t rowBytes = static_cast<std::size_t>(width) * kChannels;
  std::vector<std::uint8_t> scanlines;
  std::vector<std::uint8_t> above(rowBytes, 0);
  for (int y = 0; y < height; ++y) {
    std::vector<std::uint8_t> row;
    row.reserve(rowBytes);
    for (int x = 0; x < width; ++x) {
      const Rgba& p = image.At(x, y);
      row.insert(row.end(), {p.r, p.g, p.b, p.a});
    }
    int bestType = 0;
    std::vector<std::uint8_t> best = Filtered(row, above, 0);
    long bestCost = Cost(best);
    for (int type = 1; type <= 4; ++type) {
      std::vector<std::uint8_t> candidate = Filtered(row, above, type);
      const long cost = Cost(candidate);
      if (cost < bestCost) {
        bestType = type;
        best = std::move(candidate);
        bestCost = cost;
      }
    }
    scanlines.push_back(static_cast<std::uint8_t>(bestType));
    scanlines.insert(scanlines.end(), best.begin(), best.end());
    above = std::move(row);
  }

  uLongf deflatedSize = compressBound(static_cast<uLong>(scanlines.size()));
  std::vector<std::uint8_t> deflated(deflatedSize);
  if (compress2(deflated.data(), &deflatedSize, scanlines.data(),
                static_cast<uLong>(scanlines.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("EncodePng: deflate failed");
  }
  deflated.resize(deflatedSize);

  std::vector<std::uint8_t> header;
  BigEndian32(header, static_cast<std::uint32_t>(width));
  BigEndian32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, filters, no interlace

  std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", deflated);
  Chunk(out, "IEND", {});
  return out;
}

}  // namespace tintara::picturegen
