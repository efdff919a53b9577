// Icon lookups and class names through the real window manager. The windows live in
// the test process: Wine does not hand out icons across processes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "TestIcons.h"
#include "TestWindows.h"
#include "engine/ColorizationControl.h"
#include "engine/ForegroundTracker.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using test::MakeSolidAlphaIcon;
using test::OwnedIcon;
using test::TestWindow;
using test::WindowIcons;

class Win32IconLookupTest : public ::testing::Test {
 protected:
  Win32Desktop desktop;
  ColorizationControl colorization{desktop};
  DisplayHolders display;
  ForegroundTracker tracker{desktop, colorization, display};

  OwnedIcon classSmall = MakeSolidAlphaIcon(16, 16, 0xFFFF0000);
  OwnedIcon classBig = MakeSolidAlphaIcon(32, 32, 0xFF00FF00);
  OwnedIcon own0 = MakeSolidAlphaIcon(16, 16, 0xFF0000FF);
  OwnedIcon own1 = MakeSolidAlphaIcon(32, 32, 0xFFFFFF00);
  OwnedIcon own2 = MakeSolidAlphaIcon(16, 16, 0xFF00FFFF);
};

TEST_F(Win32IconLookupTest, ClassIconsComeFirstAndEachOwnIconKindIsAsked) {
  // The class's small icon wins over everything the window says about itself.
  TestWindow all(
      L"TintaraLookupAll",
      WindowIcons{classSmall.get(), classBig.get(), {own0.get(), own1.get(), own2.get()}});
  EXPECT_EQ(desktop.ClassIcon(all.handle(), ClassIconKind::Small), classSmall.handle());
  EXPECT_EQ(desktop.ClassIcon(all.handle(), ClassIconKind::Big), classBig.handle());
  EXPECT_EQ(desktop.WindowIcon(all.handle(), WindowIconKind::Small), own0.handle());
  EXPECT_EQ(desktop.WindowIcon(all.handle(), WindowIconKind::Big), own1.handle());
  EXPECT_EQ(desktop.WindowIcon(all.handle(), WindowIconKind::Small2), own2.handle());
  EXPECT_EQ(tracker.GetWindowIconHandle(all.handle()), classSmall.handle());

  // Windows whose class has no icon and which answer for one kind only.
  const HICON kIcons[] = {own0.get(), own1.get(), own2.get()};
  const IconHandle kHandles[] = {own0.handle(), own1.handle(), own2.handle()};
  for (std::size_t kind = 0; kind < 3; ++kind) {
    SCOPED_TRACE("WM_GETICON kind " + std::to_string(kind));
    WindowIcons icons;
    icons.answers[kind] = kIcons[kind];
    TestWindow only(L"TintaraLookupOwn" + std::to_wstring(kind), icons);
    EXPECT_EQ(desktop.ClassIcon(only.handle(), ClassIconKind::Small), 0u);
    EXPECT_EQ(desktop.ClassIcon(only.handle(), ClassIconKind::Big), 0u);
    for (std::size_t asked = 0; asked < 3; ++asked) {
      EXPECT_EQ(desktop.WindowIcon(only.handle(), static_cast<WindowIconKind>(asked)),
                asked == kind ? kHandles[kind] : 0u)
          << "asked for kind " << asked;
    }
    EXPECT_EQ(tracker.GetWindowIconHandle(only.handle()), kHandles[kind]);
  }

  // No icon anywhere.
  TestWindow bare(L"TintaraLookupBare", WindowIcons{});
  EXPECT_EQ(tracker.GetWindowIconHandle(bare.handle()), 0u);
}

