#include "widgets/win32/Pictures.h"

#include <algorithm>
#include <vector>

#include "platform/PlatformError.h"
#include "platform/win32/DibHeaders.h"

namespace tintara::win32 {
namespace {

BLENDFUNCTION PerPixelAlpha() {
  BLENDFUNCTION blend{};
  blend.BlendOp = AC_SRC_OVER;
  blend.SourceConstantAlpha = 255;
  blend.AlphaFormat = AC_SRC_ALPHA;
  return blend;
}

// How much of source cell `cell` lies inside the span [from, to) (in source cells).
double Overlap(int cell, double from, double to) {
  return std::max(0.0, std::min(to, cell + 1.0) - std::max(from, static_cast<double>(cell)));
}

}  // namespace

void PremultiplyAlpha(std::span<std::uint8_t> bgraPixels) {
  for (std::size_t i = 0; i + 3 < bgraPixels.size(); i += 4) {
    const unsigned alpha = bgraPixels[i + 3];
    for (std::size_t channel = 0; channel < 3; ++channel) {
      bgraPixels[i + channel] =
          static_cast<std::uint8_t>((bgraPixels[i + channel] * alpha + 127) / 255);
    }
  }
}

Picture LoadPicture(HINSTANCE instance, int resourceId, bool alpha) {
  Picture picture;
  picture.bitmap.reset(static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!picture.bitmap) throw PlatformError("The picture could not be loaded");
  DIBSECTION section{};
  if (GetObjectW(picture.bitmap.get(), sizeof section, &section) != sizeof section) {
    throw PlatformError("The picture could not be loaded");
  }
  picture.width = section.dsBm.bmWidth;
  picture.height = section.dsBm.bmHeight < 0 ? -section.dsBm.bmHeight : section.dsBm.bmHeight;
  if (alpha && section.dsBm.bmBitsPixel == 32 && section.dsBm.bmBits != nullptr) {
    GdiFlush();
    const auto bytes = static_cast<std::size_t>(section.dsBm.bmWidthBytes) *
                       static_cast<std::size_t>(picture.height);
    PremultiplyAlpha({static_cast<std::uint8_t*>(section.dsBm.bmBits), bytes});
    picture.hasAlpha = true;
  }
  return picture;
}

Picture ScalePicture(const Picture& source, int width, int height) {
  if (!source || width <= 0 || height <= 0) throw PlatformError("The picture could not be scaled");
  std::vector<std::uint8_t> from(static_cast<std::size_t>(source.width) * source.height * 4);
  BITMAPINFO sourceInfo = TopDownDib(source.width, source.height);
  {
    const WindowDC screen(nullptr);
    if (!screen || GetDIBits(screen.get(), source.bitmap.get(), 0, source.height, from.data(),
                             &sourceInfo, DIB_RGB_COLORS) != source.height) {
      throw PlatformError("The picture could not be scaled");
    }
  }
  Picture scaled;
  scaled.width = width;
  scaled.height = height;
  scaled.hasAlpha = source.hasAlpha;
  const BITMAPINFO targetInfo = TopDownDib(width, height);
  void* bits = nullptr;
  scaled.bitmap.reset(CreateDIBSection(nullptr, &targetInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!scaled.bitmap || bits == nullptr) throw PlatformError("The picture could not be scaled");
  auto* to = static_cast<std::uint8_t*>(bits);
  const double scaleX = static_cast<double>(source.width) / width;
  const double scaleY = static_cast<double>(source.height) / height;
  for (int y = 0; y < height; ++y) {
    const double top = y * scaleY;
    const double bottom = top + scaleY;
    for (int x = 0; x < width; ++x) {
      const double left = x * scaleX;
      const double right = left + scaleX;
      double sum[4] = {0, 0, 0, 0};
      double weight = 0;
      for (int sy = static_cast<int>(top); sy < source.height && sy < bottom; ++sy) {
        const double wy = Overlap(sy, top, bottom);
        for (int sx = static_cast<int>(left); sx < source.width && sx < right; ++sx) {
          const double w = wy * Overlap(sx, left, right);
          const std::uint8_t* pixel = &from[(static_cast<std::size_t>(sy) * source.width + sx) * 4];
          for (int c = 0; c < 4; ++c) sum[c] += w * pixel[c];
          weight += w;
        }
      }
      std::uint8_t* pixel = &to[(static_cast<std::size_t>(y) * width + x) * 4];
      for (int c = 0; c < 4; ++c) {
        pixel[c] = static_cast<std::uint8_t>(weight > 0 ? sum[c] / weight + 0.5 : 0);
      }
    }
  }
  GdiFlush();
  return scaled;
}

OwnedIcon LoadIconPicture(HINSTANCE instance, int resourceId, int width, int height) {
  OwnedIcon icon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, width, height, 0)));
  if (!icon) throw PlatformError("The icon could not be loaded");
  return icon;
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y) {
  if (!picture) return;
  MemoryDC source;
  if (!source) return;
  const SelectionGuard selected(source.get(), picture.bitmap.get());
  if (!selected.selected()) return;
  if (picture.hasAlpha) {
    AlphaBlend(dc, x, y, picture.width, picture.height, source.get(), 0, 0, picture.width,
               picture.height, PerPixelAlpha());
  } else {
    BitBlt(dc, x, y, picture.width, picture.height, source.get(), 0, 0, SRCCOPY);
  }
}

void DrawPictureStretched(HDC dc, const Picture& picture, const RECT& target) {
  if (!picture) return;
  const int width = target.right - target.left;
  const int height = target.bottom - target.top;
  if (width <= 0 || height <= 0) return;
  MemoryDC source;
  if (!source) return;
  const SelectionGuard selected(source.get(), picture.bitmap.get());
  if (!selected.selected()) return;
  if (picture.hasAlpha) {
    AlphaBlend(dc, target.left, target.top, width, height, source.get(), 0, 0, picture.width,
               picture.height, PerPixelAlpha());
  } else {
    const int previousMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE wants the brush origin set after it
    StretchBlt(dc, target.left, target.top, width, height, source.get(), 0, 0, picture.width,
               picture.height, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
  }
}

}  // namespace tintara::win32
