// The hints of the swatch, the captured icon and the colour mode: nothing for the
// first 500 ms, then a small window that fades in, stays while the pointer stays and
// fades out when it leaves. Other controls show none. The wait, the fades and the
// window belong to a thread of their own, so the window stays responsive meanwhile.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>

#include "MainWindowHarness.h"
#include "SyntheticInput.h"

namespace tintara::test {
namespace {

constexpr POINT kSwatch{481, 86};

std::optional<win32::HintWindowState> Hint(MainWindowHarness& harness) {
  return harness.Backend().CurrentHintWindow();
}

bool HintIsOpaque(MainWindowHarness& harness) {
  const std::optional<win32::HintWindowState> hint = Hint(harness);
  return hint && hint->opacity == 255;
}

// Hovers the swatch until the form has seen the pointer arrive.
void HoverSwatch(MainWindowHarness& harness) {
  MovePointerTo(harness.OnScreen(300, 160));
  PumpMessagesFor(100);
  MovePointerTo(harness.OnScreen(kSwatch.x, kSwatch.y));
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return harness.Form().HoveredControl() == &harness.Form().Shape_Color; }, 2000));
}

TEST(Win32MainWindowHints, TheSwatchHintAppearsAfterTheWaitStaysAndFadesOut) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  MovePointerTo(harness.OnScreen(300, 160));
  PumpMessagesFor(100);
  EXPECT_FALSE(harness.Backend().HintWorkerStarted()) << "no hint thread before the first hint";
  const POINT at = harness.OnScreen(kSwatch.x, kSwatch.y);
  MovePointerTo(at);
  PumpMessagesFor(300);
  EXPECT_TRUE(harness.Backend().HintWorkerStarted());
  EXPECT_FALSE(Hint(harness).has_value()) << "no hint during the wait";

  ASSERT_TRUE(PumpMessagesUntil([&] { return Hint(harness).has_value(); }, 2000));
  ASSERT_TRUE(PumpMessagesUntil([&] { return HintIsOpaque(harness); }, 2000))
      << "the hint fades in to fully opaque";
  const HWND window = Hint(harness)->window;
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
  ASSERT_TRUE(Hint(harness).has_value());
  EXPECT_EQ(Hint(harness)->opacity, 255);

  MovePointerTo(harness.OnScreen(300, 160));
  ASSERT_TRUE(PumpMessagesUntil([&] { return !Hint(harness).has_value(); }, 2000))
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
        appeared = appeared || Hint(harness).has_value();
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
          appeared = appeared || Hint(harness).has_value();
          return false;
        },
        1200);
    EXPECT_FALSE(appeared) << "at " << at.x << ", " << at.y;
  }
}

TEST(Win32MainWindowHints, TheHintWindowBelongsToAThreadOtherThanTheUserInterfaceOne) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  HoverSwatch(harness);
  ASSERT_TRUE(PumpMessagesUntil([&] { return Hint(harness).has_value(); }, 2000));
  const DWORD owner = GetWindowThreadProcessId(Hint(harness)->window, nullptr);
  EXPECT_NE(owner, 0u);
  EXPECT_NE(owner, GetCurrentThreadId());
  EXPECT_EQ(GetWindowThreadProcessId(harness.Window(), nullptr), GetCurrentThreadId());
}

TEST(Win32MainWindowHints, TheHintThreadAnswersMessagesSentToTheHintWindow) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  HoverSwatch(harness);
  ASSERT_TRUE(PumpMessagesUntil([&] { return HintIsOpaque(harness); }, 3000));
  const HWND window = Hint(harness)->window;
  // A broadcast such as a settings change reaches the hint window with a plain send
  // from some other thread, whose sender waits until the hint's thread answers.
  std::atomic<bool> answered{false};
  BackgroundScript sender([&](const std::atomic<bool>&) {
    DWORD_PTR result = 0;
    answered = SendMessageTimeoutW(window, WM_SETTINGCHANGE, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
  });
  ASSERT_TRUE(PumpMessagesUntil([&] { return sender.Finished(); }, 5000));
  EXPECT_TRUE(answered) << "the send waited longer than a second";
  EXPECT_TRUE(Hint(harness).has_value()) << "the hint stays while the pointer does";
}

TEST(Win32MainWindowHints, TheHintWaitsAndFadesWhileTheUserInterfaceThreadIsBusy) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  HoverSwatch(harness);
  // Not a single message is taken meanwhile: the wait and the fade in go on elsewhere.
  Sleep(1200);
  EXPECT_TRUE(HintIsOpaque(harness));

  MovePointerTo(harness.OnScreen(300, 160));
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return harness.Form().HoveredControl() != &harness.Form().Shape_Color; }, 2000));
  Sleep(800);
  EXPECT_FALSE(Hint(harness).has_value()) << "the fade out went on too";
}

TEST(Win32MainWindowHints, TheMessageLoopAnswersWhileTheHintFades) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const HWND form = harness.Window();
  std::atomic<int> answeredWhileFading{0};
  std::atomic<int> unansweredWhileFading{0};
  // Another thread asks the form's window for an answer, which only its message loop
  // gives, as long as the hint is neither gone nor fully opaque.
  BackgroundScript asker([&](const std::atomic<bool>& stop) {
    while (!stop) {
      const std::optional<win32::HintWindowState> hint = harness.Backend().CurrentHintWindow();
      if (!hint || hint->opacity == 255) {
        Sleep(1);
        continue;
      }
      DWORD_PTR result = 0;
      if (SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0) {
        ++answeredWhileFading;
      } else {
        ++unansweredWhileFading;
      }
    }
  });
  HoverSwatch(harness);
  ASSERT_TRUE(PumpMessagesUntil([&] { return HintIsOpaque(harness); }, 3000));
  MovePointerTo(harness.OnScreen(300, 160));
  ASSERT_TRUE(PumpMessagesUntil([&] { return !Hint(harness).has_value(); }, 3000));
  // Both fades take some 200 ms each; a message loop held up by them would answer
  // hardly at all.
  EXPECT_GE(answeredWhileFading.load(), 10);
  EXPECT_EQ(unansweredWhileFading.load(), 0);
}

}  // namespace
}  // namespace tintara::test
