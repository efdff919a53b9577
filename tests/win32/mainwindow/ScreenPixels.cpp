#include "ScreenPixels.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tintara::test {

ScreenPixels::ScreenPixels(const RECT& area)
    : width_(area.right - area.left), height_(area.bottom - area.top) {
  if (width_ <= 0 || height_ <= 0) throw std::runtime_error("empty screen area");
  bgra_.resize(static_cast<std::size_t>(width_) * height_);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (screen != nullptr && memory != nullptr && bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY) != FALSE;
    GdiFlush();
    if (copied) std::memcpy(bgra_.data(), bits, bgra_.size() * 4);
    SelectObject(memory, previous);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  if (!copied) throw std::runtime_error("the screen could not be read");
}

TColor ScreenPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("outside the area");
  const std::uint32_t pixel = bgra_[static_cast<std::size_t>(y) * width_ + x];
  // The DIB holds 0x00RRGGBB; TColor is 0x00BBGGRR.
  return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

TColor ScreenPixels::Darkest(const RECT& part) const {
  TColor darkest = 0xFFFFFF;
  int darkestSum = 3 * 255 + 1;
  for (int y = part.top; y < part.bottom; ++y) {
    for (int x = part.left; x < part.right; ++x) {
      const TColor c = At(x, y);
      const int sum = static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
      if (sum < darkestSum) {
        darkestSum = sum;
        darkest = c;
      }
    }
  }
  return darkest;
}

std::string ColorText(TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(color));
  return text;
}

}  // namespace tintara::test
