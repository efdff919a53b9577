#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "TestIcons.h"
#include "engine/ColorizationControl.h"
#include "engine/ForegroundTracker.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using test::MakeMaskedIcon;
using test::MakeMonochromeIcon;
using test::MakeSolidAlphaIcon;

TEST(Win32MeasureIcon, TheSizeIsThatOfTheColourBitmap) {
  Win32Desktop desktop;
  const struct {
    int width;
    int height;
  } kSizes[] = {{16, 16}, {32, 32}, {48, 48}, {24, 40}, {7, 5}};
  for (const auto& size : kSizes) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    const test::OwnedIcon icon = MakeSolidAlphaIcon(size.width, size.height, 0xFF102030);
    EXPECT_EQ(desktop.MeasureIcon(icon.handle()), (IconSize{size.width, size.height}));
  }

  // No colour bitmap: the double-height mask is not the icon's size.
  const std::vector<std::uint8_t> bits(32 * 32, 0);
  const test::OwnedIcon monochrome = MakeMonochromeIcon(32, 32, bits, bits);
  EXPECT_EQ(desktop.MeasureIcon(monochrome.handle()), std::nullopt);

  test::OwnedIcon destroyed = MakeSolidAlphaIcon(16, 16, 0xFF102030);
  const IconHandle gone = destroyed.handle();
  destroyed.Destroy();
  EXPECT_EQ(desktop.MeasureIcon(gone), std::nullopt);
  EXPECT_EQ(desktop.MeasureIcon(0), std::nullopt);
}

TEST(Win32MeasureIcon, TheRenderedBitmapTakesTheIconSizeOrTheStandardOne) {
  Win32Desktop desktop;
  ColorizationControl colorization{desktop};
  DisplayHolders display;
  ForegroundTracker tracker{desktop, colorization, display};

  const test::OwnedIcon wide = MakeSolidAlphaIcon(24, 40, 0xFF102030);
  RenderedIconBitmap bitmap;
  tracker.RenderIconToBitmap(wide.handle(), bitmap);
  EXPECT_EQ(bitmap.Width(), 24);
  EXPECT_EQ(bitmap.Height(), 40);

  const int standard = GetSystemMetrics(SM_CYICON);
  EXPECT_EQ(desktop.IconHeightMetric(), standard);
  const std::vector<std::uint8_t> bits(16 * 16, 0);
  const test::OwnedIcon monochrome = MakeMonochromeIcon(16, 16, bits, bits);
  RenderedIconBitmap standardBitmap;
  tracker.RenderIconToBitmap(monochrome.handle(), standardBitmap);
  EXPECT_EQ(standardBitmap.Width(), standard);
  EXPECT_EQ(standardBitmap.Height(), standard);
}

TEST(Win32MeasureIcon, AnIconLargerThan256IsDrawnScaledDownByTheSystem) {
  Win32Desktop desktop;
  ColorizationControl colorization{desktop};
  DisplayHolders display;
  ForegroundTracker tracker{desktop, colorization, display};

  // No alpha: the colour bitmap goes through the system's stretching. The left half
  // has red and green columns in turn, the right half is blue. At its own size the
  // 256 columns kept would hold no blue, and the capture would take 1024 x 512
  // pixels twice over.
  std::vector<std::uint32_t> rgb(1024 * 512);
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    const std::size_t x = i % 1024;
    rgb[i] = x >= 512 ? 0x0000FF : x % 2 == 0 ? 0xFF0000 : 0x00FF00;
  }
  const test::OwnedIcon huge =
      MakeMaskedIcon(1024, 512, rgb, std::vector<std::uint8_t>(rgb.size(), 0));
  ASSERT_EQ(desktop.MeasureIcon(huge.handle()), (IconSize{1024, 512}));
  RenderedIconBitmap bitmap;
  tracker.RenderIconToBitmap(huge.handle(), bitmap);
  ASSERT_EQ(bitmap.Width(), 256);
  ASSERT_EQ(bitmap.Height(), 128);
  EXPECT_EQ(bitmap.PixelColor(136, 64), 0xFF0000u);
  EXPECT_EQ(bitmap.PixelColor(255, 127), 0xFF0000u);
  // Scaling keeps whole pixels: no colour the icon lacks (red and green merged into
  // black), so the most used colour is always one of the icon's own.
  int foreign = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = bitmap.PixelColor(x, y);
      const TColor expected[] = {x < 128 ? 0x0000FFu : 0xFF0000u, x < 128 ? 0x00FF00u : 0xFF0000u};
      foreign += c != expected[0] && c != expected[1] ? 1 : 0;
    }
  }
  EXPECT_EQ(foreign, 0);
}

}  // namespace
}  // namespace tintara
