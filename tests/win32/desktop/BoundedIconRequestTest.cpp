// A window whose thread never answers must not hold the poll: each icon request is
// bounded and one that gets no answer counts as no icon.
#include <gtest/gtest.h>

#include <chrono>

#include "TestIcons.h"
#include "TestWindows.h"
#include "engine/ColorizationControl.h"
#include "engine/ForegroundTracker.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using Clock = std::chrono::steady_clock;

TEST(Win32BoundedIconRequest, AWindowThatNeverAnswersCountsAsNoIcon) {
  const test::OwnedIcon answer = test::MakeSolidAlphaIcon(16, 16, 0xFF336699);
  test::StuckIconWindow stuck(answer.get(), 10000);
  Win32Desktop desktop;

  const auto start = Clock::now();
  EXPECT_EQ(desktop.WindowIcon(stuck.handle(), WindowIconKind::Small), 0u);
  const auto oneRequest = Clock::now() - start;
  EXPECT_LT(oneRequest, std::chrono::seconds(3));
  // The request did reach the window: it was the missing answer that ended it.
  EXPECT_EQ(stuck.HeldRequests(), 1);

  // The tracker asks three times; each gives up, and the lookup ends with no icon.
  ColorizationControl colorization{desktop};
  DisplayHolders display;
  ForegroundTracker tracker{desktop, colorization, display};
  const auto lookupStart = Clock::now();
  EXPECT_EQ(tracker.GetWindowIconHandle(stuck.handle()), 0u);
  EXPECT_LT(Clock::now() - lookupStart, std::chrono::seconds(9));

  // This thread's own messages are still handled afterwards: a window of its own
  // closes when asked to by a posted message.
  test::TestWindow own(L"TintaraBoundedOwnWindow", test::WindowIcons{});
  PostMessageW(own.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(test::PumpMessagesUntil([&] { return !IsWindow(own.hwnd()); }, 2000));

  // Once the window answers again, the very same request finds its icon: the zeros
  // above came from the bound, not from a window without icons.
  stuck.Release();
  IconHandle icon = 0;
  EXPECT_TRUE(test::PumpMessagesUntil(
      [&] {
        icon = desktop.WindowIcon(stuck.handle(), WindowIconKind::Small);
        return icon != 0;
      },
      5000));
  EXPECT_EQ(icon, answer.handle());
}

}  // namespace
}  // namespace tintara
