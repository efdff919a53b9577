// The GDI canvas and the pieces it draws with, on a memory bitmap: the origin and clip
// of the painter's tree walk, the shapes, pixels, pictures and fonts with fallbacks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/ResourceIds.h"
#include "platform/PlatformError.h"
#include "widgets/win32/FontFactory.h"
#include "widgets/win32/GdiCanvas.h"
#include "widgets/win32/Pictures.h"

namespace tintara::test {
namespace {

// A white square surface (64 x 64 unless said otherwise) to draw on, read back as TColor
// values.
class Surface {
 public:
  explicit Surface(int size = 64) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size_;
    info.bmiHeader.biHeight = -size_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < size_ * size_; ++i) bits_[i] = 0xFFFFFF;
  }
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC dc() const { return dc_; }
  TColor At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * size_ + x] & 0xFFFFFF;
    return ((p & 0xFF) << 16) | (p & 0xFF00) | (p >> 16);
  }

 private:
  int size_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kWhite = 0xFFFFFF;

TEST(Win32Canvas, TranslateAndClipFollowSaveAndRestore) {
  Surface surface;
  win32::GdiResources resources(GetModuleHandleW(nullptr));
  {
    win32::GdiCanvas canvas(surface.dc(), resources);
    canvas.Save();
    canvas.Translate(10, 20);
    canvas.IntersectClip({0, 0, 5, 6});
    canvas.FillRect({-10, -10, 40, 40}, kRed);
    canvas.Restore();
    canvas.FillRect({0, 0, 2, 2}, kBlue);
  }
  EXPECT_EQ(surface.At(10, 20), kRed);
  EXPECT_EQ(surface.At(14, 25), kRed);
  EXPECT_EQ(surface.At(15, 25), kWhite) << "outside the clip";
  EXPECT_EQ(surface.At(14, 26), kWhite) << "outside the clip";
  EXPECT_EQ(surface.At(9, 20), kWhite);
  EXPECT_EQ(surface.At(1, 1), kBlue) << "origin and clip are back after Restore";
  EXPECT_EQ(surface.At(2, 2), kWhite);
}

TEST(Win32Canvas, ShapesFollowTheSystemsRectangleRules) {
  Surface surface;
  win32::GdiResources resources(GetModuleHandleW(nullptr));
  {
    win32::GdiCanvas canvas(surface.dc(), resources);
    // A clear pen: the fill stops one pixel before the right and bottom edges.
    canvas.DrawRectangle({0, 0, 10, 10}, kRed, {kBlue, PenStyle::Clear});
    // An outline only, one pixel inside the rectangle.
    canvas.FrameRect({20, 0, 10, 10}, {kBlue, PenStyle::Solid});
    // A rounded swatch: corners cut.
    canvas.DrawRoundRect({40, 0, 16, 16}, 4, 4, kRed, {kWhite, PenStyle::Clear});
  }
  EXPECT_EQ(surface.At(0, 0), kRed);
  EXPECT_EQ(surface.At(8, 8), kRed);
  EXPECT_EQ(surface.At(9, 8), kWhite);
  EXPECT_EQ(surface.At(8, 9), kWhite);
  EXPECT_EQ(surface.At(20, 0), kBlue);
  EXPECT_EQ(surface.At(29, 9), kBlue);
  EXPECT_EQ(surface.At(25, 5), kWhite) << "the frame has no fill";
  EXPECT_EQ(surface.At(47, 7), kRed);
  EXPECT_EQ(surface.At(40, 0), kWhite) << "the corner is rounded off";
}

TEST(Win32Canvas, PixelsAreTColorsStretchedToTheRectangle) {
  Surface surface;
  win32::GdiResources resources(GetModuleHandleW(nullptr));
  {
    win32::GdiCanvas canvas(surface.dc(), resources);
    PixelImage image{2, 1, {kRed, 0x00FF00}};
    canvas.DrawPixels(image, {0, 0, 8, 4});
  }
  EXPECT_EQ(surface.At(0, 0), kRed);
  EXPECT_EQ(surface.At(3, 3), kRed);
  EXPECT_EQ(surface.At(4, 0), 0x00FF00u);
  EXPECT_EQ(surface.At(8, 0), kWhite);
}

TEST(Win32Canvas, ScaledPixelsAreClippedToAShapeWhereverTheOriginLies) {
  Surface surface;
  win32::GdiResources resources(GetModuleHandleW(nullptr));
  // As a buffered paint leaves it: logical 0, 0 lies at device 5, 3.
  SetViewportOrgEx(surface.dc(), 5, 3, nullptr);
  {
    win32::GdiCanvas canvas(surface.dc(), resources);
    canvas.Save();
    canvas.Translate(10, 10);
    canvas.IntersectClipShape(RegionShape::Ellipse, {0, 0, 40, 40}, {});
    // Red and blue halves; the fourth bytes must not matter.
    const std::uint8_t bits[] = {0, 0, 255, 0x77, 255, 0, 0, 0x99};
    canvas.DrawScaledBgrx({bits, 2, 1, 8}, {0, 0, 40, 40});
    canvas.Restore();
    canvas.DrawEllipse({40, 0, 20, 20}, std::nullopt, {kBlue, PenStyle::Solid, 4});
  }
  // The box lies at device 15, 13 to 55, 53.
  EXPECT_EQ(surface.At(25, 33), kRed);
  EXPECT_EQ(surface.At(45, 33), kBlue);
  EXPECT_EQ(surface.At(16, 14), kWhite) << "the box's corner lies outside the ellipse";
  EXPECT_EQ(surface.At(5, 33), kWhite) << "left of the box";
  EXPECT_EQ(surface.At(35, 50), kBlue) << "the ellipse reaches the box's bottom";
  // A 4-pixel outline along the box's edge (device x 45): several pixels thick.
  int thick = 0;
  for (int x = 41; x < 52; ++x) thick += surface.At(x, 13) == kBlue ? 1 : 0;
  EXPECT_GE(thick, 3);
  EXPECT_EQ(surface.At(55, 13), kWhite) << "nothing filled";
}

