// The title-bar labels "X", "_" and "?" turn black while the pointer is on them and
// grey again when it leaves; the pointer is real input, so this runs through the
// backend's one input entry point with TrackMouseEvent.
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "ScreenPixels.h"
#include "SyntheticInput.h"

namespace tintara::test {
namespace {

int Brightness(TColor c) {
  return static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
}

// The darkest pixel of the label as the screen shows it.
TColor DarkestOf(MainWindowHarness& harness, const Label& label) {
  RECT area{};
  GetWindowRect(harness.Window(), &area);
  const ScreenPixels pixels(area);
  const Rect box = label.BoundsOnForm();
  return pixels.Darkest({box.left, box.top, box.Right(), box.Bottom()});
}

void Hover(MainWindowHarness& harness, const Label& label) {
  const Rect box = label.BoundsOnForm();
  MovePointerTo(harness.OnScreen(box.left + box.width / 2, box.top + box.height / 2));
  PumpMessagesFor(250);
}

void AwayToTheTitleBar(MainWindowHarness& harness) {
  MovePointerTo(harness.OnScreen(300, 30));
  PumpMessagesFor(250);
}

TEST(Win32MainWindowHover, TheTitleBarLabelsTurnBlackUnderThePointerAndGreyWhenItLeaves) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  AwayToTheTitleBar(harness);
  TForm_Main& form = harness.Form();
  for (Label* label : {&form.Label_Close, &form.Label_Minimize, &form.Label_About}) {
    SCOPED_TRACE(label->Name());
    EXPECT_EQ(label->GetFont().color, 0x808080u);
    // Edges are smoothed, so a thin glyph has no pixel of the full colour; the
    // darkest one tells grey from black all the same.
    const TColor grey = DarkestOf(harness, *label);
    EXPECT_GE(Brightness(grey), Brightness(0x808080)) << ColorText(grey);

    Hover(harness, *label);
    EXPECT_EQ(form.HoveredControl(), label);
    EXPECT_EQ(label->GetFont().color, 0x000000u);
    const TColor black = DarkestOf(harness, *label);
    EXPECT_LT(Brightness(black) * 3, Brightness(grey) * 2)
        << ColorText(black) << " against " << ColorText(grey);

    AwayToTheTitleBar(harness);
    EXPECT_EQ(label->GetFont().color, 0x808080u);
    const TColor greyAgain = DarkestOf(harness, *label);
    EXPECT_EQ(greyAgain, grey) << ColorText(greyAgain);
  }
}

TEST(Win32MainWindowHover, LeavingTheWindowEndsTheHover) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  Hover(harness, harness.Form().Label_Close);
  ASSERT_EQ(harness.Form().Label_Close.GetFont().color, 0x000000u);
  // Straight off the window: only WM_MOUSELEAVE can tell.
  MovePointerTo(harness.OnScreen(300, -60));
  PumpMessagesFor(300);
  EXPECT_EQ(harness.Form().HoveredControl(), nullptr);
  EXPECT_EQ(harness.Form().Label_Close.GetFont().color, 0x808080u);
}

}  // namespace
}  // namespace tintara::test
