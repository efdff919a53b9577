#include <gtest/gtest.h>

#include "TestIcons.h"
#include "engine/ColorizationControl.h"
#include "engine/ForegroundTracker.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

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

}  // namespace
}  // namespace tintara
