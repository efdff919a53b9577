// The main window against its geometry table.
#include <algorithm>
#include <vector>

#include "FormMainFixture.h"
#include "app/ResourceIds.h"
#include "widgets/Painter.h"
#include "widgets/RecordingCanvas.h"
#include "widgets/WindowStyles.h"

namespace tintara {
namespace {

std::vector<std::string> Names(const Control& parent) {
  std::vector<std::string> names;
  for (const Control* c : parent.Children()) names.push_back(c->Name());
  return names;
}

TEST_F(FormMainTest, TheWindowIsABorderlessWhite600By202PopupWithADropShadow) {
  TForm_Main& f = Create();
  EXPECT_EQ(f.Title(), u"Tintara");
  EXPECT_EQ(f.ClientRect(), (Rect{0, 0, 600, 202}));
  EXPECT_EQ(f.Color(), 0xFFFFFFu);
  EXPECT_EQ(f.GetFont().family, u"Segoe UI");
  EXPECT_EQ(f.GetFont().sizePt, 8);
  EXPECT_EQ(f.GetFont().heightPx, 11);
  EXPECT_FALSE(f.GetFont().bold);
  EXPECT_EQ(f.GetFont().color, 0x000000u);
  const headless::HeadlessWindow* window = backend.WindowOf(f);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Params().style, 0x80000000u);
  EXPECT_EQ(window->Params().classStyle, styles::kCsDblClks | 0x00020000u);
  EXPECT_EQ(window->Params().exStyle, 0u);  // left as computed
  EXPECT_EQ(window->Params().caption, u"Tintara");
  EXPECT_EQ(app.MainForm(), &f);
}

TEST_F(FormMainTest, ControlsHaveTheirParentsAndZOrder) {
  TForm_Main& f = Create();
  EXPECT_EQ(Names(f),
            (std::vector<std::string>{"Label_Icon", "Label_Color", "Shape_Splitter", "Shape1",
                                      "Label_Color_Mode", "Panel_Color", "Panel_Icon",
                                      "Panel_TittleBar", "CheckBox_Autostart"}));
  EXPECT_EQ(Names(f.Panel_Color), (std::vector<std::string>{"Image_Color_BG", "Shape_Color"}));
  EXPECT_EQ(Names(f.Panel_Icon), (std::vector<std::string>{"Image_Icon_BG", "Image_Icon"}));
  EXPECT_EQ(Names(f.Panel_TittleBar),
            (std::vector<std::string>{"Image_Tittlebar", "Image_Tittle", "Label_Tittle",
                                      "Label_Close", "Label_Minimize", "Label_About"}));
}

TEST_F(FormMainTest, ControlsHaveTheirKindsAndGeometry) {
  TForm_Main& f = Create();
  struct Row {
    const Control& control;
    ControlKind kind;
    Rect bounds;
  };
  const std::vector<Row> table = {
      {f.Label_Icon, ControlKind::Label, {78, 80, 106, 13}},
      {f.Label_Color, ControlKind::Label, {316, 80, 132, 13}},
      {f.Shape_Splitter, ControlKind::Shape, {24, 128, 550, 1}},
      {f.Shape1, ControlKind::Shape, {0, 198, 600, 4}},
      // "(use center color)" after start-up, its right edge kept at 448.
      {f.Label_Color_Mode, ControlKind::Label, {355, 93, 93, 13}},
      {f.Panel_Color, ControlKind::Panel, {464, 68, 35, 38}},
      {f.Image_Color_BG, ControlKind::Image, {0, 0, 35, 38}},
      {f.Shape_Color, ControlKind::Shape, {9, 10, 16, 16}},
      {f.Panel_Icon, ControlKind::Panel, {190, 67, 40, 40}},
      {f.Image_Icon_BG, ControlKind::Image, {0, 0, 40, 40}},
      {f.Image_Icon, ControlKind::Image, {4, 3, 32, 32}},
      {f.Panel_TittleBar, ControlKind::Panel, {0, 0, 600, 53}},
      {f.Image_Tittlebar, ControlKind::Image, {0, 0, 600, 71}},
      {f.Image_Tittle, ControlKind::Image, {24, 12, 32, 32}},
      {f.Label_Tittle, ControlKind::Label, {62, 17, 73, 17}},
      {f.Label_Close, ControlKind::Label, {579, 9, 9, 16}},
      {f.Label_Minimize, ControlKind::Label, {566, 9, 7, 16}},
      {f.Label_About, ControlKind::Label, {555, 6, 7, 20}},
      {f.CheckBox_Autostart, ControlKind::CheckBox, {78, 152, 243, 17}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(row.control.Name());
    EXPECT_EQ(row.control.Kind(), row.kind);
    EXPECT_EQ(row.control.Bounds(), row.bounds);
    EXPECT_TRUE(row.control.Showing());
  }
  EXPECT_EQ(f.Panel_TittleBar.GetAlign(), Align::Top);
  EXPECT_EQ(f.Image_Tittlebar.GetAlign(), Align::Top);
  EXPECT_EQ(f.Shape1.GetAlign(), Align::Bottom);
  EXPECT_EQ(f.Image_Color_BG.GetAlign(), Align::Client);
  EXPECT_EQ(f.Image_Icon_BG.GetAlign(), Align::Client);
}

TEST_F(FormMainTest, TextsFontsAndColoursAreAsDesigned) {
  TForm_Main& f = Create();
  EXPECT_EQ(f.Label_Icon.Caption(), u"Active window icon: ");
  EXPECT_EQ(f.Label_Color.Caption(), u"Active window icon color:");
  EXPECT_EQ(f.Label_Tittle.Caption(), u"Tintara v1.0");
  EXPECT_EQ(f.Label_Close.Caption(), u"X");
  EXPECT_EQ(f.Label_Minimize.Caption(), u"_");
  EXPECT_EQ(f.Label_About.Caption(), u"?");
  EXPECT_EQ(f.CheckBox_Autostart.Caption(), u"Run program at Windows startup");
  EXPECT_FALSE(f.CheckBox_Autostart.Checked());
  EXPECT_EQ(f.Label_Color_Mode.Alignment(), TextAlign::Right);

  for (const Label* label : {&f.Label_Icon, &f.Label_Color, &f.Label_Color_Mode}) {
    EXPECT_FALSE(label->HasOwnFont());
    EXPECT_FALSE(label->Transparent());
  }
  EXPECT_EQ(f.Label_Tittle.GetFont().family, u"Segoe UI");
  EXPECT_EQ(f.Label_Tittle.GetFont().heightPx, 13);
  EXPECT_EQ(f.Label_Tittle.GetFont().sizePt, 10);
  EXPECT_FALSE(f.Label_Tittle.GetFont().bold);
  EXPECT_EQ(f.Label_Tittle.GetFont().color, 0x000000u);
  for (const Label* label : {&f.Label_Close, &f.Label_Minimize}) {
    SCOPED_TRACE(label->Name());
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->GetFont().family, u"Tekton Pro Ext");
    EXPECT_FALSE(label->GetFont().fallbacks.empty());
    EXPECT_EQ(label->GetFont().sizePt, 10);
    EXPECT_EQ(label->GetFont().heightPx, 13);
    EXPECT_TRUE(label->GetFont().bold);
    EXPECT_EQ(label->GetFont().color, 0x808080u);
  }
  EXPECT_TRUE(f.Label_About.Transparent());
  EXPECT_EQ(f.Label_About.GetFont().family, u"Segoe UI Semibold");
  EXPECT_FALSE(f.Label_About.GetFont().fallbacks.empty());
  EXPECT_EQ(f.Label_About.GetFont().heightPx, 15);
  EXPECT_EQ(f.Label_About.GetFont().sizePt, 11);
  EXPECT_TRUE(f.Label_About.GetFont().bold);
  EXPECT_EQ(f.Label_About.GetFont().color, 0x808080u);

  EXPECT_EQ(f.Panel_TittleBar.Color(), 0xFFF5EDu);
  EXPECT_EQ(f.Panel_Color.Color(), 0xFFFFFFu);
  EXPECT_EQ(f.Panel_Icon.Color(), 0xFFFFFFu);
  EXPECT_EQ(f.Shape_Splitter.GetPen(), (Pen{0xC0C0C0, PenStyle::Dot}));
  EXPECT_EQ(f.Shape1.Brush(), std::optional<TColor>(0xFFD9BF));
  EXPECT_EQ(f.Shape1.GetPen(), (Pen{0xFFD9BF, PenStyle::Solid}));
  EXPECT_EQ(f.Shape_Color.Figure(), ShapeKind::RoundRect);
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0xFFFFFF));
  EXPECT_EQ(f.Shape_Color.GetPen().style, PenStyle::Clear);

  EXPECT_EQ(f.Image_Tittlebar.GetPicture(),
            Picture::ResourceBitmap(resources::kTitleBarBitmap, {650, 60}));
  EXPECT_EQ(f.Image_Tittlebar.Fit(), ImageFit::TopLeft);
  EXPECT_EQ(f.Image_Tittle.GetPicture(), Picture::ResourceIcon(resources::kLogoIcon, {32, 32}));
  for (const Image* tile : {&f.Image_Icon_BG, &f.Image_Color_BG}) {
    EXPECT_EQ(tile->GetPicture(),
              Picture::ResourceBitmap(resources::kTileBitmap, {200, 200}, true));
    EXPECT_EQ(tile->Fit(), ImageFit::Stretch);
  }
  EXPECT_TRUE(f.Image_Icon.GetPicture().Empty());
  EXPECT_EQ(f.Image_Icon.Fit(), ImageFit::CenterIcon);
}

