#pragma once

#include "widgets/Control.h"
#include "widgets/Font.h"

namespace tintara {

// The windows' face: "Segoe UI" with the families most like it where it is missing.
inline Font SegoeUi(int sizePt, int heightPx) {
  Font font;
  font.family = u"Segoe UI";
  font.fallbacks = {u"Tahoma", u"Arial"};
  font.sizePt = sizePt;
  font.heightPx = heightPx;
  return font;
}

// Names a control, gives it its bounds and puts it on top of its parent's children.
inline void Place(Control& control, const char* name, Control& parent, Rect bounds) {
  control.SetName(name);
  control.SetBounds(bounds);
  control.SetParent(&parent);
}

}  // namespace tintara
