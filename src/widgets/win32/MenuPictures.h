#pragma once

#include <windows.h>
// After the base declarations, which it needs.
#include <commctrl.h>

#include <vector>

#include "widgets/Menu.h"
#include "widgets/win32/OwnedHandles.h"

namespace tintara::win32 {

// The pictures of a menu's image list, ready for menu items: the icons of the
// program's resources go into a system image list of 32-bit images with alpha at the
// list's size, and each one is also kept as a 32-bit bitmap for the items. Themed menus
// blend such a bitmap by its premultiplied alpha; classic menus (and Wine's) copy it as
// it is, so for them the picture is laid over the menu colour beforehand.
class MenuPictures {
 public:
  MenuPictures(HINSTANCE instance, const ImageList& images, bool menusBlend);
  ~MenuPictures();
  MenuPictures(const MenuPictures&) = delete;
  MenuPictures& operator=(const MenuPictures&) = delete;

  // The bitmap of picture `index`, or nullptr when there is none.
  HBITMAP PictureAt(int index) const;
  HIMAGELIST List() const { return list_; }

 private:
  HIMAGELIST list_ = nullptr;
  std::vector<Bitmap> bitmaps_;
};

}  // namespace tintara::win32
