#include "PeerIcons.h"

#include <cstdint>
#include <vector>

namespace standin {
namespace {

std::uint32_t OpaqueBgra(COLORREF color) {
  return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace

IconOwner MakePeerIcon(int size, COLORREF background, COLORREF centre) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const GdiObject color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!color || bits == nullptr) return IconOwner{};

  const int side = size / 4 > 1 ? size / 4 : 2;
  const int first = size / 2 - side / 2;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool inCentre = x >= first && x < first + side && y >= first && y < first + side;
      pixels[y * size + x] = OpaqueBgra(inCentre ? centre : background);
    }
  }
  GdiFlush();

  // An all-zero mask: every pixel shows the colour bitmap.
  const std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(((size + 15) / 16) * 2 * size),
                                           0);
  const GdiObject mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
  if (!mask) return IconOwner{};

  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmMask = static_cast<HBITMAP>(mask.get());
  icon.hbmColor = static_cast<HBITMAP>(color.get());
  return IconOwner(CreateIconIndirect(&icon));
}

}  // namespace standin
