#include "TestIcons.h"

#include <cstring>
#include <stdexcept>

namespace tintara::test {
namespace {

class OwnedBitmap {
 public:
  explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {
    if (bitmap_ == nullptr) throw std::runtime_error("test bitmap could not be created");
  }
  ~OwnedBitmap() { DeleteObject(bitmap_); }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
};

// A top-down DIB section of the given depth whose rows the caller fills.
OwnedBitmap MakeDib(int width, int height, WORD bitCount, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// Device-dependent 1-bit rows are padded to 16 bits; the top bit is the leftmost pixel.
OwnedBitmap MakeMask(int width, int rows, const std::vector<std::uint8_t>& bitsPerPixel) {
  const int stride = ((width + 15) / 16) * 2;
  std::vector<std::uint8_t> packed(static_cast<std::size_t>(stride * rows), 0);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < width; ++x) {
      if (bitsPerPixel[static_cast<std::size_t>(y * width + x)] != 0) {
        packed[static_cast<std::size_t>(y * stride + x / 8)] |=
            static_cast<std::uint8_t>(0x80u >> (x % 8));
      }
    }
  }
  return OwnedBitmap(CreateBitmap(width, rows, 1, 1, packed.data()));
}

OwnedIcon FromBitmaps(HBITMAP mask, HBITMAP color) {
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask;
  info.hbmColor = color;
  // The system copies both bitmaps into the icon.
  HICON icon = CreateIconIndirect(&info);
  if (icon == nullptr) throw std::runtime_error("test icon could not be created");
  return OwnedIcon(icon);
}

}  // namespace

OwnedIcon MakeAlphaIcon(int width, int height, const std::vector<std::uint32_t>& argb,
                        const std::vector<std::uint8_t>& andMask) {
  const auto count = static_cast<std::size_t>(width * height);
  void* bits = nullptr;
  const OwnedBitmap color = MakeDib(width, height, 32, &bits);
  std::memcpy(bits, argb.data(), count * sizeof(std::uint32_t));
  const OwnedBitmap mask =
      MakeMask(width, height, andMask.empty() ? std::vector<std::uint8_t>(count) : andMask);
  return FromBitmaps(mask.get(), color.get());
}

OwnedIcon MakeSolidAlphaIcon(int width, int height, std::uint32_t argb) {
  const auto count = static_cast<std::size_t>(width * height);
  const bool clear = (argb >> 24) == 0;
  return MakeAlphaIcon(width, height, std::vector<std::uint32_t>(count, argb),
                       std::vector<std::uint8_t>(count, clear ? 1 : 0));
}

OwnedIcon MakeMaskedIcon(int width, int height, const std::vector<std::uint32_t>& rgb,
                         const std::vector<std::uint8_t>& andMask) {
  void* bits = nullptr;
  const OwnedBitmap color = MakeDib(width, height, 24, &bits);
  const int stride = ((width * 3) + 3) & ~3;
  auto* rows = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = rgb[static_cast<std::size_t>(y * width + x)];
      std::uint8_t* out = rows + y * stride + x * 3;
      out[0] = static_cast<std::uint8_t>(p);
      out[1] = static_cast<std::uint8_t>(p >> 8);
      out[2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  const OwnedBitmap mask = MakeMask(width, height, andMask);
  return FromBitmaps(mask.get(), color.get());
}

OwnedIcon MakeMonochromeIcon(int width, int height, const std::vector<std::uint8_t>& andMask,
                             const std::vector<std::uint8_t>& xorMask) {
  std::vector<std::uint8_t> both(andMask);
  both.insert(both.end(), xorMask.begin(), xorMask.end());
  const OwnedBitmap mask = MakeMask(width, height * 2, both);
  return FromBitmaps(mask.get(), nullptr);
}

TColor RgbToTColor(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

}  // namespace tintara::test
