#pragma once

#include "platform/Geometry.h"
#include "platform/Types.h"

namespace tintara {

// What an image shows: nothing, a bitmap or an icon of the program's resources
// (ResourceIds.h), or an icon borrowed from another window (never destroyed here).
struct Picture {
  enum class Source { None, ResourceBitmap, ResourceIcon, BorrowedIcon };
  Source source = Source::None;
  int resourceId = 0;
  IconHandle icon = 0;
  // The picture's own size: of the bitmap, of the icon image wanted, or of the
  // borrowed icon as measured.
  Size size;
  // A resource bitmap with straight per-pixel alpha.
  bool alpha = false;
  // A borrowed icon drawn scaled to `size` rather than at its own size.
  bool scaled = false;

  static Picture ResourceBitmap(int id, Size size, bool alpha = false) {
    return {Source::ResourceBitmap, id, 0, size, alpha};
  }
  static Picture ResourceIcon(int id, Size size) {
    return {Source::ResourceIcon, id, 0, size, false};
  }
  static Picture Borrowed(IconHandle icon, Size size, bool scaled = false) {
    return {Source::BorrowedIcon, 0, icon, size, false, scaled};
  }
  bool Empty() const { return source == Source::None; }
  friend bool operator==(const Picture&, const Picture&) = default;
};

}  // namespace tintara
