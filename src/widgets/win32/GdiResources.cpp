#include "widgets/win32/GdiResources.h"

#include "widgets/win32/TextConversion.h"

namespace tintara::win32 {

FontRequest ToFontRequest(const Font& font) {
  FontRequest request;
  request.family = Wide(font.family);
  for (const std::u16string& fallback : font.fallbacks) request.fallbacks.push_back(Wide(fallback));
  request.characterHeight = font.heightPx;
  request.bold = font.bold;
  return request;
}

HFONT GdiResources::FontFor(const Font& font) {
  FontKey key{font.family, font.fallbacks, font.heightPx, font.bold};
  if (const auto found = fontCache_.find(key); found != fontCache_.end()) {
    return found->second.get();
  }
  OwnedFont made = fonts_.Create(ToFontRequest(font));
  return fontCache_.emplace(std::move(key), std::move(made)).first->second.get();
}

std::wstring GdiResources::FaceFor(const Font& font) {
  const FontRequest request = ToFontRequest(font);
  return fonts_.ResolveFamily(request.family, request.fallbacks);
}

const Picture& GdiResources::BitmapResource(int resourceId, bool alpha) {
  const std::tuple<int, bool> key{resourceId, alpha};
  if (const auto found = bitmaps_.find(key); found != bitmaps_.end()) return found->second;
  Picture picture = LoadPicture(instance_, resourceId, alpha);
  return bitmaps_.emplace(key, std::move(picture)).first->second;
}

const Picture& GdiResources::ScaledBitmapResource(int resourceId, bool alpha, int width,
                                                  int height) {
  const std::tuple<int, bool, int, int> key{resourceId, alpha, width, height};
  if (const auto found = scaledBitmaps_.find(key); found != scaledBitmaps_.end()) {
    return found->second;
  }
  Picture scaled = ScalePicture(BitmapResource(resourceId, alpha), width, height);
  return scaledBitmaps_.emplace(key, std::move(scaled)).first->second;
}

HICON GdiResources::IconResource(int resourceId, int width, int height) {
  const std::tuple<int, int, int> key{resourceId, width, height};
  if (const auto found = icons_.find(key); found != icons_.end()) return found->second.get();
  OwnedIcon icon = LoadIconPicture(instance_, resourceId, width, height);
  return icons_.emplace(key, std::move(icon)).first->second.get();
}

}  // namespace tintara::win32
