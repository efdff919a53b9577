// The whole colour pipeline on the real desktop: a window of this process comes to the
// front, the tracker finds its icon, draws it, picks a colour by the mode, and the
// colour goes through the colorization library (the stand-in) into the record.
#include <gtest/gtest.h>

#include <string>

#include "StandInFiles.h"
#include "TestIcons.h"
#include "TestWindows.h"
#include "engine/ColorizationControl.h"
#include "engine/ForegroundTracker.h"
#include "engine/IconColorPicker.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

constexpr std::uint32_t kBackground = 0xFF3366CC;  // most of the icon
constexpr std::uint32_t kCentre = 0xFFCC3300;      // a 4x4 block around the centre

// 32x32: the centre pixel (16, 16) differs from the colour most pixels have.
test::OwnedIcon TwoColourIcon() {
  std::vector<std::uint32_t> pixels(32 * 32, kBackground);
  for (int y = 14; y < 18; ++y) {
    for (int x = 14; x < 18; ++x) pixels[static_cast<std::size_t>(y * 32 + x)] = kCentre;
  }
  return test::MakeAlphaIcon(32, 32, pixels);
}

std::u16string Wide(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

TEST(Win32Pipeline, TheFrontWindowsIconColoursTheDesktopInBothModes) {
  const test::StandInFiles files;
  const ColorizationParams users{0x6B3C78B4, 0x6B112233, 45, 20, -35, 50, 1};
  files.WriteRecord(users);

  Win32Desktop desktop;
  ColorizationControl colorization{desktop};
  colorization.Load();
  ASSERT_NE(colorization.LibraryHandle(), 0u);
  DisplayHolders display;
  ForegroundTracker tracker{desktop, colorization, display};

  const test::OwnedIcon icon = TwoColourIcon();
  test::TestWindow mainWindow(L"TintaraPipelineMain", test::WindowIcons{icon.get()});
  test::TestWindow first(L"TintaraPipelineFirst", test::WindowIcons{icon.get()});
  test::TestWindow second(L"TintaraPipelineSecond",
                          test::WindowIcons{nullptr, nullptr, {nullptr, icon.get()}});
  tracker.SetMainWindow(mainWindow.handle());

  // Centre mode, icon from the class.
  display.colorMode = std::u16string(kModeCenter);
  ASSERT_TRUE(test::BringToFront(first.hwnd()));
  tracker.Timer_AeroHandlerTimer();
  EXPECT_EQ(tracker.LastForeground(), first.handle());
  EXPECT_EQ(display.shownIcon, icon.handle());
  EXPECT_EQ(display.classCaption, u"Class Name " + Wide(L"TintaraPipelineFirst"));
  EXPECT_EQ(display.handleCaption, FormatWindowHandleCaption(first.handle()));
  const TColor centre = test::RgbToTColor(kCentre & 0xFFFFFF);
  EXPECT_EQ(display.swatchColor, centre);
  ColorizationParams expected = users;
  expected.Color = ToDwmColor(centre);
  expected.Intensity = 70;
  EXPECT_EQ(files.ReadRecord(), expected);
  ASSERT_EQ(display.log.lines.size(), 1u);
  EXPECT_EQ(display.log.lines.back(), FormatColorizationLogLine(expected));

  // The program's own main window in front changes nothing.
  ASSERT_TRUE(test::BringToFront(mainWindow.hwnd()));
  tracker.Timer_AeroHandlerTimer();
  EXPECT_EQ(tracker.LastForeground(), first.handle());
  EXPECT_EQ(display.log.lines.size(), 1u);

  // Most-used mode, icon from WM_GETICON (big) of another window.
  display.colorMode = std::u16string(kModeMostUsed);
  ASSERT_TRUE(test::BringToFront(second.hwnd()));
  tracker.Timer_AeroHandlerTimer();
  EXPECT_EQ(tracker.LastForeground(), second.handle());
  EXPECT_EQ(display.classCaption, u"Class Name " + Wide(L"TintaraPipelineSecond"));
  const TColor background = test::RgbToTColor(kBackground & 0xFFFFFF);
  EXPECT_EQ(display.swatchColor, background);
  expected.Color = ToDwmColor(background);
  EXPECT_EQ(files.ReadRecord(), expected);
  ASSERT_EQ(display.log.lines.size(), 2u);
  EXPECT_EQ(display.log.lines.back(), FormatColorizationLogLine(expected));
}

}  // namespace
}  // namespace tintara
