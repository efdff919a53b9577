#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "engine/ForegroundTracker.h"
#include "engine/IconColorPicker.h"
#include "engine/IconDrawSize.h"
#include "platform/PlatformError.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

class ForegroundTrackerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    colorization.Load();
    tracker.SetMainWindow(mainWindow);
    display.colorMode = u"(use center color)";
  }

  WindowHandle AddWindowWithClassIcon(TColor color, std::u16string className = u"Peer") {
    MemoryWindow w;
    w.className = std::move(className);
    w.classSmallIcon = desktop.AddIcon(MemoryIcon::Solid(16, 16, color));
    return desktop.AddWindow(w);
  }

  void BringToFrontAndTick(WindowHandle window) {
    desktop.SetForeground(window);
    tracker.Timer_AeroHandlerTimer();
  }

  MemoryDesktop desktop;
  ColorizationControl colorization{desktop};
  DisplayHolders display;
  ForegroundTracker tracker{desktop, colorization, display};
  WindowHandle mainWindow = desktop.AddWindow(MemoryWindow{u"TForm_Main", 0, 0, {}, false});
};

TEST_F(ForegroundTrackerTest, ProcessesEachNewForegroundWindowOnce) {
  const WindowHandle a = AddWindowWithClassIcon(0x0000FF);
  const WindowHandle b = AddWindowWithClassIcon(0x00FF00);

  BringToFrontAndTick(a);
  EXPECT_EQ(display.swatchColor, 0x0000FFu);
  EXPECT_EQ(display.log.lines.size(), 1u);
  BringToFrontAndTick(a);  // no change: nothing new
  EXPECT_EQ(display.log.lines.size(), 1u);

  // A -> main window -> A: A is still the last accepted window.
  BringToFrontAndTick(mainWindow);
  EXPECT_EQ(tracker.LastForeground(), a);
  BringToFrontAndTick(a);
  EXPECT_EQ(display.log.lines.size(), 1u);

  // A -> B -> A: A again.
  BringToFrontAndTick(b);
  EXPECT_EQ(display.swatchColor, 0x00FF00u);
  BringToFrontAndTick(a);
  EXPECT_EQ(display.swatchColor, 0x0000FFu);
  ASSERT_EQ(display.log.lines.size(), 3u);
  EXPECT_EQ(desktop.library.writes.back().Color, 0xFF0000u);
  EXPECT_EQ(desktop.library.writes.back().Intensity, 70);
}

TEST_F(ForegroundTrackerTest, AWindowWithoutIconChangesNothingButIsRemembered) {
  const WindowHandle a = AddWindowWithClassIcon(0x0000FF, u"WithIcon");
  const WindowHandle bare = desktop.AddWindow(MemoryWindow{u"Bare", 0, 0, {}, false});
  BringToFrontAndTick(a);
  const auto before = display.handleCaption;
  const std::size_t getIconsBefore = desktop.calls.size();

  BringToFrontAndTick(bare);
  EXPECT_EQ(tracker.LastForeground(), bare);
  EXPECT_EQ(display.handleCaption, before);
  EXPECT_EQ(display.classCaption, u"Class Name WithIcon");
  EXPECT_EQ(display.log.lines.size(), 1u);
  EXPECT_EQ(desktop.calls.size() - getIconsBefore, 6u);  // foreground + five lookups

  BringToFrontAndTick(bare);  // not tried again while it stays in front
  EXPECT_EQ(desktop.calls.size() - getIconsBefore, 7u);

  // No foreground window at all goes through the same steps and finds nothing.
  BringToFrontAndTick(0);
  EXPECT_EQ(tracker.LastForeground(), 0u);
  EXPECT_EQ(display.log.lines.size(), 1u);
}

