#include "widgets/win32/MenuPictures.h"

#include <cstdint>
#include <vector>

#include "platform/win32/DibHeaders.h"
#include "platform/win32/GdiHandles.h"

namespace tintara::win32 {
namespace {

// The icon's picture as a top-down 32-bit DIB section: with its alpha premultiplied for a
// menu that blends (ground: none), or already laid over the ground colour for a menu
// that copies its pictures as they are. nullptr when the icon cannot be read.
Bitmap MenuBitmap(HICON icon, int size, bool blended, COLORREF ground) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  const Bitmap color(info.hbmColor);
  const Bitmap mask(info.hbmMask);
  if (!color) return {};

  BITMAPINFO header = TopDownDib(size, size);
  void* bits = nullptr;
  Bitmap section(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || bits == nullptr) return {};

  const MemoryDC dc;
  std::vector<std::uint32_t> maskPixels(static_cast<std::size_t>(size) * size);
  if (!dc ||
      GetDIBits(dc.get(), color.get(), 0, static_cast<UINT>(size), bits, &header, DIB_RGB_COLORS) ==
          0 ||
      GetDIBits(dc.get(), mask.get(), 0, static_cast<UINT>(size), maskPixels.data(), &header,
                DIB_RGB_COLORS) == 0) {
    return {};
  }
  auto* pixels = static_cast<std::uint32_t*>(bits);
  bool hasAlpha = false;
  for (int i = 0; i < size * size; ++i) hasAlpha = hasAlpha || (pixels[i] >> 24) != 0;
  for (int i = 0; i < size * size; ++i) {
    // Where the mask says transparent the picture is, whatever the colour image holds;
    // an image list that kept no alpha leaves the mask as the only outline.
    const bool transparent = (maskPixels[i] & 0x00FFFFFFu) != 0;
    const std::uint32_t alpha = transparent ? 0 : hasAlpha ? pixels[i] >> 24 : 0xFF;
    std::uint32_t out = blended ? alpha << 24 : 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::uint32_t channel = (pixels[i] >> shift) & 0xFF;
      std::uint32_t value = (channel * alpha + 127) / 255;
      if (!blended) {
        // COLORREF holds red in its low byte, the DIB blue.
        const std::uint32_t below = (ground >> (16 - shift)) & 0xFF;
        value += (below * (255 - alpha) + 127) / 255;
      }
      out |= value << shift;
    }
    pixels[i] = out;
  }
  GdiFlush();
  return section;
}

}  // namespace

MenuPictures::MenuPictures(HINSTANCE instance, const ImageList& images, bool menusBlend) {
  const COLORREF ground = GetSysColor(COLOR_MENU);
  const int size = images.ImageSize();
  list_ = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK,
                           static_cast<int>(images.IconResources().size()), 0);
  for (const int resource : images.IconResources()) {
    // The image of the list's size from the program's icon; picked by the system
    // among the icon's images, 32 bits with alpha where there is one.
    const OwnedIcon icon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0)));
    if (icon && list_ != nullptr) ImageList_AddIcon(list_, icon.get());
    // Taken from the icon itself: an image list hands its images back drawn over
    // black with a mask that may have lost the soft edges.
    bitmaps_.push_back(icon ? MenuBitmap(icon.get(), size, menusBlend, ground) : Bitmap());
  }
}

MenuPictures::~MenuPictures() {
  if (list_ != nullptr) ImageList_Destroy(list_);
}

HBITMAP MenuPictures::PictureAt(int index) const {
  if (index < 0 || index >= static_cast<int>(bitmaps_.size())) return nullptr;
  return bitmaps_[static_cast<std::size_t>(index)].get();
}

}  // namespace tintara::win32
