// The main window as laid out: place, kind, parent, z-order, look, texts and events of
// every control. Within one parent, controls are parented bottom first.
#include "app/FormLayout.h"
#include "app/FormMain.h"
#include "app/ResourceIds.h"

namespace tintara {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kStripColor = 0xFFD9BF;
constexpr TColor kSplitterColor = 0xC0C0C0;
constexpr Size kTilePicture{200, 200};

Font AboutButtonFont() {
  Font font;
  font.family = u"Segoe UI Semibold";
  font.fallbacks = {u"Segoe UI", u"Tahoma"};
  font.sizePt = 11;
  font.heightPx = 15;
  font.bold = true;
  font.color = TForm_Main::kTitleLabelGrey;
  return font;
}

}  // namespace

void TForm_Main::BuildLayout() {
  SetName("Form_Main");
  SetTitle(u"Tintara");
  SetClientSize(600, 202);
  SetColor(kWhite);
  SetFont(SegoeUi(8, 11));
  SetPosition(FormPosition::DesktopCenter);
  SetHintDisplay(&BalloonHint);

  Place(Label_Icon, "Label_Icon", *this, {78, 80, 106, 13});
  Label_Icon.SetCaption(u"Active window icon: ");

  Place(Label_Color, "Label_Color", *this, {316, 80, 132, 13});
  Label_Color.SetCaption(u"Active window icon color:");

  Place(Shape_Splitter, "Shape_Splitter", *this, {24, 128, 550, 1});
  Shape_Splitter.SetPen({kSplitterColor, PenStyle::Dot});

  Place(Shape1, "Shape1", *this, {0, 198, 600, 4});
  Shape1.SetAlign(Align::Bottom);
  Shape1.SetBrush(kStripColor);
  Shape1.SetPen({kStripColor, PenStyle::Solid});

  Place(Label_Color_Mode, "Label_Color_Mode", *this, {384, 93, 64, 13});
  Label_Color_Mode.SetCaption(u"(color mode)");
  Label_Color_Mode.SetAlignment(TextAlign::Right);
  Label_Color_Mode.SetHint(u"Click to change the mode.");
  Label_Color_Mode.SetShowHint(true);

  Place(Panel_Color, "Panel_Color", *this, {464, 68, 35, 38});
  Panel_Color.SetColor(kWhite);
  Place(Image_Color_BG, "Image_Color_BG", Panel_Color, {0, 0, 35, 38});
  Image_Color_BG.SetAlign(Align::Client);
  Image_Color_BG.SetPicture(Picture::ResourceBitmap(resources::kTileBitmap, kTilePicture, true));
  Image_Color_BG.SetFit(ImageFit::Stretch);
  Place(Shape_Color, "Shape_Color", Panel_Color, {9, 10, 16, 16});
  Shape_Color.SetFigure(ShapeKind::RoundRect);
  Shape_Color.SetBrush(kWhite);
  Shape_Color.SetPen({kWhite, PenStyle::Clear});
  Shape_Color.SetHint(u"Click here to change Aero color manually.");
  Shape_Color.SetShowHint(true);

  // No colour of its own: the window's white shows.
  Place(Panel_Icon, "Panel_Icon", *this, {190, 67, 40, 40});
  Place(Image_Icon_BG, "Image_Icon_BG", Panel_Icon, {0, 0, 40, 40});
  Image_Icon_BG.SetAlign(Align::Client);
  Image_Icon_BG.SetPicture(Picture::ResourceBitmap(resources::kTileBitmap, kTilePicture, true));
  Image_Icon_BG.SetFit(ImageFit::Stretch);
  Place(Image_Icon, "Image_Icon", Panel_Icon, {4, 3, 32, 32});
  Image_Icon.SetFit(ImageFit::CenterIcon);
  Image_Icon.SetHint(u"Click here to save rendered icon.");
  Image_Icon.SetShowHint(true);

  PlaceTitleBar(Panel_TittleBar, Image_Tittlebar, *this, 71);
  Place(Image_Tittle, "Image_Tittle", Panel_TittleBar, {24, 12, 32, 32});
  Image_Tittle.SetPicture(Picture::ResourceIcon(resources::kLogoIcon, {32, 32}));
  // As wide as its text, once measured.
  Place(Label_Tittle, "Label_Tittle", Panel_TittleBar, {62, 17, 0, 17});
  Label_Tittle.SetCaption(u"Tintara v1.0");
  Label_Tittle.SetFont(SegoeUi(10, 13));
  Place(Label_Close, "Label_Close", Panel_TittleBar, {579, 9, 9, 16});
  Label_Close.SetCaption(u"X");
  Label_Close.SetTransparent(true);
  Label_Close.SetFont(TitleButtonFont(kTitleLabelGrey));
  Place(Label_Minimize, "Label_Minimize", Panel_TittleBar, {566, 9, 7, 16});
  Label_Minimize.SetCaption(u"_");
  Label_Minimize.SetTransparent(true);
  Label_Minimize.SetFont(TitleButtonFont(kTitleLabelGrey));
  Place(Label_About, "Label_About", Panel_TittleBar, {555, 6, 7, 20});
  Label_About.SetCaption(u"?");
  Label_About.SetTransparent(true);
  Label_About.SetFont(AboutButtonFont());

  Place(CheckBox_Autostart, "CheckBox_Autostart", *this, {78, 152, 243, 17});
  CheckBox_Autostart.SetCaption(u"Run program at Windows startup");
  SetActiveControl(&CheckBox_Autostart);

  Timer_AeroHandler.SetInterval(100);
  Timer_AeroHandler.SetEnabled(true);

  ImageList.SetImageSize(16);
  ImageList.AddIconResource(resources::kLogoIcon);
  ImageList.AddIconResource(resources::kWarningIcon);
  PopupItem_ShowInterface.SetCaption(u"show program interface...");
  PopupItem_ShowInterface.SetImageIndex(0);
  N1.SetCaption(u"-");
  Exittheprogram1.SetCaption(u"exit the program...");
  Exittheprogram1.SetImageIndex(1);
  PopupMenu_Tray.SetImages(&ImageList);
  PopupMenu_Tray.Add(PopupItem_ShowInterface);
  PopupMenu_Tray.Add(N1);
  PopupMenu_Tray.Add(Exittheprogram1);
  TrayIcon.SetIconResource(resources::kLogoIcon);
  TrayIcon.SetTooltip(App().Title());
  TrayIcon.SetMenu(&PopupMenu_Tray);

  SaveDialog.SetFilter(u"ICON|*.ico");
}

