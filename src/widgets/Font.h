#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

namespace tintara {

// A font by family, size and style. The size is given twice, as the layout states it:
// in points and as the character height in pixels at 96 dots per inch; a backend uses
// the pixel height. When the family is not installed, the fallbacks are tried in order
// and then the backend's default face.
struct Font {
  std::u16string family = u"Segoe UI";
  std::vector<std::u16string> fallbacks;
  int sizePt = 8;
  int heightPx = 11;
  bool bold = false;
  TColor color = 0x000000;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace tintara
