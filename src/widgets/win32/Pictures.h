#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "widgets/win32/OwnedHandles.h"

namespace tintara::win32 {

// A bitmap picture held as a DIB section, with what drawing it needs to know.
struct Picture {
  Bitmap bitmap;
  int width = 0;
  int height = 0;
  // Premultiplied 32-bit pixels: drawn with AlphaBlend. Otherwise opaque: BitBlt.
  bool hasAlpha = false;

  explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// Multiplies the colour of each 32-bit BGRA pixel by its alpha, rounding to nearest,
// which is the form AlphaBlend with AC_SRC_ALPHA expects.
void PremultiplyAlpha(std::span<std::uint8_t> bgraPixels);

// Loads a bitmap resource as a DIB section; throws PlatformError when it is missing.
// With `alpha`, a 32-bit bitmap is taken to carry straight alpha and is premultiplied;
// otherwise it is drawn opaque.
Picture LoadPicture(HINSTANCE instance, int resourceId, bool alpha);

// The picture resampled to width x height by averaging the source pixels each target
// pixel covers (premultiplied colour, so edges do not darken). Throws PlatformError
// when the pixels cannot be read or the new picture cannot be made.
Picture ScalePicture(const Picture& source, int width, int height);

// Loads the image of an icon resource closest to the size; throws PlatformError when it is missing.
OwnedIcon LoadIconPicture(HINSTANCE instance, int resourceId, int width, int height);

// Draws the picture at (x, y) at its own size, limited to the DC's clip.
void DrawPicture(HDC dc, const Picture& picture, int x, int y);

// Draws the whole picture stretched into the rectangle (not keeping proportions).
void DrawPictureStretched(HDC dc, const Picture& picture, const RECT& target);

}  // namespace tintara::win32
