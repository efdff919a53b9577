// The About window as laid out: place, kind, z-order, look, texts and events of every
// control, in their creation order.
#include "app/FormAbout.h"
#include "app/FormLayout.h"
#include "app/ResourceIds.h"

namespace tintara {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

void PlaceText(Label& label, const char* name, Control& parent, Point at, std::u16string text) {
  Place(label, name, parent, {at.x, at.y, 0, 13});
  label.SetCaption(std::move(text));
  label.SetTransparent(true);
}

}  // namespace

void TForm_About::BuildLayout() {
  SetName("Form_About");
  SetTitle(u"About...");
  SetClientSize(559, 210);
  SetColor(kWhite);
  SetFont(SegoeUi(8, 11));
  SetPosition(FormPosition::DesktopCenter);

  // The designed colours and style are applied with one build, at Loaded.
  Gradient_BG.BeginLoading();
  Place(Gradient_BG, "Gradient_BG", *this, {0, 0, 559, 204});
  Gradient_BG.SetAlign(Align::Client);
  Gradient_BG.SetColorBegin(kLightBlue);
  Gradient_BG.SetStyle(TGradientStyle::gsLinearV);

  // No picture: it only catches clicks, once FormCreate has put it on top.
  Place(Image_Over, "Image_Over", *this, {24, 55, 25, 25});

  // Never shown, so it takes no space among the docked controls either.
  Image_TittleBar.SetVisible(false);
  Place(Image_TittleBar, "Image_TittleBar", *this, {0, 0, 559, 31});
  Image_TittleBar.SetAlign(Align::Top);
  Image_TittleBar.SetPicture(Picture::ResourceBitmap(resources::kTitleBarBitmap, kTitleBarPicture));
  Image_TittleBar.SetFit(ImageFit::Stretch);

  Place(Image_TittleIcon, "Image_TittleIcon", *this, {24, 12, 32, 32});
  Image_TittleIcon.SetPicture(Picture::ResourceIcon(resources::kLogoIcon, {32, 32}));

  Place(Label_Tittle, "Label_Tittle", *this, {62, 17, 178, 19});
  Label_Tittle.SetCaption(u"Tintara v1.0.... About.");
  Label_Tittle.SetTransparent(true);
  Label_Tittle.SetFont(SegoeUi(10, 13));

  PlaceText(Label1, "Label1", *this, {191, 67}, u"Program: ");
  PlaceText(Label2, "Label2", *this, {191, 91}, u"Version: ");
  PlaceText(Label3, "Label3", *this, {191, 115}, u"Author: ");
  PlaceText(Label4, "Label4", *this, {191, 139}, u"Author EMail: ");
  PlaceText(Label5, "Label5", *this, {289, 67}, u"Tintara");
  PlaceText(Label6, "Label6", *this, {289, 91}, u"v1.0");
  PlaceText(Label7, "Label7", *this, {289, 115}, u"The Tintara team");
  PlaceText(Label8, "Label8", *this, {289, 139}, u"tintara@example.org");
  PlaceText(Label9, "Label9", *this, {289, 163}, u"Picturegen icon set used.");

  Place(Shape_Bottom, "Shape_Bottom", *this, {0, 204, 559, 6});
  Shape_Bottom.SetAlign(Align::Bottom);
  Shape_Bottom.SetBrush(kLightBlue);
  Shape_Bottom.SetPen({kLightBlue, PenStyle::Solid});

  Timer_Gradient.SetInterval(30);
  Timer_Gradient.SetEnabled(true);

  Gradient_BG.Loaded();
}

void TForm_About::BindEvents() {
  OnCreate = [this](Control& sender) { FormCreate(sender); };
  OnShow = [this](Control& sender) { FormShow(sender); };
  Image_Over.OnClick = [this](Control& sender) { Image_OverClick(sender); };
  Image_TittleBar.OnClick = [this](Control& sender) { Image_TittleBarClick(sender); };
  Timer_Gradient.OnTimer = [this](Timer& sender) { Timer_GradientTimer(sender); };
}

}  // namespace tintara