TEST_F(Win32IconLookupTest, AClassWithOnlyALargeIcon) {
  // The window manager makes such a class a small icon of its own from the large one,
  // and that one comes first: of the small size, in the large icon's colour.
  TestWindow derived(L"TintaraLookupBigOnly", WindowIcons{nullptr, classBig.get(), {}});
  EXPECT_EQ(desktop.ClassIcon(derived.handle(), ClassIconKind::Big), classBig.handle());
  const IconHandle small = desktop.ClassIcon(derived.handle(), ClassIconKind::Small);
  ASSERT_NE(small, 0u);
  EXPECT_NE(small, classBig.handle());
  EXPECT_EQ(tracker.GetWindowIconHandle(derived.handle()), small);
  EXPECT_EQ(desktop.MeasureIcon(small),
            (IconSize{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}));
  RenderedIconBitmap drawn;
  tracker.RenderIconToBitmap(small, drawn);
  EXPECT_EQ(drawn.PixelColor(drawn.Width() / 2, drawn.Height() / 2), 0x00FF00u);

  // Where no small copy could be made (the large handle was already gone when the
  // class was registered), the large icon's handle is what the lookup finds.
  OwnedIcon stale = MakeSolidAlphaIcon(32, 32, 0xFF00FF00);
  const HICON staleHandle = stale.get();
  stale.Destroy();
  TestWindow largeOnly(L"TintaraLookupStaleBig", WindowIcons{nullptr, staleHandle, {}});
  EXPECT_EQ(desktop.ClassIcon(largeOnly.handle(), ClassIconKind::Small), 0u);
  const auto expected = static_cast<IconHandle>(reinterpret_cast<std::uintptr_t>(staleHandle));
  EXPECT_EQ(desktop.ClassIcon(largeOnly.handle(), ClassIconKind::Big), expected);
  EXPECT_EQ(tracker.GetWindowIconHandle(largeOnly.handle()), expected);
}

TEST_F(Win32IconLookupTest, AGoneWindowHasNoIconAndNoClassName) {
  TestWindow gone(
      L"TintaraLookupGone",
      WindowIcons{classSmall.get(), classBig.get(), {own0.get(), own1.get(), own2.get()}});
  const WindowHandle handle = gone.handle();
  gone.Destroy();
  EXPECT_EQ(desktop.ClassIcon(handle, ClassIconKind::Small), 0u);
  EXPECT_EQ(desktop.ClassIcon(handle, ClassIconKind::Big), 0u);
  for (int kind = 0; kind < 3; ++kind) {
    EXPECT_EQ(desktop.WindowIcon(handle, static_cast<WindowIconKind>(kind)), 0u);
  }
  EXPECT_EQ(tracker.GetWindowIconHandle(handle), 0u);

  char16_t buffer[8] = u"keep";
  EXPECT_EQ(desktop.ReadClassName(handle, buffer, 8), 0);
  EXPECT_EQ(std::u16string(buffer), u"keep");
}

TEST_F(Win32IconLookupTest, ClassNamesAreReadBackAndCutAtTheCapacity) {
  TestWindow plain(L"TintaraClass\u00C9t\u00E9", WindowIcons{classSmall.get()});
  char16_t buffer[64];
  EXPECT_EQ(desktop.ReadClassName(plain.handle(), buffer, 64), 15);
  EXPECT_EQ(std::u16string(buffer), u"TintaraClass\u00C9t\u00E9");

  // The longest name a class can have, 255 characters.
  std::wstring longName;
  for (int i = 0; longName.size() < 255; ++i) longName += L"Tintara" + std::to_wstring(i);
  longName.resize(255);
  TestWindow longWindow(longName, WindowIcons{classSmall.get()});
  const std::u16string expected(longName.begin(), longName.end());

  // Cut at the capacity, NUL included, and nothing written past it.
  char16_t small[20];
  std::fill(std::begin(small), std::end(small), u'#');
  EXPECT_EQ(desktop.ReadClassName(longWindow.handle(), small, 16), 15);
  EXPECT_EQ(std::u16string(small), expected.substr(0, 15));
  EXPECT_EQ(small[16], u'#');

  // Capacity 1 leaves room for the terminator only; 0 touches nothing.
  char16_t one[2] = {u'#', u'#'};
  EXPECT_EQ(desktop.ReadClassName(longWindow.handle(), one, 1), 0);
  EXPECT_EQ(one[1], u'#');
  EXPECT_EQ(desktop.ReadClassName(longWindow.handle(), one, 0), 0);
  EXPECT_EQ(one[1], u'#');

  // The tracker's 512-unit buffer takes the whole name, and the details carry the
  // handle's low 32 bits.
  tracker.ShowWindowDetails(longWindow.handle());
  EXPECT_EQ(display.classCaption, u"Class Name " + expected);
  EXPECT_EQ(display.handleCaption, FormatWindowHandleCaption(longWindow.handle()));
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08X",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(longWindow.hwnd())));
  EXPECT_EQ(display.handleCaption, u"Window Handle $" + std::u16string(digits, digits + 8));
}

}  // namespace
}  // namespace tintara