TEST(Win32Canvas, ALargeAreaIsScaledStripByStripWithEveryRowInItsPlace) {
  Surface surface(300);
  win32::GdiResources resources(GetModuleHandleW(nullptr));
  // One column of 150 rows, row y blue y, green 255 - y: enlarged twice downwards.
  std::vector<std::uint8_t> bits;
  for (int y = 0; y < 150; ++y) {
    bits.insert(bits.end(),
                {static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(255 - y), 0, 0});
  }
  {
    win32::GdiCanvas canvas(surface.dc(), resources);
    canvas.DrawScaledBgrx({bits.data(), 1, 150, 4}, {0, 0, 300, 300});
  }
  for (int y = 0; y < 300; ++y) {
    const TColor expected =
        (static_cast<TColor>(y / 2) << 16) | (static_cast<TColor>(255 - y / 2) << 8);
    ASSERT_EQ(surface.At(y % 300, y), expected) << "row " << y;
    ASSERT_EQ(surface.At(299 - y % 300, y), expected) << "row " << y;
  }
}

TEST(Win32Canvas, TheTileIsBlendedOverWhatLiesBelow) {
  Surface surface;
  win32::GdiResources resources(GetModuleHandleW(nullptr));
  {
    win32::GdiCanvas canvas(surface.dc(), resources);
    canvas.FillRect({0, 0, 64, 64}, kBlue);
    canvas.DrawResourceBitmap(resources::kTileBitmap, {0, 0, 40, 40}, BitmapFit::Stretched, true);
  }
  // The middle of the tile is opaque and near white; its transparent surroundings let
  // the blue through.
  const TColor middle = surface.At(20, 18);
  EXPECT_GT(middle & 0xFF, 0xE0u) << std::hex << middle;
  EXPECT_EQ(surface.At(0, 0), kBlue);
  EXPECT_EQ(surface.At(50, 50), kBlue) << "nothing drawn outside the rectangle";
}

TEST(Win32Pictures, PremultiplyingRoundsEachChannelByItsAlpha) {
  std::vector<std::uint8_t> pixels = {200, 100, 50, 128, 10, 20, 30, 255, 90, 80, 70, 0};
  win32::PremultiplyAlpha(pixels);
  const std::vector<std::uint8_t> expected = {100, 50, 25, 128, 10, 20, 30, 255, 0, 0, 0, 0};
  EXPECT_EQ(pixels, expected);
}

TEST(Win32Pictures, TheResourcePicturesLoadWithTheirSizes) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const win32::Picture titleBar = win32::LoadPicture(instance, resources::kTitleBarBitmap, false);
  EXPECT_EQ(titleBar.width, 650);
  EXPECT_EQ(titleBar.height, 60);
  EXPECT_FALSE(titleBar.hasAlpha);
  const win32::Picture tile = win32::LoadPicture(instance, resources::kTileBitmap, true);
  EXPECT_EQ(tile.width, 200);
  EXPECT_EQ(tile.height, 200);
  EXPECT_TRUE(tile.hasAlpha);
  const win32::Picture scaled = win32::ScalePicture(tile, 35, 38);
  EXPECT_EQ(scaled.width, 35);
  EXPECT_EQ(scaled.height, 38);
  EXPECT_THROW(win32::LoadPicture(instance, 999, false), PlatformError);
}

// Some family the system really has.
std::wstring AnyInstalledFamily() {
  LOGFONTW any{};
  any.lfCharSet = DEFAULT_CHARSET;
  std::wstring found;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &any,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM param) -> int {
        if ((type & TRUETYPE_FONTTYPE) == 0 || font->lfFaceName[0] == L'@') return 1;
        *reinterpret_cast<std::wstring*>(param) = font->lfFaceName;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

TEST(Win32Fonts, AMissingFamilyTakesTheFirstInstalledFallbackGiven) {
  const std::wstring installed = AnyInstalledFamily();
  ASSERT_FALSE(installed.empty());
  ASSERT_TRUE(win32::IsFontFamilyInstalled(installed));
  EXPECT_FALSE(win32::IsFontFamilyInstalled(L"Tintara No Such Face"));
  win32::FontFactory fonts;
  EXPECT_EQ(fonts.ResolveFamily(L"Tintara No Such Face", {L"Tintara Also Missing", installed}),
            installed);
  EXPECT_EQ(fonts.ResolveFamily(installed, {L"Tintara Also Missing"}), installed);
}

TEST(Win32Fonts, TheTitleBarFacesAlwaysEndOnAnInstalledFamily) {
  win32::FontFactory fonts;
  for (const wchar_t* family :
       {L"Tekton Pro Ext", L"Segoe UI Semibold", L"Segoe UI", L"Consolas"}) {
    const std::wstring& used = fonts.ResolveFamily(family);
    EXPECT_TRUE(win32::IsFontFamilyInstalled(used)) << std::string(used.begin(), used.end());
    win32::FontRequest request;
    request.family = family;
    request.characterHeight = 13;
    request.bold = true;
    const win32::OwnedFont font = fonts.Create(request);
    LOGFONTW made{};
    ASSERT_EQ(GetObjectW(font.get(), sizeof made, &made), static_cast<int>(sizeof made));
    EXPECT_EQ(made.lfHeight, -13);
    EXPECT_EQ(made.lfWeight, FW_BOLD);
    EXPECT_EQ(std::wstring(made.lfFaceName), used);
  }
}

}  // namespace
}  // namespace tintara::test
