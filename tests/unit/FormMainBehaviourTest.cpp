// The main window's handlers: outline, dragging, hover colours, the hand-picked colour,
// hints, the colour-mode label, the captured icon, the tracker, start-up and close.
#include <algorithm>
#include <vector>

#include "FormMainFixture.h"
#include "engine/IconColorPicker.h"
#include "widgets/Painter.h"
#include "widgets/RecordingCanvas.h"

namespace tintara {
namespace {

using headless::MovePointer;
using headless::MovePointerTo;
using headless::Press;
using headless::PressOn;

// Where `name` first appears in the recorded calls; calls.size() when it does not.
std::size_t FirstCall(const MemoryDesktop& desktop, const std::string& name) {
  return static_cast<std::size_t>(std::find(desktop.calls.begin(), desktop.calls.end(), name) -
                                  desktop.calls.begin());
}

TEST_F(FormMainTest, TheOutlineRoundsTheTopCornersAndSquaresTheBottomOnes) {
  TForm_Main& f = Create(false);
  const WindowHandle w = f.Handle();
  ASSERT_EQ(desktop.regionCalls.size(), 8u);
  const auto r = desktop.regionCalls[0].result;
  const auto left = desktop.regionCalls[1].result;
  const auto right = desktop.regionCalls[4].result;
  const auto window = static_cast<std::int64_t>(w);
  EXPECT_EQ(desktop.regionCalls, (std::vector<MemoryRegionCall>{
                                     {"CreateRoundRectRgn", {0, 0, 601, 203, 6, 6}, r},
                                     {"CreateRectRgn", {0, 199, 3, 203}, left},
                                     {"CombineRgn", {r, r, left}, 1},
                                     {"DeleteObject", {left}, 1},
                                     {"CreateRectRgn", {597, 199, 600, 202}, right},
                                     {"CombineRgn", {r, r, right}, 1},
                                     {"DeleteObject", {right}, 1},
                                     {"SetWindowRgn", {window, r, 1}, 1},
                                 }));
  EXPECT_FALSE(desktop.WindowContains(w, {0, 0}));
  EXPECT_FALSE(desktop.WindowContains(w, {599, 0}));
  EXPECT_TRUE(desktop.WindowContains(w, {0, 201}));
  EXPECT_TRUE(desktop.WindowContains(w, {599, 201}));
  EXPECT_TRUE(desktop.WindowContains(w, {300, 0}));
  // The window owns the one region left; the program holds none.
  ASSERT_EQ(desktop.regions.size(), 1u);
  EXPECT_EQ(desktop.regions.begin()->second.owner, w);
}

TEST_F(FormMainTest, WhenTheWindowRefusesTheRegionTheRegionIsDeleted) {
  desktop.Fail("SetWindowRegion");
  TForm_Main& f = Create(false);
  ASSERT_EQ(desktop.regionCalls.size(), 9u);
  EXPECT_EQ(desktop.regionCalls[7].op, "SetWindowRgn");
  EXPECT_EQ(desktop.regionCalls[7].result, 0);
  EXPECT_EQ(desktop.regionCalls[8].op, "DeleteObject");
  EXPECT_EQ(desktop.regionCalls[8].args[0], desktop.regionCalls[0].result);
  EXPECT_TRUE(desktop.regions.empty());
  EXPECT_EQ(desktop.windowRegions.count(f.Handle()), 0u);
  EXPECT_TRUE(desktop.WindowContains(f.Handle(), {0, 0}));  // rectangular
  EXPECT_TRUE(desktop.messageBoxes.empty());
}

TEST_F(FormMainTest, AnyButtonOnTheBackgroundOrTheTitleBarPictureDragsTheWindow) {
  TForm_Main& f = Create();
  const WindowHandle w = f.Handle();
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    desktop.systemCommands.clear();
    Press(f, button, {300, 112});  // background between the rows
    Press(f, button, {300, 30});   // the title-bar picture
    Press(f, button, {10, 190});   // background below the check box
    EXPECT_EQ(desktop.DragStarts(), (std::vector<WindowHandle>{w, w, w}));
    for (const MemorySystemCommand& c : desktop.systemCommands) {
      EXPECT_EQ(c.command, 0xF012u);
      EXPECT_EQ(c.lParam, 0);
    }
  }
}

TEST_F(FormMainTest, PressesOnTheOtherControlsDoNotDrag) {
  TForm_Main& f = Create();
  desktop.messageAnswers.assign(8, MessageAnswer::No);  // "X" asks; the answer is No
  const std::vector<Control*> controls = {
      &f.Image_Tittle,       &f.Label_Tittle,   &f.Label_Close, &f.Label_Minimize, &f.Label_About,
      &f.CheckBox_Autostart, &f.Shape_Splitter, &f.Shape1,      &f.Label_Icon,     &f.Label_Color,
      &f.Label_Color_Mode,   &f.Image_Icon,     &f.Shape_Color,
  };
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    for (Control* c : controls) {
      SCOPED_TRACE(c->Name());
      ASSERT_EQ(f.ControlAt(headless::CenterOf(*c)), c);
      PressOn(*c, button);
      EXPECT_TRUE(desktop.systemCommands.empty());
    }
  }
  // The tiles, where the icon and the swatch leave them free.
  EXPECT_EQ(f.ControlAt({192, 105}), &f.Image_Icon_BG);
  EXPECT_EQ(f.ControlAt({466, 70}), &f.Image_Color_BG);
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    Press(f, button, {192, 105});
    Press(f, button, {466, 70});
  }
  EXPECT_TRUE(desktop.systemCommands.empty());
}

