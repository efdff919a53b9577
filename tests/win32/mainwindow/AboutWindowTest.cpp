// The About window as the program shows it: "?" opens it modally over a disabled main
// window, as a band as wide as the screen drawn at opacity 200, its bands rolling; a
// click on the bottom strip leaves it up, a click above closes it. The script runs on a
// thread of its own while the test's thread is inside the modal loop.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "MainWindowHarness.h"
#include "ScreenPixels.h"
#include "SyntheticInput.h"
#include "TestWindows.h"
#include "app/FormAbout.h"
#include "platform/win32/HandleCast.h"

namespace tintara::test {
namespace {

constexpr TColor kLightBlue = 0xFFD9BF;

// Polls `done` from the script's thread until it holds or the time is up.
bool WaitFor(const std::atomic<bool>& stop, DWORD timeoutMs, const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!stop && GetTickCount64() < end) {
    if (done()) return true;
    Sleep(20);
  }
  return done();
}

void ClickAt(POINT screen) {
  MovePointerTo(screen);
  Sleep(50);
  PressButton(Button::Left);
  ReleaseButton(Button::Left);
}

// What the script saw while the band was up.
struct Seen {
  bool shown = false;
  RECT rect{};
  bool layered = false;
  BYTE alpha = 0;
  DWORD flags = 0;
  bool mainDisabled = false;
  bool uniformRow = false;  // one colour across the whole band, edge to edge
  TColor strip = 0;
  bool rolled = false;  // the same place showed another colour a moment later
  bool upAfterStripClick = false;
  bool closed = false;
};

TEST(Win32AboutWindow, TheQuestionMarkOpensAScreenWideBandThatAClickAboveTheStripCloses) {
  MainWindowHarness harness;
  TForm_About about(harness.App());
  harness.Form().SetAboutWindow(&about);
  harness.ShowAsAtStart();
  const HWND band = win32::ToNative<HWND>(about.Handle());
  const HWND mainWindow = harness.Window();
  EXPECT_EQ(GetWindow(band, GW_OWNER), mainWindow);

  Seen seen;
  BackgroundScript script([&](const std::atomic<bool>& stop) {
    seen.shown = WaitFor(stop, 8000, [&] { return IsWindowVisible(band) != FALSE; });
    if (!seen.shown) return;
    GetWindowRect(band, &seen.rect);
    seen.layered = (GetWindowLongW(band, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    COLORREF key = 0;
    GetLayeredWindowAttributes(band, &key, &seen.alpha, &seen.flags);
    seen.mainDisabled = IsWindowEnabled(mainWindow) == FALSE;
    const int width = seen.rect.right - seen.rect.left;
    // Below the texts, the gradient runs across the whole band in one colour per row;
    // the bottom strip is light blue. Wait for the first paint.
    const RECT rows{seen.rect.left, seen.rect.top + 100, seen.rect.right, seen.rect.bottom};
    WaitFor(stop, 5000, [&] {
      const ScreenPixels pixels(rows);
      return pixels.At(width / 2, rows.bottom - rows.top - 3) == kLightBlue;
    });
    const ScreenPixels first(rows);
    seen.strip = first.At(width - 1, rows.bottom - rows.top - 1);
    seen.uniformRow = true;
    for (int x = 0; x < width; ++x) seen.uniformRow &= first.At(x, 90) == first.At(0, 90);
    seen.rolled = WaitFor(stop, 5000, [&] { return ScreenPixels(rows).At(0, 0) != first.At(0, 0); });

    ClickAt({seen.rect.left + width / 2, seen.rect.bottom - 2});
    // As long as a click above takes to close it, it stays up.
    seen.upAfterStripClick = !WaitFor(stop, 1000, [&] { return IsWindowVisible(band) == FALSE; });
    ClickAt({seen.rect.left + 300, seen.rect.top + 120});  // on "Author: " and its value
    seen.closed = WaitFor(stop, 8000, [&] { return IsWindowVisible(band) == FALSE; });
  });
  // "?" at 555, 6 in the title bar.
  ClickAt(harness.OnScreen(558, 15));
  PumpMessagesUntil([&] { return script.Finished(); }, 60000);

  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.rect.left, 0);
  EXPECT_EQ(seen.rect.right - seen.rect.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(seen.rect.bottom - seen.rect.top, 210);
  EXPECT_TRUE(seen.layered);
  EXPECT_EQ(seen.alpha, 200);
  EXPECT_EQ(seen.flags, static_cast<DWORD>(LWA_ALPHA));
  EXPECT_TRUE(seen.mainDisabled) << "the main window takes no input meanwhile";
  EXPECT_TRUE(seen.uniformRow);
  EXPECT_EQ(seen.strip, kLightBlue) << ColorText(seen.strip);
  EXPECT_TRUE(seen.rolled) << "the bands move";
  EXPECT_TRUE(seen.upAfterStripClick);
  EXPECT_TRUE(seen.closed);
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(IsWindowEnabled(mainWindow));
}

}  // namespace
}  // namespace tintara::test