TEST_F(FormMainTest, OnlyTheModeLabelTheSwatchAndTheCapturedIconHaveHints) {
  TForm_Main& f = Create();
  EXPECT_EQ(f.Label_Color_Mode.Hint(), u"Click to change the mode.");
  EXPECT_EQ(f.Shape_Color.Hint(), u"Click here to change Aero color manually.");
  EXPECT_EQ(f.Image_Icon.Hint(), u"Click here to save rendered icon.");
  std::vector<std::string> withHints;
  std::vector<const Control*> pending{&f};
  while (!pending.empty()) {
    const Control* c = pending.back();
    pending.pop_back();
    if (c->WantsHint()) withHints.push_back(c->Name());
    for (const Control* child : c->Children()) pending.push_back(child);
  }
  std::sort(withHints.begin(), withHints.end());
  EXPECT_EQ(withHints, (std::vector<std::string>{"Image_Icon", "Label_Color_Mode", "Shape_Color"}));
}

TEST_F(FormMainTest, NonVisualMembersAreSetUp) {
  TForm_Main& f = Create();
  EXPECT_EQ(f.Timer_AeroHandler.Interval(), 100u);
  EXPECT_TRUE(f.Timer_AeroHandler.Enabled());
  EXPECT_TRUE(f.Timer_AeroHandler.Running());
  EXPECT_FALSE(f.TrayIcon.Visible());
  EXPECT_EQ(f.TrayIcon.Tooltip(), u"Tintara");
  EXPECT_EQ(f.TrayIcon.IconResource(), resources::kLogoIcon);
  EXPECT_EQ(f.TrayIcon.Menu(), &f.PopupMenu_Tray);
  ASSERT_EQ(f.PopupMenu_Tray.Items().size(), 3u);
  EXPECT_EQ(f.PopupMenu_Tray.Items()[0], &f.PopupItem_ShowInterface);
  EXPECT_EQ(f.PopupItem_ShowInterface.Caption(), u"show program interface...");
  EXPECT_EQ(f.PopupItem_ShowInterface.ImageIndex(), 0);
  EXPECT_TRUE(f.N1.IsSeparator());
  EXPECT_EQ(f.Exittheprogram1.Caption(), u"exit the program...");
  EXPECT_EQ(f.Exittheprogram1.ImageIndex(), 1);
  EXPECT_EQ(f.PopupMenu_Tray.Images(), &f.ImageList);
  EXPECT_EQ(f.ImageList.ImageSize(), 16);
  EXPECT_EQ(f.ImageList.IconResources(),
            (std::vector<int>{resources::kLogoIcon, resources::kWarningIcon}));
  EXPECT_EQ(f.ColorDialog.Color(), 0x000000u);
  EXPECT_EQ(f.SaveDialog.Filter(), u"ICON|*.ico");
  EXPECT_EQ(f.SaveDialog.DefaultExt(), u"");
  EXPECT_EQ(f.ActiveControl(), &f.CheckBox_Autostart);
  EXPECT_EQ(f.Path_App(), u"C:\\Program Files\\Tintara\\");
}

