#include <gtest/gtest.h>

#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

// The in-memory desktop stands in for the platform in every other test, so its
// drawing rules are checked against the platform's documented results here.
TEST(MemoryDesktop, DrawsIconsOverWhiteLikeThePlatform) {
  MemoryDesktop desktop;
  RenderedIconBitmap bitmap;
  bitmap.SetSize(4, 1);

  MemoryIcon alpha = MemoryIcon::Solid(4, 1, 0x000000);
  alpha.pixels[1] = 0x80000000;  // half-transparent black
  alpha.pixels[2] = 0x00000000;  // fully transparent
  alpha.pixels[3] = 0xFF0000FF;  // opaque blue (0xAARRGGBB)
  ASSERT_TRUE(desktop.DrawIconOnWhite(desktop.AddIcon(alpha), 0, bitmap));
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0x000000u);
  EXPECT_EQ(bitmap.PixelColor(1, 0), 0x7F7F7Fu);
  EXPECT_EQ(bitmap.PixelColor(2, 0), 0xFFFFFFu);
  EXPECT_EQ(bitmap.PixelColor(3, 0), 0xFF0000u);  // TColor: blue in the high byte

  bitmap.SetSize(2, 1);
  MemoryIcon masked = MemoryIcon::MaskedSolid(2, 1, 0x00FF00, false);
  masked.andMask[1] = 1;
  masked.pixels[1] = 0;  // transparent with black colour: the surface shows through
  ASSERT_TRUE(desktop.DrawIconOnWhite(desktop.AddIcon(masked), 0, bitmap));
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0x00FF00u);
  EXPECT_EQ(bitmap.PixelColor(1, 0), 0xFFFFFFu);

  bitmap.SetSize(4, 1);
  MemoryIcon mono = MemoryIcon::MonochromeSolid(4, 1, false, false);
  mono.xorMask[1] = 1;
  mono.andMask[2] = 1;
  mono.andMask[3] = 1;
  mono.xorMask[3] = 1;
  ASSERT_TRUE(desktop.DrawIconOnWhite(desktop.AddIcon(mono), 0x0000FF, bitmap));
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0x0000FFu);
  EXPECT_EQ(bitmap.PixelColor(1, 0), 0xFFFFFFu);
  EXPECT_EQ(bitmap.PixelColor(2, 0), 0xFFFFFFu);
  EXPECT_EQ(bitmap.PixelColor(3, 0), 0x000000u);  // inverted white
  EXPECT_EQ(desktop.MeasureIcon(desktop.AddIcon(mono)), std::nullopt);

  // A 32-bit image with an empty alpha channel goes through its mask instead.
  bitmap.SetSize(2, 1);
  MemoryIcon noAlpha = MemoryIcon::Solid(2, 1, 0x00FF00);
  for (auto& p : noAlpha.pixels) p &= 0x00FFFFFFu;
  noAlpha.andMask = {0, 1};
  ASSERT_TRUE(desktop.DrawIconOnWhite(desktop.AddIcon(noAlpha), 0, bitmap));
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0x00FF00u);
  EXPECT_EQ(bitmap.PixelColor(1, 0), 0xFF00FFu);  // colour under a set mask inverts
  bitmap.SetSize(2, 1);
  ASSERT_TRUE(
      desktop.DrawIconOnWhite(desktop.AddIcon(MemoryIcon::Solid(2, 1, 0x00FF00, 0)), 0, bitmap));
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0xFFFFFFu);
}

TEST(MemoryDesktop, GoneWindowsAndInjectedFailuresReadAsNothing) {
  MemoryDesktop desktop;
  MemoryWindow w;
  w.className = u"Cls";
  w.classBigIcon = desktop.AddIcon(MemoryIcon::Solid(32, 32, 1));
  const WindowHandle window = desktop.AddWindow(w);
  char16_t buffer[8] = u"unset";
  EXPECT_EQ(desktop.ReadClassName(window, buffer, 3), 2);
  EXPECT_EQ(std::u16string(buffer), u"Cl");
  desktop.Fail("ClassIcon");
  EXPECT_EQ(desktop.ClassIcon(window, ClassIconKind::Big), 0u);
  desktop.Heal("ClassIcon");
  EXPECT_EQ(desktop.ClassIcon(window, ClassIconKind::Big), w.classBigIcon);
  desktop.RemoveWindow(window);
  EXPECT_EQ(desktop.ClassIcon(window, ClassIconKind::Big), 0u);
  EXPECT_EQ(desktop.ReadClassName(window, buffer, 8), 0);
  EXPECT_EQ(std::u16string(buffer), u"Cl");  // untouched

  RenderedIconBitmap bitmap;
  bitmap.SetSize(1, 1);
  EXPECT_FALSE(desktop.DrawIconOnWhite(0xBAD, 0, bitmap));
  EXPECT_EQ(bitmap.PixelColor(0, 0), 0xFFFFFFu);
}

}  // namespace
}  // namespace tintara