TEST_F(ForegroundTrackerTest, IconLookupsRunInTheirFixedOrder) {
  MemoryWindow w{u"Own", 0, 0, {}, false};
  const IconHandle small2 = desktop.AddIcon(MemoryIcon::Solid(16, 16, 1));
  w.ownIcons[2] = small2;
  const WindowHandle window = desktop.AddWindow(w);
  desktop.calls.clear();
  EXPECT_EQ(tracker.GetWindowIconHandle(window), small2);
  EXPECT_EQ(desktop.calls,
            (std::vector<std::string>{"ClassIcon(small)", "ClassIcon(big)", "WindowIcon(0)",
                                      "WindowIcon(1)", "WindowIcon(2)"}));

  // Each lookup wins over every later one.
  const IconHandle i0 = desktop.AddIcon(MemoryIcon::Solid(16, 16, 2));
  const IconHandle i1 = desktop.AddIcon(MemoryIcon::Solid(16, 16, 3));
  const IconHandle big = desktop.AddIcon(MemoryIcon::Solid(32, 32, 4));
  const IconHandle sm = desktop.AddIcon(MemoryIcon::Solid(16, 16, 5));
  MemoryWindow& stored = desktop.windows[window];
  stored.ownIcons[1] = i1;
  EXPECT_EQ(tracker.GetWindowIconHandle(window), i1);
  stored.ownIcons[0] = i0;
  EXPECT_EQ(tracker.GetWindowIconHandle(window), i0);
  stored.classBigIcon = big;
  EXPECT_EQ(tracker.GetWindowIconHandle(window), big);
  stored.classSmallIcon = sm;
  EXPECT_EQ(tracker.GetWindowIconHandle(window), sm);

  // A hung window answers nothing; its class icons still count.
  stored.hung = true;
  stored.classSmallIcon = stored.classBigIcon = 0;
  EXPECT_EQ(tracker.GetWindowIconHandle(window), 0u);
}

TEST_F(ForegroundTrackerTest, DetailsShowTheLow32BitsAndTheClassName) {
  EXPECT_EQ(FormatWindowHandleCaption(0x10010), u"Window Handle $00010010");
  EXPECT_EQ(FormatWindowHandleCaption(0xFFFFFFFF12ABCDEFull), u"Window Handle $12ABCDEF");
  EXPECT_EQ(FormatWindowHandleCaption(0), u"Window Handle $00000000");

  MemoryWindow w{std::u16string(600, u'x'), 0, 0, {}, false};
  const WindowHandle longName = desktop.AddWindowWithHandle(0x10010, w);
  tracker.ShowWindowDetails(longName);
  EXPECT_EQ(display.handleCaption, u"Window Handle $00010010");
  EXPECT_EQ(display.classCaption, u"Class Name " + std::u16string(511, u'x'));

  // A window that is gone by the time its name is read gives an empty name.
  tracker.ShowWindowDetails(0x999990);
  EXPECT_EQ(display.classCaption, u"Class Name ");
}

