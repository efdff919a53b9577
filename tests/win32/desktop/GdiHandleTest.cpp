// Measuring and drawing make GDI objects of their own (the bitmaps GetIconInfo hands
// out, a memory DC, a DIB section). With the process's GDI handles nearly used up, a
// single one not given back would make the calls fail after a few dozen rounds.
#include <gtest/gtest.h>

#include <vector>

#include "TestIcons.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

// Takes every GDI handle the process can get except a few, and gives them back on
// destruction.
class GdiHandleSqueeze {
 public:
  explicit GdiHandleSqueeze(std::size_t leaveFree) {
    for (;;) {
      HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
      if (bitmap == nullptr || held_.size() >= kCeiling) break;
      held_.push_back(bitmap);
    }
    for (std::size_t i = 0; i < leaveFree && !held_.empty(); ++i) {
      DeleteObject(held_.back());
      held_.pop_back();
    }
  }
  ~GdiHandleSqueeze() {
    for (HBITMAP bitmap : held_) DeleteObject(bitmap);
  }
  GdiHandleSqueeze(const GdiHandleSqueeze&) = delete;
  GdiHandleSqueeze& operator=(const GdiHandleSqueeze&) = delete;

  // False when the process had more handles than we dared to take.
  bool Squeezed() const { return held_.size() < kCeiling; }

 private:
  static constexpr std::size_t kCeiling = 1u << 20;
  std::vector<HBITMAP> held_;
};

TEST(Win32GdiHandles, MeasuringAndDrawingGiveBackEveryHandle) {
  Win32Desktop desktop;
  const test::OwnedIcon colour = test::MakeSolidAlphaIcon(32, 32, 0xFF405060);
  const std::vector<std::uint8_t> bits(32 * 32, 0);
  const test::OwnedIcon monochrome = test::MakeMonochromeIcon(32, 32, bits, bits);
  RenderedIconBitmap bitmap;
  bitmap.SetSize(32, 32);
  // Whatever the system sets up once on first use is set up before the squeeze.
  ASSERT_TRUE(desktop.MeasureIcon(colour.handle()).has_value());
  ASSERT_TRUE(desktop.DrawIconOnWhite(colour.handle(), 0, bitmap));
  ASSERT_TRUE(desktop.DrawIconOnWhite(monochrome.handle(), 0, bitmap));

  const GdiHandleSqueeze squeeze(64);
  ASSERT_TRUE(squeeze.Squeezed());
  for (int round = 0; round < 300; ++round) {
    // Both ways through the measuring: with a colour bitmap and without one.
    ASSERT_EQ(desktop.MeasureIcon(colour.handle()), (IconSize{32, 32})) << "round " << round;
    ASSERT_EQ(desktop.MeasureIcon(monochrome.handle()), std::nullopt) << "round " << round;
    ASSERT_TRUE(desktop.DrawIconOnWhite(colour.handle(), 0, bitmap)) << "round " << round;
  }
  EXPECT_EQ(bitmap.PixelColor(16, 16), 0x605040u);
}

}  // namespace
}  // namespace tintara