TEST_F(FormMainTest, TitleBarLabelsTurnBlackUnderThePointerAndGreyAgainWhenItLeaves) {
  TForm_Main& f = Create();
  for (Label* label : {&f.Label_Close, &f.Label_Minimize, &f.Label_About}) {
    SCOPED_TRACE(label->Name());
    EXPECT_EQ(label->GetFont().color, 0x808080u);
    MovePointerTo(*label);
    EXPECT_EQ(label->GetFont().color, 0x000000u);
    MovePointer(f, {300, 30});
    EXPECT_EQ(label->GetFont().color, 0x808080u);
  }
  // A click changes nothing: the pointer is still there.
  desktop.messageAnswers.push_back(MessageAnswer::No);
  PressOn(f.Label_Close);
  EXPECT_EQ(f.Label_Close.GetFont().color, 0x000000u);
  MovePointer(f, {-1, -1});
  EXPECT_EQ(f.Label_Close.GetFont().color, 0x808080u);
}

TEST_F(FormMainTest, AHandPickedColourIsWrittenBeforeTheSwatchShowsIt) {
  TForm_Main& f = Create();
  std::vector<TColor> swatchAtWrite;
  desktop.beforeCall = [&](std::string_view op) {
    if (op == "ColorizationWrite") swatchAtWrite.push_back(f.Shape_Color.Brush().value_or(1));
  };
  backend.colorDialogUser = [](TColor, std::array<TColor, 16>&) {
    return std::optional<TColor>(0x3366CC);
  };
  PressOn(f.Shape_Color, MouseButton::Right);
  ASSERT_EQ(desktop.library.writes.size(), 1u);
  EXPECT_EQ(desktop.library.writes[0].Color, ToDwmColor(0x3366CC));
  EXPECT_EQ(swatchAtWrite, (std::vector<TColor>{0xFFFFFF}));
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0x3366CC));
  EXPECT_EQ(LogLineCount(), 1u);

  // From the label, with the colour confirmed last; confirming it unchanged writes again.
  backend.colorDialogUser = [](TColor initial, std::array<TColor, 16>&) {
    return std::optional<TColor>(initial);
  };
  PressOn(f.Label_Color, MouseButton::Middle);
  ASSERT_EQ(backend.colorDialogs.size(), 2u);
  EXPECT_EQ(backend.colorDialogs[0].initial, 0x000000u);
  EXPECT_EQ(backend.colorDialogs[1].initial, 0x3366CCu);
  EXPECT_EQ(backend.colorDialogs[1].owner, f.Handle());
  EXPECT_EQ(desktop.library.writes.size(), 2u);
  EXPECT_EQ(swatchAtWrite, (std::vector<TColor>{0xFFFFFF, 0x3366CC}));
  EXPECT_EQ(LogLineCount(), 2u);

  // Cancelled: nothing written, the swatch keeps its colour.
  backend.colorDialogUser = nullptr;
  PressOn(f.Shape_Color);
  EXPECT_EQ(backend.colorDialogs.size(), 3u);
  EXPECT_EQ(desktop.library.writes.size(), 2u);
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0x3366CC));
  EXPECT_EQ(f.ColorDialog.Color(), 0x3366CCu);
}