TEST_F(ForegroundTrackerTest, RendersAtTheIconsOwnSizeOrTheStandardSize) {
  RenderedIconBitmap bitmap;
  const IconHandle wide = desktop.AddIcon(MemoryIcon::Solid(48, 24, 0x112233));
  tracker.RenderIconToBitmap(wide, bitmap);
  EXPECT_EQ(bitmap.Width(), 48);
  EXPECT_EQ(bitmap.Height(), 24);
  EXPECT_EQ(bitmap.PixelColor(47, 23), 0x112233u);

  desktop.iconHeightMetric = 40;
  MemoryIcon unmeasurable = MemoryIcon::Solid(16, 16, 0x445566);
  unmeasurable.measurable = false;
  RenderedIconBitmap b2;
  tracker.RenderIconToBitmap(desktop.AddIcon(unmeasurable), b2);
  EXPECT_EQ(b2.Width(), 40);
  EXPECT_EQ(b2.Height(), 40);
  EXPECT_EQ(b2.PixelColor(0, 0), 0x445566u);
  EXPECT_EQ(b2.PixelColor(39, 39), 0xFFFFFFu);  // beyond the icon: still white

  MemoryIcon undrawable = MemoryIcon::Solid(16, 16, 0x445566);
  undrawable.drawable = false;
  RenderedIconBitmap b3;
  tracker.RenderIconToBitmap(desktop.AddIcon(undrawable), b3);
  EXPECT_EQ(b3.Width(), 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(b3.PixelColor(x, y), 0xFFFFFFu);
}

TEST_F(ForegroundTrackerTest, IconSizesFromOtherProgramsAreBoundedAndTakenByMagnitude) {
  // A negative height is captured like the positive one, not reported as an error.
  MemoryIcon upsideDown = MemoryIcon::Solid(16, 16, 0x0000FF);
  upsideDown.negativeHeight = true;
  const WindowHandle a = desktop.AddWindow(
      MemoryWindow{u"Peer", desktop.AddIcon(std::move(upsideDown)), 0, {}, false});
  BringToFrontAndTick(a);
  EXPECT_EQ(display.swatchColor, 0x0000FFu);
  EXPECT_EQ(display.log.lines.size(), 1u);

  // Larger than 256 x 256: scaled by the icon drawing to fit, proportions kept. Left
  // half red, right half blue; drawn at its own size the bitmap would be all red.
  MemoryIcon huge = MemoryIcon::Solid(1024, 512, 0x0000FF);
  for (std::size_t row = 0; row < 512; ++row) {
    std::fill_n(huge.pixels.begin() + static_cast<std::ptrdiff_t>(row * 1024 + 512), 512,
                0xFF0000FFu);
  }
  RenderedIconBitmap bitmap;
  desktop.calls.clear();
  tracker.RenderIconToBitmap(desktop.AddIcon(std::move(huge)), bitmap);
  EXPECT_EQ(bitmap.Width(), 256);
  EXPECT_EQ(bitmap.Height(), 128);
  EXPECT_EQ(bitmap.PixelColor(60, 64), 0x0000FFu);
  EXPECT_EQ(bitmap.PixelColor(196, 64), 0xFF0000u);
  EXPECT_EQ(desktop.calls.back(), "DrawIconScaledOnWhite");

  // The bound itself is drawn at its own size.
  RenderedIconBitmap atBound;
  tracker.RenderIconToBitmap(desktop.AddIcon(MemoryIcon::Solid(256, 256, 0x00FF00)), atBound);
  EXPECT_EQ(atBound.Width(), 256);
  EXPECT_EQ(desktop.calls.back(), "DrawIconOnWhite");

  // Even the most negative height neither overflows nor vanishes.
  EXPECT_EQ(IconDrawSizeOf(IconSize{1, INT32_MIN}, 0), (IconDrawSize{{1, 256}, true}));
}

TEST_F(ForegroundTrackerTest, MonochromeIconsUseWhiteAndTheWindowTextColour) {
  desktop.systemColors[kColorWindowText] = 0x203040;
  // AND 0 / XOR 0 gives the text colour; AND 1 / XOR 0 leaves the white surface.
  MemoryIcon mono = MemoryIcon::MonochromeSolid(32, 32, false, false);
  mono.andMask[0] = 1;
  MemoryWindow w{u"Mono", desktop.AddIcon(mono), 0, {}, false};
  BringToFrontAndTick(desktop.AddWindow(w));
  EXPECT_EQ(display.swatchColor, 0x203040u);
  display.colorMode = u"(most used color)";
  RenderedIconBitmap bitmap;
  tracker.RenderIconToBitmap(w.classSmallIcon, bitmap);
  EXPECT_EQ(bitmap.Width(), 32);  // no colour bitmap: the standard size
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0xFFFFFFu);
  EXPECT_EQ(bitmap.PixelColor(1, 0), 0x203040u);
}