TEST_F(FormMainTest, PaintsTheTitleBarPictureUnscaledAndTheTilesStretched) {
  TForm_Main& f = Create();
  RecordingCanvas canvas({0, 0, 600, 202});
  PaintControlTree(f, canvas);
  const auto bitmaps = canvas.Calls(CanvasCall::Op::DrawResourceBitmap);
  ASSERT_EQ(bitmaps.size(), 3u);
  // Painted in z-order: the colour panel's tile, the icon panel's tile, the title bar.
  EXPECT_EQ(bitmaps[0].rect, (Rect{464, 68, 35, 38}));
  EXPECT_EQ(bitmaps[1].rect, (Rect{190, 67, 40, 40}));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(bitmaps[i].resourceId, resources::kTileBitmap);
    EXPECT_EQ(bitmaps[i].fit, BitmapFit::Stretched);
    EXPECT_TRUE(bitmaps[i].alpha);
  }
  EXPECT_EQ(bitmaps[2].resourceId, resources::kTitleBarBitmap);
  EXPECT_EQ(bitmaps[2].fit, BitmapFit::Unscaled);
  EXPECT_EQ(bitmaps[2].clip, (Rect{0, 0, 600, 53}));  // only 53 rows show
  const auto swatch = canvas.Calls(CanvasCall::Op::DrawRoundRect);
  ASSERT_EQ(swatch.size(), 1u);
  EXPECT_EQ(swatch[0].rect, (Rect{473, 78, 16, 16}));
  EXPECT_EQ(swatch[0].ellipse, (Size{4, 4}));
  const auto texts = canvas.Calls(CanvasCall::Op::WriteText);
  std::vector<std::u16string> written;
  for (const CanvasCall& c : texts) written.push_back(c.text);
  EXPECT_EQ(written, (std::vector<std::u16string>{
                         u"Active window icon: ", u"Active window icon color:",
                         u"(use center color)", u"Tintara v1.0", u"X", u"_", u"?"}));
  // The check box is a native control: it paints itself.
  for (const CanvasCall& c : canvas.calls) EXPECT_NE(c.text, u"Run program at Windows startup");
}

}  // namespace
}  // namespace tintara
