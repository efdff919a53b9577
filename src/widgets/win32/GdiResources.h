#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "widgets/Font.h"
#include "widgets/win32/FontFactory.h"
#include "widgets/win32/OwnedHandles.h"
#include "widgets/win32/Pictures.h"

namespace tintara::win32 {

// The fonts, pictures and icons the canvas draws with, made on first use and kept for
// the life of the backend: a window repaints often, and loading a resource or making a
// font each time would be wasted work. Owned by one thread (the user-interface thread).
class GdiResources {
 public:
  explicit GdiResources(HINSTANCE instance) : instance_(instance) {}
  GdiResources(const GdiResources&) = delete;
  GdiResources& operator=(const GdiResources&) = delete;

  HINSTANCE instance() const { return instance_; }
  FontFactory& Fonts() { return fonts_; }

  // The font for a toolkit font (its colour plays no part). Throws PlatformError.
  HFONT FontFor(const Font& font);
  // The family actually used for it, fallbacks included.
  std::wstring FaceFor(const Font& font);

  // A bitmap resource, premultiplied when it carries alpha. Throws PlatformError.
  const Picture& BitmapResource(int resourceId, bool alpha);
  // The same resampled to the size. Throws PlatformError.
  const Picture& ScaledBitmapResource(int resourceId, bool alpha, int width, int height);
  // The image of an icon resource closest to the size. Throws PlatformError.
  HICON IconResource(int resourceId, int width, int height);

 private:
  using FontKey = std::tuple<std::u16string, std::vector<std::u16string>, int, bool>;

  HINSTANCE instance_;
  FontFactory fonts_;
  std::map<FontKey, OwnedFont> fontCache_;
  std::map<std::tuple<int, bool>, Picture> bitmaps_;
  std::map<std::tuple<int, bool, int, int>, Picture> scaledBitmaps_;
  std::map<std::tuple<int, int, int>, OwnedIcon> icons_;
};

// The request a toolkit font makes of the font factory.
FontRequest ToFontRequest(const Font& font);

}  // namespace tintara::win32
