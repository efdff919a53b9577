// The details window as laid out: place, kind, parent, z-order, look, texts and events
// of every control. Within one parent, controls are parented bottom first.
#include "app/FormDetails.h"
#include "app/FormLayout.h"
#include "app/ResourceIds.h"

namespace tintara {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

Font Consolas(int sizePt, int heightPx) {
  Font font;
  font.family = u"Consolas";
  font.fallbacks = {u"Lucida Console", u"Courier New"};
  font.sizePt = sizePt;
  font.heightPx = heightPx;
  return font;
}

}  // namespace

void TForm_Details::BuildLayout() {
  SetName("Form_Details");
  SetTitle(u"");
  SetClientSize(600, 328);
  SetColor(kWhite);
  SetFont(Consolas(8, 11));
  SetPosition(FormPosition::MainFormCenter);

  Place(Label_Handle, "Label_Handle", *this, {56, 72, 78, 13});
  Label_Handle.SetCaption(u"Window Handle");
  Place(Label_Class, "Label_Class", *this, {56, 91, 54, 13});
  Label_Class.SetCaption(u"ClassName");

  // The window never changes its size, so its anchoring to all four edges never moves it.
  Place(Memo_Log, "Memo_Log", *this, {56, 120, 530, 193});
  Memo_Log.SetFont(Consolas(9, 12));
  // The only control that takes the focus, so the first in the tab order.
  SetActiveControl(&Memo_Log);

  PlaceTitleBar(Panel_TittleBar, Image_Tittlebar, *this, 129);
  Place(Image_Tittle, "Image_Tittle", Panel_TittleBar, {24, 12, 32, 32});
  Image_Tittle.SetPicture(Picture::ResourceIcon(resources::kDetailsIcon, {32, 32}));
  Place(Label_Tittle, "Label_Tittle", Panel_TittleBar, {62, 21, 70, 15});
  Label_Tittle.SetCaption(u"Details...");
  Label_Tittle.SetFont(Consolas(10, 13));
  // Not transparent: it fills its box with the title bar's colour before the letter.
  Place(Label_Close, "Label_Close", Panel_TittleBar, {579, 9, 9, 16});
  Label_Close.SetCaption(u"X");
  Label_Close.SetFont(TitleButtonFont(kCloseSilver));
}

void TForm_Details::BindEvents() {
  OnCreate = [this](Control& sender) { FormCreate(sender); };
  OnMouseDown = [this](Control& sender, MouseButton button, ShiftState shift, int x, int y) {
    FormMouseDown(sender, button, shift, x, y);
  };
  Image_Tittlebar.OnMouseDown = [this](Control& sender, MouseButton button, ShiftState shift, int x,
                                       int y) {
    Image_TittlebarMouseDown(sender, button, shift, x, y);
  };
  Label_Close.OnClick = [this](Control& sender) { Label_CloseClick(sender); };
  Label_Close.OnMouseEnter = [this](Control& sender) { Label_CloseMouseEnter(sender); };
  Label_Close.OnMouseLeave = [this](Control& sender) { Label_CloseMouseLeave(sender); };
}

}  // namespace tintara