void TForm_Main::BindEvents() {
  OnCreate = [this](Control& sender) { FormCreate(sender); };
  OnClose = [this](Control& sender, CloseAction& action) { FormClose(sender, action); };
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
  Label_Minimize.OnMouseEnter = [this](Control& sender) { Label_MinimizeMouseEnter(sender); };
  Label_Minimize.OnMouseLeave = [this](Control& sender) { Label_MinimizeMouseLeave(sender); };
  Label_About.OnClick = [this](Control& sender) { Label_AboutClick(sender); };
  Label_About.OnMouseEnter = [this](Control& sender) { Label_AboutMouseEnter(sender); };
  Label_About.OnMouseLeave = [this](Control& sender) { Label_AboutMouseLeave(sender); };
  const MouseEvent pickColor = [this](Control& sender, MouseButton button, ShiftState shift, int x,
                                      int y) { Shape_ColorMouseDown(sender, button, shift, x, y); };
  Shape_Color.OnMouseDown = pickColor;
  Label_Color.OnMouseDown = pickColor;
  Timer_AeroHandler.OnTimer = [this](Timer& sender) { Timer_AeroHandlerTimer(sender); };
  Label_Minimize.OnClick = [this](Control& sender) { Label_MinimizeClick(sender); };
  PopupItem_ShowInterface.OnClick = [this](MenuItem& sender) {
    PopupItem_ShowInterfaceClick(sender);
  };
  Exittheprogram1.OnClick = [this](MenuItem& sender) { Exittheprogram1Click(sender); };
  OnEndSession = [this](Control& sender) { FormEndSession(sender); };
  // The logo has no action of its own in the title bar; it opens the details window.
  Image_Tittle.OnClick = [this](Control& sender) { Image_TittleClick(sender); };
  const NotifyEvent saveIcon = [this](Control& sender) { Image_IconClick(sender); };
  Image_Icon.OnClick = saveIcon;
  Label_Icon.OnClick = saveIcon;
  // Label_Color_Mode's click belongs to the colour-mode settings and the check box's to
  // the autostart entry: both bound themselves when they were made.
}

}  // namespace tintara
