#pragma once

#include "app/ResourceIds.h"
#include "widgets/Control.h"
#include "widgets/Font.h"
#include "widgets/Image.h"
#include "widgets/Panel.h"

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

// The title bar's own colour, which its picture covers but for what lies beyond it.
inline constexpr TColor kTitleBarColor = 0xFFF5ED;
inline constexpr Size kTitleBarPicture{650, 60};

// "X" (and "_") of a title bar: a wide display face, replaced by wide system faces where
// it is missing.
inline Font TitleButtonFont(TColor color) {
  Font font;
  font.family = u"Tekton Pro Ext";
  font.fallbacks = {u"Verdana", u"Segoe UI", u"Tahoma"};
  font.sizePt = 10;
  font.heightPx = 13;
  font.bold = true;
  font.color = color;
  return font;
}

// The painted title bar of a borderless window: a 600 x 53 panel docked at the top,
// and the title-bar picture docked at the panel's top, drawn unscaled from its top-left
// corner and cut off at the panel's 53 rows (`pictureHeight` is the image control's).
inline void PlaceTitleBar(Panel& Panel_TittleBar, Image& Image_Tittlebar, Control& form,
                          int pictureHeight) {
  Place(Panel_TittleBar, "Panel_TittleBar", form, {0, 0, 600, 53});
  Panel_TittleBar.SetAlign(Align::Top);
  Panel_TittleBar.SetColor(kTitleBarColor);
  Place(Image_Tittlebar, "Image_Tittlebar", Panel_TittleBar, {0, 0, 600, pictureHeight});
  Image_Tittlebar.SetAlign(Align::Top);
  Image_Tittlebar.SetPicture(Picture::ResourceBitmap(resources::kTitleBarBitmap, kTitleBarPicture));
  Image_Tittlebar.SetFit(ImageFit::TopLeft);
}

}  // namespace tintara
