// The details window: its outline, dragging and "X", where it first appears, how the
// logo opens it, and the captions and log it keeps while hidden.
#include <string>
#include <vector>

#include "FormMainFixture.h"
#include "widgets/WindowStyles.h"

namespace tintara {
namespace {

using headless::MovePointer;
using headless::MovePointerTo;
using headless::Press;
using headless::PressOn;

class FormDetailsTest : public FormMainTest {
 protected:
  FormDetailsTest() { desktop.library.record = {0x11223344, 0x55667788, 12, 34, -56, 78, 9}; }
};

TEST_F(FormDetailsTest, ItIsMadeHiddenOwnedByTheMainWindowWithTheSameOutline) {
  TForm_Main& f = Create();
  TForm_Details& d = *details;
  const headless::HeadlessWindow& window = *backend.WindowOf(d);
  EXPECT_FALSE(window.IsVisible());
  EXPECT_EQ(window.Params().style, styles::kWsPopup);
  EXPECT_NE(window.Params().classStyle & styles::kCsDropShadow, 0u);
  EXPECT_EQ(window.Params().owner, f.Handle());
  EXPECT_EQ(window.Params().caption, u"");
  EXPECT_EQ(d.Bounds().Extent(), (Size{600, 328}));

  // The main window's eight region calls come first.
  ASSERT_EQ(desktop.regionCalls.size(), 16u);
  const auto r = desktop.regionCalls[8].result;
  EXPECT_EQ(desktop.regionCalls[8].op, "CreateRoundRectRgn");
  EXPECT_EQ(desktop.regionCalls[8].args, (std::vector<std::int64_t>{0, 0, 601, 329, 6, 6}));
  EXPECT_EQ(desktop.regionCalls[9].args, (std::vector<std::int64_t>{0, 325, 3, 329}));
  EXPECT_EQ(desktop.regionCalls[12].args, (std::vector<std::int64_t>{597, 325, 600, 328}));
  EXPECT_EQ(desktop.regionCalls[15].args,
            (std::vector<std::int64_t>{static_cast<std::int64_t>(d.Handle()), r, 1}));
  EXPECT_FALSE(desktop.WindowContains(d.Handle(), {0, 0}));
  EXPECT_FALSE(desktop.WindowContains(d.Handle(), {599, 0}));
  EXPECT_TRUE(desktop.WindowContains(d.Handle(), {0, 327}));
  EXPECT_TRUE(desktop.WindowContains(d.Handle(), {599, 327}));
}

TEST_F(FormDetailsTest, AnyButtonOnItsBackgroundOrTitleBarPictureDragsItAndNothingElseDoes) {
  Create();
  TForm_Details& d = *details;
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    Press(d, button, {300, 30});   // the title-bar picture
    Press(d, button, {20, 200});   // the background left of the log
    Press(d, button, {300, 320});  // below the log
  }
  EXPECT_EQ(desktop.DragStarts(), std::vector<WindowHandle>(9, d.Handle()));

  desktop.systemCommands.clear();
  for (Control* c : std::vector<Control*>{&d.Image_Tittle, &d.Label_Tittle, &d.Label_Close,
                                          &d.Label_Handle, &d.Label_Class, &d.Memo_Log}) {
    SCOPED_TRACE(c->Name());
    ASSERT_EQ(d.ControlAt(headless::CenterOf(*c)), c);
    PressOn(*c, MouseButton::Right);
  }
  EXPECT_TRUE(desktop.systemCommands.empty());
}

TEST_F(FormDetailsTest, XTurnsBlackUnderThePointerAndHidesTheWindowWithoutAsking) {
  TForm_Main& f = Create();
  TForm_Details& d = *details;
  app.ShowMainFormIfWanted();
  PressOn(f.Image_Tittle);
  ASSERT_TRUE(backend.WindowOf(d)->IsVisible());
  EXPECT_FALSE(d.Label_Close.Transparent());
  EXPECT_EQ(d.Label_Close.Color(), 0xFFF5EDu);
  EXPECT_EQ(d.Label_Close.GetFont().color, 0xC0C0C0u);
  MovePointerTo(d.Label_Close);
  EXPECT_EQ(d.Label_Close.GetFont().color, 0x000000u);
  MovePointer(d, {300, 30});
  EXPECT_EQ(d.Label_Close.GetFont().color, 0xC0C0C0u);

  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF));
  backend.Advance(100);
  PressOn(d.Label_Close);
  EXPECT_FALSE(backend.WindowOf(d)->IsVisible());
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_FALSE(app.Terminated());
  EXPECT_TRUE(backend.WindowOf(f)->IsVisible());
  EXPECT_EQ(LogLineCount(), 1u);
  // Opened again, it holds what it held.
  PressOn(f.Image_Tittle);
  EXPECT_TRUE(backend.WindowOf(d)->IsVisible());
  EXPECT_EQ(LogLineCount(), 1u);
}

