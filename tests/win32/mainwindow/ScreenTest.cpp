// What the main window looks like on screen, read back from the display at the
// places the layout fixes: the title bar's light blue, the strip along the bottom,
// and the swatch and icon after a window with a known icon has been captured.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "ScreenPixels.h"
#include "StandInFiles.h"
#include "SyntheticInput.h"
#include "TestIcons.h"
#include "TestWindows.h"

namespace tintara::test {
namespace {

constexpr TColor kLightBlue = 0xFFD9BF;

ScreenPixels WindowPixels(MainWindowHarness& harness) {
  RECT area{};
  GetWindowRect(harness.Window(), &area);
  return ScreenPixels(area);
}

// Keeps the pointer off the window, so no hover colour or hint is in the picture.
void PointerAway(MainWindowHarness& harness) {
  MovePointerTo(harness.OnScreen(300, 400));
  PumpMessagesFor(100);
}

TEST(Win32MainWindowScreen, TheTitleBarIsLightBlueAtTheTopAndTheStripRunsAlongTheBottom) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  PointerAway(harness);
  const ScreenPixels pixels = WindowPixels(harness);
  for (const int x : {10, 300, 590}) {
    for (const int y : {1, 4, 8}) {
      EXPECT_EQ(pixels.At(x, y), kLightBlue)
          << ColorText(pixels.At(x, y)) << " at " << x << ", " << y;
    }
    for (const int y : {198, 199, 200, 201}) {
      EXPECT_EQ(pixels.At(x, y), kLightBlue)
          << ColorText(pixels.At(x, y)) << " at " << x << ", " << y;
    }
    // Between them the window is white, and the title bar fades towards it.
    EXPECT_EQ(pixels.At(x, 190), 0xFFFFFFu) << ColorText(pixels.At(x, 190));
  }
  // The bottom corners are square: the strip reaches the very corner pixels.
  EXPECT_EQ(pixels.At(0, 201), kLightBlue);
  EXPECT_EQ(pixels.At(599, 201), kLightBlue);
  // The fade: lighter further down, white by row 52.
  const TColor row20 = pixels.At(300, 20);
  const TColor row40 = pixels.At(300, 40);
  EXPECT_LT(row20 & 0xFF, row40 & 0xFF) << ColorText(row20) << " then " << ColorText(row40);
  EXPECT_EQ(pixels.At(300, 52), 0xFFFFFFu) << ColorText(pixels.At(300, 52));
  // The dotted splitter: silver dots with white gaps on row 128 (the outline of a
  // one-row rectangle runs along the row twice, so the gaps are fewer than the dots).
  int silver = 0;
  int white = 0;
  for (int x = 24; x < 574; ++x) {
    silver += pixels.At(x, 128) == 0xC0C0C0 ? 1 : 0;
    white += pixels.At(x, 128) == 0xFFFFFF ? 1 : 0;
  }
  EXPECT_GT(silver, 100);
  EXPECT_GT(white, 50);
  EXPECT_EQ(silver + white, 550);
  // The logo's pink top-left quarter.
  const TColor logo = pixels.At(24 + 10, 12 + 10);
  EXPECT_GT(logo & 0xFF, (logo >> 8) & 0xFF) << "more red than green: " << ColorText(logo);
}

TEST(Win32MainWindowScreen, TheSwatchAndTheIconShowTheCapturedWindow) {
  StandInFiles standIn;
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  PointerAway(harness);
  {
    const ScreenPixels before = WindowPixels(harness);
    // Nothing captured yet: the swatch is white on the white-topped tile.
    EXPECT_EQ(before.At(481, 86), 0xFFFFFFu) << ColorText(before.At(481, 86));
  }
  const OwnedIcon icon = MakeSolidAlphaIcon(32, 32, 0xFF2060C0);
  WindowIcons icons;
  icons.classSmall = icon.get();
  icons.classBig = icon.get();
  TestWindow peer(L"TintaraScreenTestPeer", icons);
  // Away from the main window, so both show side by side.
  SetWindowPos(peer.hwnd(), nullptr, 20, 20, 240, 160, SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(BringToFront(peer.hwnd()));
  const TColor expected = RgbToTColor(0x2060C0);
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return harness.Form().Shape_Color.Brush() == std::optional<TColor>(expected); }, 5000))
      << "the tracker did not capture the window";
  PumpMessagesFor(200);
  const ScreenPixels after = WindowPixels(harness);
  // The swatch's middle (Panel_Color at 464, 68; the swatch at 9, 10, 16 x 16).
  EXPECT_EQ(after.At(481, 86), expected) << ColorText(after.At(481, 86));
  EXPECT_EQ(after.At(475, 80), expected) << ColorText(after.At(475, 80));
  // The icon, 32 x 32, fills Image_Icon (Panel_Icon at 190, 67; the image at 4, 3).
  EXPECT_EQ(after.At(194, 70), expected) << ColorText(after.At(194, 70));
  EXPECT_EQ(after.At(210, 86), expected) << ColorText(after.At(210, 86));
  EXPECT_EQ(after.At(225, 101), expected) << ColorText(after.At(225, 101));
  EXPECT_NE(after.At(193, 69), expected) << "the icon stays inside its 32 x 32 area";
}

}  // namespace
}  // namespace tintara::test
