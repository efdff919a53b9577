#include "widgets/win32/MenuPictures.h"

#include <cstdint>

#include "platform/win32/GdiHandles.h"

namespace tintara::win32 {
namespace {

// The icon's colour image with its alpha, premultiplied, as a top-down 32-bit DIB
// section; nullptr when the icon cannot be read.
Bitmap PremultipliedBitmap(HICON icon, int size) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  const Bitmap color(info.hbmColor);
  const Bitmap mask(info.hbmMask);
  if (!color) return {};

  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = size;
  header.bmiHeader.biHeight = -size;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap section(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || bits == nullptr) return {};

  const MemoryDC dc;
  if (!dc || GetDIBits(dc.get(), color.get(), 0, static_cast<UINT>(size), bits, &header,
                       DIB_RGB_COLORS) == 0) {
    return {};
  }
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (int i = 0; i < size * size; ++i) {
    std::uint8_t* p = pixels + static_cast<std::ptrdiff_t>(i) * 4;
    const unsigned alpha = p[3];
    for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>((p[c] * alpha + 127) / 255);
  }
  GdiFlush();
  return section;
}

}  // namespace

MenuPictures::MenuPictures(HINSTANCE instance, const ImageList& images) {
  const int size = images.ImageSize();
  list_ = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK,
                           static_cast<int>(images.IconResources().size()), 0);
  for (const int resource : images.IconResources()) {
    // The image of the list's size from the program's icon; picked by the system
    // among the icon's images, 32 bits with alpha where there is one.
    const OwnedIcon icon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0)));
    int index = -1;
    if (icon && list_ != nullptr) index = ImageList_AddIcon(list_, icon.get());
    // The list's own copy is what the menu shows, as the list keeps it.
    OwnedIcon listed;
    if (index >= 0) listed.reset(ImageList_GetIcon(list_, index, ILD_TRANSPARENT));
    bitmaps_.push_back(listed ? PremultipliedBitmap(listed.get(), size) : Bitmap());
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