TEST_F(FormMainTest, HintsAppearAfterHalfASecondAndFadeOnlyForTheThreeControls) {
  TForm_Main& f = Create();
  f.MoveTo({100, 50});
  MovePointerTo(f.Shape_Color);
  backend.Advance(499);
  MovePointer(f, {300, 112});
  backend.Advance(1000);
  EXPECT_TRUE(backend.hintFrames.empty());

  MovePointerTo(f.Label_Color_Mode);
  backend.Advance(500);
  ASSERT_EQ(backend.hintFrames.size(), 1u);
  EXPECT_EQ(backend.hintFrames[0].text, u"Click to change the mode.");
  const Point at = headless::CenterOf(f.Label_Color_Mode);
  EXPECT_EQ(backend.hintFrames[0].position, (Point{100 + at.x, 50 + at.y}));
  backend.Advance(180);
  EXPECT_EQ(backend.hintFrames.size(), 10u);
  EXPECT_EQ(backend.hintWindow->opacity, 255);
  MovePointer(f, {300, 112});
  backend.Advance(200);
  EXPECT_EQ(backend.hintFrames.size(), 19u);
  EXPECT_FALSE(backend.hintWindow.has_value());

  backend.hintFrames.clear();
  MovePointerTo(f.Image_Icon);
  backend.Advance(700);
  ASSERT_FALSE(backend.hintFrames.empty());
  EXPECT_EQ(backend.hintFrames.back().text, u"Click here to save rendered icon.");
  MovePointer(f, {300, 112});
  backend.Advance(1000);

  backend.hintFrames.clear();
  MovePointerTo(f.Label_About);
  backend.Advance(2000);
  MovePointerTo(f.Label_Icon);
  backend.Advance(2000);
  MovePointerTo(f.CheckBox_Autostart);
  backend.Advance(2000);
  EXPECT_TRUE(backend.hintFrames.empty());
}

TEST_F(FormMainTest, TheModeLabelKeepsItsRightEdgeAt448ThroughEveryToggle) {
  TForm_Main& f = Create();
  EXPECT_EQ(f.Label_Color_Mode.Caption(), u"(use center color)");
  EXPECT_EQ(f.Label_Color_Mode.Bounds().Right(), 448);
  const std::vector<std::pair<std::u16string, int>> expected = {
      {u"(most used color)", 88}, {u"(use center color)", 93}, {u"(most used color)", 88}};
  for (const auto& [caption, width] : expected) {
    PressOn(f.Label_Color_Mode);
    EXPECT_EQ(f.Label_Color_Mode.Caption(), caption);
    EXPECT_EQ(f.Label_Color_Mode.Width(), width);
    EXPECT_EQ(f.Label_Color_Mode.Bounds().Right(), 448);
    EXPECT_EQ(f.Label_Color_Mode.Top(), 93);
  }
}

TEST_F(FormMainTest, TheCapturedIconIsDrawnAtItsOwnSizeCentredAndCroppedIn32By32) {
  TForm_Main& f = Create();
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF));
  backend.Advance(100);
  RecordingCanvas small({0, 0, 600, 202});
  PaintControlTree(f, small);
  auto icons = small.Calls(CanvasCall::Op::DrawBorrowedIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].rect.TopLeft(), (Point{190 + 4 + 8, 67 + 3 + 8}));
  EXPECT_EQ(icons[0].clip, (Rect{194, 70, 32, 32}));

  BringWindowWithIcon(MemoryIcon::Solid(48, 48, 0x00FF00));
  backend.Advance(100);
  RecordingCanvas large({0, 0, 600, 202});
  PaintControlTree(f, large);
  icons = large.Calls(CanvasCall::Op::DrawBorrowedIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].rect.TopLeft(), (Point{194 - 8, 70 - 8}));
  EXPECT_EQ(icons[0].clip, (Rect{194, 70, 32, 32}));  // only the middle 32 x 32 shows

  // An icon that cannot be measured counts as the standard size.
  MemoryIcon odd = MemoryIcon::Solid(20, 20, 0x00FF00);
  odd.measurable = false;
  desktop.iconHeightMetric = 24;
  BringWindowWithIcon(odd);
  backend.Advance(100);
  EXPECT_EQ(f.Image_Icon.GetPicture().size, (Size{24, 24}));
}

