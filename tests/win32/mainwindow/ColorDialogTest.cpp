// The hand-picked colour: a press of any button on the swatch (or on "Active window
// icon color:") opens the system's colour chooser, owned by the main window and in its
// basic form; cancelling changes nothing, confirming writes the colorization and then
// shows the colour in the swatch.
#include <gtest/gtest.h>

#include <string>

#include "DialogWatcher.h"
#include "MainWindowHarness.h"
#include "StandInFiles.h"
#include "SyntheticInput.h"
#include "TestWindows.h"

namespace tintara::test {
namespace {

// Ids of the colour chooser's own controls: "Define Custom Colors >>" and the colour
// field that only the expanded form shows.
constexpr int kDefineCustomColorsButton = 719;
constexpr int kColorField = 710;

struct SeenDialog {
  HWND owner = nullptr;
  bool basicForm = false;
};

// Presses `button` at the window point and answers the dialog that opens with
// `answer` (IDOK or IDCANCEL). Returns what was seen of the dialog.
SeenDialog PressAndAnswer(MainWindowHarness& harness, POINT at, Button button, int answer) {
  SeenDialog seen;
  DialogWatcher watcher(GetCurrentThreadId(), [&](HWND dialog) {
    seen.owner = GetWindow(dialog, GW_OWNER);
    const HWND define = DialogItem(dialog, kDefineCustomColorsButton);
    const HWND field = DialogItem(dialog, kColorField);
    seen.basicForm = define != nullptr && IsWindowVisible(define) && IsWindowEnabled(define) &&
                     (field == nullptr || !IsWindowVisible(field));
    PressDialogButton(dialog, answer);
  });
  MovePointerTo(harness.OnScreen(at.x, at.y));
  PumpMessagesFor(50);
  PressButton(button);
  ReleaseButton(button);
  PumpMessagesUntil([&] { return watcher.Answered() != nullptr; }, 8000);
  PumpMessagesFor(200);
  return seen;
}

constexpr POINT kSwatch{464 + 9 + 8, 68 + 10 + 8};
constexpr POINT kColorLabel{330, 85};

TEST(Win32MainWindowColorDialog, ARightPressOnTheSwatchOpensItAndCancelChangesNothing) {
  StandInFiles standIn;
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const SeenDialog seen = PressAndAnswer(harness, kSwatch, Button::Right, IDCANCEL);
  EXPECT_EQ(seen.owner, harness.Window()) << "the dialog belongs to the main window";
  EXPECT_TRUE(seen.basicForm) << "the dialog opens in its basic form";
  EXPECT_EQ(standIn.ReadLog().find("write "), std::string::npos) << standIn.ReadLog();
  EXPECT_EQ(harness.Form().Shape_Color.Brush(), std::optional<TColor>(0xFFFFFF));
  EXPECT_EQ(harness.Form().ColorDialog.Color(), 0x000000u);
}

TEST(Win32MainWindowColorDialog, ConfirmingTheUnchangedColourWritesItAndFillsTheSwatch) {
  StandInFiles standIn;
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const SeenDialog seen = PressAndAnswer(harness, kSwatch, Button::Left, IDOK);
  EXPECT_EQ(seen.owner, harness.Window());
  // Black, the colour the dialog opens with at first.
  EXPECT_NE(standIn.ReadLog().find("write Color=00000000 "), std::string::npos)
      << standIn.ReadLog();
  EXPECT_EQ(harness.Form().Shape_Color.Brush(), std::optional<TColor>(0x000000));
  const TextLines& log = harness.Details().Memo_Log.Lines();
  ASSERT_EQ(log.Count(), 1u);
  EXPECT_EQ(log.Line(0).rfind(u"Intensity 70 - ", 0), 0u);
}

TEST(Win32MainWindowColorDialog, TheColourLabelOpensItToo) {
  StandInFiles standIn;
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  const SeenDialog seen = PressAndAnswer(harness, kColorLabel, Button::Middle, IDCANCEL);
  EXPECT_EQ(seen.owner, harness.Window());
  EXPECT_EQ(standIn.ReadLog().find("write "), std::string::npos);
}

}  // namespace
}  // namespace tintara::test
