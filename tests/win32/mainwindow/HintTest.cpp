// The hints of the swatch, the captured icon and the colour mode: nothing for the
// first 500 ms, then a small window that fades in, stays while the pointer stays and
// fades out when it leaves. Other controls show none.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "SyntheticInput.h"

namespace tintara::test {
namespace {

constexpr POINT kSwatch{481, 86};

const win32::HintWindow* Hint(MainWindowHarness& harness) {
  return harness.Backend().CurrentHintWindow();
}

TEST(Win32MainWindowHints, TheSwatchHintAppearsAfterTheWaitStaysAndFadesOut) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  MovePointerTo(harness.OnScreen(300, 160));
  PumpMessagesFor(100);
  const POINT at = harness.OnScreen(kSwatch.x, kSwatch.y);
  MovePointerTo(at);
  PumpMessagesFor(300);
  EXPECT_EQ(Hint(harness), nullptr) << "no hint during the wait";

  ASSERT_TRUE(PumpMessagesUntil([&] { return Hint(harness) != nullptr; }, 2000));
  ASSERT_TRUE(PumpMessagesUntil([&] { return Hint(harness)->Opacity() == 255; }, 2000))
      << "the hint fades in to fully opaque";
  const HWND window = Hint(harness)->Handle();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT placed{};
  GetWindowRect(window, &placed);
  EXPECT_EQ(placed.left, at.x);
  EXPECT_EQ(placed.top, at.y);
  const std::optional<HintFrame> frame = harness.Form().BalloonHint.CurrentFrame();
  ASSERT_TRUE(frame.has_value());
  EXPECT_EQ(frame->text, u"Click here to change Aero color manually.");

  // It never goes on a timer of its own.
  PumpMessagesFor(1500);
  ASSERT_NE(Hint(harness), nullptr);
  EXPECT_EQ(Hint(harness)->Opacity(), 255);

  MovePointerTo(harness.OnScreen(300, 160));
  ASSERT_TRUE(PumpMessagesUntil([&] { return Hint(harness) == nullptr; }, 2000))
      << "the hint fades out and goes when the pointer leaves";
  EXPECT_FALSE(IsWindow(window));
}

TEST(Win32MainWindowHints, AShortVisitShowsNothing) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  MovePointerTo(harness.OnScreen(kSwatch.x, kSwatch.y));
  PumpMessagesFor(250);
  MovePointerTo(harness.OnScreen(300, 160));
  bool appeared = false;
  PumpMessagesUntil(
      [&] {
        appeared = appeared || Hint(harness) != nullptr;
        return false;
      },
      1200);
  EXPECT_FALSE(appeared);
}

TEST(Win32MainWindowHints, TheAboutLabelAndTheIconLabelShowNone) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  for (const POINT at : {POINT{559, 14}, POINT{100, 86}}) {
    MovePointerTo(harness.OnScreen(at.x, at.y));
    bool appeared = false;
    PumpMessagesUntil(
        [&] {
          appeared = appeared || Hint(harness) != nullptr;
          return false;
        },
        1200);
    EXPECT_FALSE(appeared) << "at " << at.x << ", " << at.y;
  }
}

}  // namespace
}  // namespace tintara::test