TEST_F(FormDetailsTest, TheFirstShowingCentresItOverTheMainWindowWhereverThatIsThen) {
  TForm_Main& f = Create();
  TForm_Details& d = *details;
  app.ShowMainFormIfWanted();
  // The user has dragged the main window.
  desktop.placements.at(f.Handle()).bounds = {100, 500, 600, 202};
  PressOn(f.Image_Tittle);
  EXPECT_EQ(backend.WindowOf(d)->Bounds(), (Rect{100, 437, 600, 328}));

  // Shown again: where it was left, not centred anew.
  PressOn(d.Label_Close);
  desktop.placements.at(f.Handle()).bounds = {300, 300, 600, 202};
  PressOn(f.Image_Tittle);
  EXPECT_EQ(backend.WindowOf(d)->Bounds().TopLeft(), (Point{100, 437}));

  // Never left of or above the desktop.
  EXPECT_EQ(CenteredOver({600, 328}, {-50, 20, 600, 202}, {0, 0, 1920, 1080}), (Point{0, 0}));
  EXPECT_EQ(CenteredOver({600, 328}, {-50, 20, 600, 202}, {-1920, -500, 3840, 1580}),
            (Point{-50, -43}));
}

TEST_F(FormDetailsTest, WhileHiddenItKeepsTheLastCaptionsAndOneLogLinePerColorization) {
  TForm_Main& f = Create();
  TForm_Details& d = *details;
  EXPECT_EQ(d.Label_Handle.Caption(), u"Window Handle");
  EXPECT_EQ(d.Label_Class.Caption(), u"ClassName");
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF), u"First");
  backend.Advance(100);
  desktop.library.record.BlurBalance = -7;
  const WindowHandle second = BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x00FF00), u"Second");
  backend.Advance(100);
  // A hand-picked colour writes a line as well.
  backend.colorDialogUser = [](TColor, std::array<TColor, 16>&) {
    return std::optional<TColor>(0x123456);
  };
  PressOn(f.Shape_Color);

  EXPECT_FALSE(backend.WindowOf(d)->IsVisible());
  EXPECT_EQ(d.Label_Handle.Caption(), FormatWindowHandleCaption(second));
  EXPECT_EQ(d.Label_Class.Caption(), u"Class Name Second");
  const TextLines& log = d.Memo_Log.Lines();
  ASSERT_EQ(log.Count(), 3u);
  EXPECT_EQ(log.Line(0),
            u"Intensity 70 - Color 00FF0000 - Color Afterglow 55667788 - Color AfterglowBalance "
            u"34 - Color BlurBalance -56 - Color GlassReflectionIntensity 78");
  EXPECT_EQ(log.Line(1).substr(0, 30), u"Intensity 70 - Color 0000FF00 ");
  EXPECT_NE(log.Line(1).find(u"BlurBalance -7 "), std::u16string::npos);
  EXPECT_EQ(log.Line(2).substr(0, 30), u"Intensity 70 - Color 00563412 ");
}

TEST_F(FormDetailsTest, WhatIsWrittenBeforeTheWindowExistsIsHandedToItInOrder) {
  TForm_Main& f = Create(false);
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF), u"Early");
  backend.Advance(100);
  const WindowHandle later = BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x00FF00), u"Later");
  backend.Advance(100);
  EXPECT_EQ(f.Details().PendingLines(), 2u);
  // Clicking the logo before there is a details window does nothing.
  PressOn(f.Image_Tittle);

  details = std::make_unique<TForm_Details>(app);
  f.AttachDetails(details.get());
  EXPECT_EQ(f.Details().PendingLines(), 0u);
  EXPECT_EQ(details->Label_Handle.Caption(), FormatWindowHandleCaption(later));
  EXPECT_EQ(details->Label_Class.Caption(), u"Class Name Later");
  ASSERT_EQ(LogLineCount(), 2u);
  EXPECT_EQ(details->Memo_Log.Lines().Line(0).substr(0, 30), u"Intensity 70 - Color 00FF0000 ");
  EXPECT_EQ(details->Memo_Log.Lines().Line(1).substr(0, 30), u"Intensity 70 - Color 0000FF00 ");
  // Then straight through.
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0xFF0000), u"Third");
  backend.Advance(100);
  EXPECT_EQ(LogLineCount(), 3u);
  EXPECT_EQ(details->Label_Class.Caption(), u"Class Name Third");
}

}  // namespace
}  // namespace tintara