TEST_F(FormMainTest, TheCapturedIconIsShownAtTheSizeItIsCapturedAt) {
  TForm_Main& f = Create();
  MemoryIcon upsideDown = MemoryIcon::Solid(16, 16, 0x0000FF);
  upsideDown.negativeHeight = true;
  BringWindowWithIcon(upsideDown);
  backend.Advance(100);
  RecordingCanvas small({0, 0, 600, 202});
  PaintControlTree(f, small);
  auto icons = small.Calls(CanvasCall::Op::DrawBorrowedIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].rect, (Rect{194 + 8, 70 + 8, 0, 0}));  // centred, at its own size

  BringWindowWithIcon(MemoryIcon::Solid(600, 600, 0x00FF00));
  backend.Advance(100);
  RecordingCanvas huge({0, 0, 600, 202});
  PaintControlTree(f, huge);
  icons = huge.Calls(CanvasCall::Op::DrawBorrowedIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].rect, (Rect{194 - 112, 70 - 112, 256, 256}));  // scaled, centred
  EXPECT_EQ(icons[0].clip, (Rect{194, 70, 32, 32}));
}

TEST_F(FormMainTest, EveryHundredMillisecondsTheTrackerWritesIntoTheRealControls) {
  TForm_Main& f = Create();
  // Mostly red with a blue centre: the mode on the label decides which one is taken.
  MemoryIcon icon = MemoryIcon::Solid(16, 16, 0x0000FF);
  icon.pixels[8 * 16 + 8] = 0xFF0000FF;  // 0xAARRGGBB: blue
  const WindowHandle a = BringWindowWithIcon(icon, u"Notepad");
  backend.Advance(99);
  EXPECT_TRUE(f.Image_Icon.GetPicture().Empty());
  backend.Advance(1);
  EXPECT_EQ(f.Image_Icon.GetPicture().icon, desktop.windows.at(a).classSmallIcon);
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0xFF0000));  // the centre
  EXPECT_EQ(details->Label_Handle.Caption(), FormatWindowHandleCaption(a));
  EXPECT_EQ(details->Label_Class.Caption(), u"Class Name Notepad");
  EXPECT_EQ(LogLineCount(), 1u);

  PressOn(f.Label_Color_Mode);  // "(most used color)"
  BringWindowWithIcon(icon, u"Other");
  backend.Advance(100);
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0x0000FF));  // the majority
  EXPECT_EQ(LogLineCount(), 2u);

  // The main window itself in front is never captured.
  desktop.SetForeground(f.Handle());
  backend.Advance(500);
  EXPECT_EQ(LogLineCount(), 2u);
}

