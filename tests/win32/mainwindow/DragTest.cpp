// Dragging the main window by its background and its title-bar picture: the press
// hands the pointer to the system's move loop, and the window follows the pointer.
#include <gtest/gtest.h>

#include <optional>

#include "MainWindowHarness.h"
#include "SyntheticInput.h"
#include "TestWindows.h"

namespace tintara::test {
namespace {

// Presses `button` at the window point (x, y), then, once the system's move loop has
// taken over, moves the pointer by (dx, dy) in steps and lets go. Returns the window's
// new top-left corner.
POINT DragBy(MainWindowHarness& harness, int x, int y, Button button, int dx, int dy) {
  const POINT start = harness.OnScreen(x, y);
  MovePointerTo(start);
  PumpMessagesFor(100);
  const DWORD uiThread = GetCurrentThreadId();
  BackgroundScript user([=](const std::atomic<bool>& stop) {
    const ULONGLONG deadline = GetTickCount64() + 3000;
    bool moving = false;
    while (!(moving = InMoveLoop(uiThread)) && !stop && GetTickCount64() < deadline) Sleep(10);
    if (moving) {
      for (int step = 1; step <= 5; ++step) {
        MovePointerTo({start.x + dx * step / 5, start.y + dy * step / 5});
        Sleep(40);
      }
    }
    ReleaseButton(button);
    Sleep(100);
    // The system's move loop ends on the left button only; a drag begun with another
    // button is finished the way the keyboard would finish it.
    if (InMoveLoop(uiThread)) TapKey(VK_RETURN);
    Sleep(500);
    // Never leave the test thread in the loop, whatever went wrong.
    if (InMoveLoop(uiThread)) {
      PressButton(Button::Left);
      ReleaseButton(Button::Left);
    }
  });
  PressButton(button);
  PumpMessagesUntil([&] { return user.Finished() && !InMoveLoop(uiThread); }, 8000);
  PumpMessagesFor(100);
  return harness.Origin();
}

TEST(Win32MainWindowDrag, TheTitleBarPictureMovesTheWindowWithTheLeftButton) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const POINT before = harness.Origin();
  const POINT after = DragBy(harness, 300, 30, Button::Left, 60, 40);
  EXPECT_EQ(after.x, before.x + 60);
  EXPECT_EQ(after.y, before.y + 40);
}

TEST(Win32MainWindowDrag, TheRightButtonStartsTheMoveJustLikeTheLeft) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const POINT before = harness.Origin();
  const POINT after = DragBy(harness, 400, 20, Button::Right, -50, 30);
  EXPECT_EQ(after.x, before.x - 50);
  EXPECT_EQ(after.y, before.y + 30);
}

TEST(Win32MainWindowDrag, TheWindowBackgroundMovesTheWindow) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const POINT before = harness.Origin();
  // Below the splitter, right of the check box: nothing but the window itself.
  const POINT after = DragBy(harness, 450, 160, Button::Left, 35, -25);
  EXPECT_EQ(after.x, before.x + 35);
  EXPECT_EQ(after.y, before.y - 25);
}

TEST(Win32MainWindowDrag, AfterADragTheFormKnowsWhereItIsAndHintsOpenAtThePointer) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const POINT after = DragBy(harness, 300, 30, Button::Left, 70, 45);
  EXPECT_EQ(harness.Form().Left(), after.x);
  EXPECT_EQ(harness.Form().Top(), after.y);

  MovePointerTo(harness.OnScreen(300, 160));
  PumpMessagesFor(100);
  const POINT swatch = harness.OnScreen(481, 86);
  MovePointerTo(swatch);
  std::optional<win32::HintWindowState> hint;
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return (hint = harness.Backend().CurrentHintWindow()).has_value(); }, 3000));
  RECT placed{};
  GetWindowRect(hint->window, &placed);
  EXPECT_EQ(placed.left, swatch.x);
  EXPECT_EQ(placed.top, swatch.y);
}

TEST(Win32MainWindowDrag, APressOnTheTitleTextOrTheLogoDoesNotMoveTheWindow) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const POINT before = harness.Origin();
  for (const POINT at : {POINT{70, 24}, POINT{40, 28}}) {
    MovePointerTo(harness.OnScreen(at.x, at.y));
    PumpMessagesFor(50);
    PressButton(Button::Left);
    PumpMessagesFor(150);
    EXPECT_FALSE(InMoveLoop(GetCurrentThreadId())) << "at " << at.x << ", " << at.y;
    MovePointerTo(harness.OnScreen(at.x + 40, at.y + 30));
    PumpMessagesFor(100);
    ReleaseButton(Button::Left);
    PumpMessagesFor(100);
  }
  const POINT after = harness.Origin();
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
}

}  // namespace
}  // namespace tintara::test
