// The main window as the system sees it: its outline, its styles and where it first
// appears.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "widgets/Form.h"

namespace tintara::test {
namespace {

TEST(Win32MainWindow, TheOutlineRoundsTheTopCornersAndSquaresTheBottomOnes) {
  MainWindowHarness harness;
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(harness.Window(), outline), ERROR) << "the window has no region";
  EXPECT_FALSE(PtInRegion(outline, 0, 0));
  EXPECT_FALSE(PtInRegion(outline, 599, 0));
  EXPECT_TRUE(PtInRegion(outline, 0, 201));
  EXPECT_TRUE(PtInRegion(outline, 599, 201));
  EXPECT_TRUE(PtInRegion(outline, 300, 0));
  EXPECT_TRUE(PtInRegion(outline, 2, 2));
  EXPECT_FALSE(PtInRegion(outline, 600, 100));
  EXPECT_FALSE(PtInRegion(outline, 300, 202));
  DeleteObject(outline);
}

TEST(Win32MainWindow, IsABorderlessPopupWithADropShadow) {
  MainWindowHarness harness;
  const HWND window = harness.Window();
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  // The system adds WS_CLIPSIBLINGS to every top-level window.
  EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS), static_cast<DWORD>(WS_POPUP));
  EXPECT_NE(GetClassLongPtrW(window, GCL_STYLE) & CS_DROPSHADOW, 0u);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 202);
  wchar_t title[32] = {};
  GetWindowTextW(window, title, 32);
  EXPECT_STREQ(title, L"Tintara");
  EXPECT_FALSE(IsWindowVisible(window)) << "the window shows only when the message loop starts";
}

TEST(Win32MainWindow, FirstShowsCentredOnTheDesktop) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const Rect desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT placed{};
  GetWindowRect(harness.Window(), &placed);
  EXPECT_EQ(placed.left, desktop.left + desktop.width / 2 - 300);
  EXPECT_EQ(placed.top, desktop.top + desktop.height / 2 - 101);
  EXPECT_EQ(placed.right - placed.left, 600);
  EXPECT_EQ(placed.bottom - placed.top, 202);
  EXPECT_TRUE(IsWindowVisible(harness.Window()));
  EXPECT_EQ(GetForegroundWindow(), harness.Window());
}

TEST(Win32MainWindow, TheTrackerLeavesTheMainWindowAlone) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  ASSERT_EQ(GetForegroundWindow(), harness.Window());
  PumpMessagesFor(400);  // several ticks of the 100 ms poll
  EXPECT_EQ(harness.Form().Tracker().LastForeground(), 0u);
  EXPECT_EQ(harness.Form().Image_Icon.GetPicture().source, Picture::Source::None);
}

}  // namespace
}  // namespace tintara::test