TEST_F(FormMainTest, CreationRunsTheOutlineTheResetAndTheStartUpInOrder) {
  desktop.AddUserKey(AutostartEntry::kRunKeyPath).values[u"Tintara"] =
      MemoryRegistryValue::String(u"\"D:\\old\\Tintara.exe\" autostart");
  desktop.profileFiles[u"C:\\Program Files\\Tintara\\Tintara.ini"] =
      u"[General]\r\nColor_Mode=(most used color)\r\n";
  TForm_Main& f = Create();
  const std::vector<std::string> order = {"SetWindowRegion", "ModuleFileName",
                                          "OpenUserKey",     "SetRegistryString",
                                          "CommandLine",     "ReadProfileValue"};
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_LT(FirstCall(desktop, order[i - 1]), FirstCall(desktop, order[i])) << order[i];
  }
  EXPECT_LT(FirstCall(desktop, order.back()), desktop.calls.size());
  EXPECT_TRUE(f.CheckBox_Autostart.Checked());
  EXPECT_EQ(
      desktop.userKeys.at(std::u16string(AutostartEntry::kRunKeyPath)).values.at(u"Tintara").Text(),
      u"\"C:\\Program Files\\Tintara\\Tintara.exe\" autostart");
  EXPECT_EQ(f.Label_Color_Mode.Caption(), u"(most used color)");
  EXPECT_EQ(f.Path_App(), u"C:\\Program Files\\Tintara\\");
  EXPECT_EQ(f.Tracker().LastForeground(), 0u);
  // A normal start: shown by the message loop, centred on the desktop.
  EXPECT_TRUE(app.ShowMainForm());
  EXPECT_FALSE(f.TrayIcon.Visible());
  app.ShowMainFormIfWanted();
  EXPECT_TRUE(backend.WindowOf(f)->IsVisible());
  EXPECT_EQ(backend.WindowOf(f)->Bounds(), (Rect{660, 439, 600, 202}));
}

TEST_F(FormMainTest, AStartWithTheLaunchSwitchShowsOnlyTheTrayIcon) {
  desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" AutoStart";
  TForm_Main& f = Create();
  EXPECT_FALSE(app.ShowMainForm());
  EXPECT_TRUE(f.TrayIcon.Visible());
  app.ShowMainFormIfWanted();
  EXPECT_FALSE(backend.WindowOf(f)->IsVisible());
  EXPECT_EQ(f.Label_Color_Mode.Caption(), u"(use center color)");
  // The tracker works all the same.
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x00FF00));
  backend.Advance(100);
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0x00FF00));
}

TEST_F(FormMainTest, XAsksBeforeClosingAndAClosingSavesTheModeAndEndsTheProgram) {
  TForm_Main& f = Create();
  app.ShowMainFormIfWanted();
  PressOn(f.Label_Color_Mode);  // "(most used color)"
  desktop.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
  PressOn(f.Label_Close);
  ASSERT_EQ(desktop.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.messageBoxes[0].caption, u"Warning");
  EXPECT_EQ(desktop.messageBoxes[0].text, u"Are you sure to exit?");
  EXPECT_EQ(desktop.messageBoxes[0].icon, MessageIcon::Warning);
  EXPECT_EQ(desktop.messageBoxes[0].buttons, MessageButtons::YesNo);
  EXPECT_FALSE(app.Terminated());
  EXPECT_TRUE(desktop.profileFiles.empty());

  // The tray menu's exit item asks the same question.
  f.Exittheprogram1.Click();
  EXPECT_EQ(desktop.messageBoxes.size(), 2u);
  EXPECT_TRUE(app.Terminated());
  EXPECT_TRUE(backend.messageLoopEnded);
  EXPECT_TRUE(backend.WindowOf(f)->IsVisible());  // not hidden on the way out
  const std::u16string ini = desktop.profileFiles.at(u"C:\\Program Files\\Tintara\\Tintara.ini");
  EXPECT_NE(ini.find(u"Color_Mode=(most used color)"), std::u16string::npos);
}

TEST_F(FormMainTest, TheAutostartBoxAndTheModeLabelAreBoundToTheirSettings) {
  desktop.AddUserKey(AutostartEntry::kRunKeyPath);
  TForm_Main& f = Create();
  PressOn(f.CheckBox_Autostart);
  EXPECT_TRUE(f.CheckBox_Autostart.Checked());
  EXPECT_EQ(
      desktop.userKeys.at(std::u16string(AutostartEntry::kRunKeyPath)).values.count(u"Tintara"),
      1u);
  PressOn(f.CheckBox_Autostart);
  EXPECT_EQ(
      desktop.userKeys.at(std::u16string(AutostartEntry::kRunKeyPath)).values.count(u"Tintara"),
      0u);
  f.Close();  // closed from outside: no question, the mode is saved
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_EQ(desktop.profileFiles.count(u"C:\\Program Files\\Tintara\\Tintara.ini"), 1u);
}

}  // namespace
}  // namespace tintara