TEST_F(ForegroundTrackerTest, FullyTransparentIconGivesWhiteInBothModes) {
  const WindowHandle clear = AddWindowWithClassIcon(0x00FF00);
  desktop.icons[desktop.windows[clear].classSmallIcon] = MemoryIcon::Solid(16, 16, 0x00FF00, 0);
  BringToFrontAndTick(clear);
  EXPECT_EQ(display.swatchColor, 0xFFFFFFu);
  display.colorMode = u"(most used color)";
  const WindowHandle clear2 = AddWindowWithClassIcon(0);
  desktop.icons[desktop.windows[clear2].classSmallIcon] = MemoryIcon::MaskedSolid(16, 16, 0, true);
  BringToFrontAndTick(clear2);
  EXPECT_EQ(display.swatchColor, 0xFFFFFFu);
  EXPECT_EQ(desktop.library.writes.back().Color, 0xFFFFFFu);
}

TEST_F(ForegroundTrackerTest, TheModeIsReadAnewForEveryWindow) {
  MemoryIcon icon = MemoryIcon::Solid(16, 16, 0x0000FF);
  for (int x = 0; x < 16; ++x) icon.pixels[8 * 16 + x] = 0xFF00FF00;  // green centre row
  MemoryWindow w{u"Striped", desktop.AddIcon(icon), 0, {}, false};
  const WindowHandle a = desktop.AddWindow(w);
  const WindowHandle b = desktop.AddWindow(w);
  BringToFrontAndTick(a);
  EXPECT_EQ(display.swatchColor, 0x00FF00u);
  display.colorMode = u"(most used color)";
  BringToFrontAndTick(b);
  EXPECT_EQ(display.swatchColor, 0x0000FFu);
}

TEST_F(ForegroundTrackerTest, AWindowClosingMidRunLeavesWellFormedResults) {
  const WindowHandle a = AddWindowWithClassIcon(0x0000FF, u"Vanishing");
  desktop.beforeCall = [&](std::string_view op) {
    if (op == "ReadClassName") desktop.RemoveWindow(a);
  };
  BringToFrontAndTick(a);
  EXPECT_EQ(display.classCaption, u"Class Name ");
  EXPECT_EQ(display.swatchColor, 0x0000FFu);  // the borrowed icon still draws
  EXPECT_EQ(display.log.lines.size(), 1u);
}

TEST_F(ForegroundTrackerTest, AFailedSurfaceEndsTheRunWithTheErrorAndKeepsTheWindow) {
  const WindowHandle a = AddWindowWithClassIcon(0x0000FF);
  desktop.Fail("CreateSurface");
  EXPECT_THROW(BringToFrontAndTick(a), PlatformError);
  EXPECT_EQ(tracker.LastForeground(), a);
  EXPECT_TRUE(display.log.lines.empty());
  EXPECT_EQ(display.swatchColor, 0xFFFFFFu);
  desktop.Heal("CreateSurface");
  BringToFrontAndTick(a);  // still the last window: not retried
  EXPECT_TRUE(display.log.lines.empty());
}

TEST_F(ForegroundTrackerTest, FailingReadsFallBackQuietly) {
  const WindowHandle a = AddWindowWithClassIcon(0x0000FF);
  desktop.Fail("ClassIcon(small)");
  desktop.windows[a].ownIcons[1] = desktop.AddIcon(MemoryIcon::Solid(16, 16, 0x00FF00));
  desktop.Fail("MeasureIcon");
  desktop.Fail("IconHeightMetric");
  BringToFrontAndTick(a);
  // Unmeasurable and no standard size: an empty bitmap, whose centre reads as 0.
  EXPECT_EQ(display.swatchColor, 0u);
  EXPECT_EQ(display.log.lines.size(), 1u);
  desktop.Fail("ForegroundWindow");
  tracker.Timer_AeroHandlerTimer();
  EXPECT_EQ(tracker.LastForeground(), 0u);
}

}  // namespace
}  // namespace tintara
