// Drawing icons into the white 24-bit bitmap through real GDI, checked against the
// in-memory desktop's drawing rules. The exact pixels are printed, since they are
// what the colour engine will pick from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "TestIcons.h"
#include "platform/memory/MemoryDesktop.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

// The in-memory desktop's model of an icon, measurable and drawable.
MemoryIcon ModelIcon(MemoryIcon::Kind kind, std::int32_t width, std::int32_t height,
                     std::vector<std::uint32_t> pixels, std::vector<std::uint8_t> andMask = {},
                     std::vector<std::uint8_t> xorMask = {}) {
  MemoryIcon icon;
  icon.kind = kind;
  icon.width = width;
  icon.height = height;
  icon.pixels = std::move(pixels);
  icon.andMask = std::move(andMask);
  icon.xorMask = std::move(xorMask);
  return icon;
}

std::string Hex(TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color));
  return text;
}

std::string At(int x, int y) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d, %d)", x, y);
  return text;
}

// The largest difference of one channel between two colours.
int ChannelDistance(TColor a, TColor b) {
  int distance = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    distance = std::max(distance, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                           static_cast<int>((b >> shift) & 0xFF)));
  }
  return distance;
}

RenderedIconBitmap WhiteBitmap(int width, int height) {
  RenderedIconBitmap bitmap;
  bitmap.SetSize(width, height);
  return bitmap;
}

bool AllWhite(const RenderedIconBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.PixelColor(x, y) != 0xFFFFFF) return false;
    }
  }
  return true;
}

// The same icon drawn by the in-memory desktop.
RenderedIconBitmap DrawnByModel(const MemoryIcon& icon, TColor textColor) {
  MemoryDesktop model;
  const IconHandle handle = model.AddIcon(icon);
  RenderedIconBitmap bitmap = WhiteBitmap(icon.width, icon.height);
  EXPECT_TRUE(model.DrawIconOnWhite(handle, textColor, bitmap));
  return bitmap;
}

RenderedIconBitmap DrawnByWine(const test::OwnedIcon& icon, int width, int height,
                               TColor textColor) {
  Win32Desktop desktop;
  RenderedIconBitmap bitmap = WhiteBitmap(width, height);
  EXPECT_TRUE(desktop.DrawIconOnWhite(icon.handle(), textColor, bitmap));
  return bitmap;
}

void Report(const std::string& what, const RenderedIconBitmap& bitmap) {
  std::printf("%s:", what.c_str());
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      std::printf(" %s", Hex(bitmap.PixelColor(x, y)).c_str());
    }
    std::printf(" |");
  }
  std::printf("\n");
}

TEST(Win32DrawIcon, AlphaIsBlendedWithWhite) {
  // 0xAARRGGBB, straight alpha; the AND mask is all opaque, so only alpha can make a
  // pixel transparent.
  const std::vector<std::uint32_t> pixels = {
      0xFFFF0000, 0x800000FF, 0x0000FF00, 0x80C86432,  // opaque, half, clear, half
      0x01000000, 0xFE000000, 0xFFFFFFFF, 0x40000000,  // nearly clear .. nearly opaque
  };
  const test::OwnedIcon icon = test::MakeAlphaIcon(4, 2, pixels);
  const RenderedIconBitmap drawn = DrawnByWine(icon, 4, 2, 0x000000);
  const RenderedIconBitmap expected =
      DrawnByModel(ModelIcon(MemoryIcon::Kind::Alpha32, 4, 2, pixels), 0);
  Report("alpha icon, Wine", drawn);
  Report("alpha icon, in-memory model", expected);

  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t alpha = pixels[static_cast<std::size_t>(y * 4 + x)] >> 24;
      const TColor got = drawn.PixelColor(x, y);
      const TColor want = expected.PixelColor(x, y);
      SCOPED_TRACE(At(x, y) + " got " + Hex(got) + ", model " + Hex(want));
      if (alpha == 0 || alpha == 0xFF) {
        EXPECT_EQ(got, want);
      } else {
        EXPECT_LE(ChannelDistance(got, want), 2);
      }
    }
  }
  // The three kinds of pixel in plain numbers: opaque red, blue at half over white,
  // and nothing at all.
  EXPECT_EQ(drawn.PixelColor(0, 0), 0x0000FFu);
  EXPECT_LE(ChannelDistance(drawn.PixelColor(1, 0), 0xFF7F7F), 1);
  EXPECT_EQ(drawn.PixelColor(2, 0), 0xFFFFFFu);
}

TEST(Win32DrawIcon, EveryPixelLandsInItsPlaceWhateverTheWidth) {
  // Widths whose rows do not fill whole 4-byte units: the system's rows are padded,
  // the rendered bitmap's are not.
  for (const int width : {1, 2, 3, 5, 7, 16}) {
    const int height = 5;
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x * 30) << 16 |
                         static_cast<std::uint32_t>(y * 40) << 8 |
                         static_cast<std::uint32_t>(200 - x * y * 3));
      }
    }
    const test::OwnedIcon icon = test::MakeAlphaIcon(width, height, pixels);
    const RenderedIconBitmap drawn = DrawnByWine(icon, width, height, 0);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
        ASSERT_EQ(drawn.PixelColor(x, y), test::RgbToTColor(p & 0xFFFFFF))
            << "width " << width << " at " << At(x, y);
      }
    }
  }
}

TEST(Win32DrawIcon, AMaskedIconWithoutAlphaKeepsWhiteUnderItsMask) {
  // 0x00RRGGBB with the AND bit: 0 draws the colour, 1 keeps white (and a colour under
  // a set AND bit inverts it).
  const std::vector<std::uint32_t> colors = {0xC86432, 0x000000, 0x00FF00,
                                             0x000000, 0xFFFFFF, 0x123456};
  const std::vector<std::uint8_t> andMask = {0, 1, 1, 0, 0, 1};
  const test::OwnedIcon icon = test::MakeMaskedIcon(3, 2, colors, andMask);
  const RenderedIconBitmap drawn = DrawnByWine(icon, 3, 2, 0x000000);
  MemoryIcon same = ModelIcon(MemoryIcon::Kind::Masked, 3, 2, colors, andMask);
  const RenderedIconBitmap expected = DrawnByModel(same, 0x000000);
  Report("masked icon, Wine", drawn);
  Report("masked icon, in-memory model", expected);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(drawn.PixelColor(x, y), expected.PixelColor(x, y)) << At(x, y);
    }
  }
  EXPECT_EQ(drawn.PixelColor(0, 0), test::RgbToTColor(0xC86432));
  EXPECT_EQ(drawn.PixelColor(1, 0), 0xFFFFFFu);  // masked out: stays white

  // A 32-bit icon whose alpha is 0 everywhere has no alpha at all to the system: it is
  // drawn through its mask like the one above, not left clear. (The in-memory model
  // draws such an icon by its alpha, which would give white everywhere.)
  const test::OwnedIcon unblended = test::MakeAlphaIcon(3, 2, colors, andMask);
  const RenderedIconBitmap throughMask = DrawnByWine(unblended, 3, 2, 0x000000);
  Report("32-bit icon with alpha 0 everywhere, Wine", throughMask);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(throughMask.PixelColor(x, y), expected.PixelColor(x, y)) << At(x, y);
    }
  }
}

TEST(Win32DrawIcon, AMonochromeIconBecomesBlackAndWhite) {
  // One pixel for each AND/XOR pair: (0,0) 0/0, (1,0) 0/1, (0,1) 1/0, (1,1) 1/1.
  const std::vector<std::uint8_t> andMask = {0, 0, 1, 1};
  const std::vector<std::uint8_t> xorMask = {0, 1, 0, 1};
  const test::OwnedIcon icon = test::MakeMonochromeIcon(2, 2, andMask, xorMask);
  const MemoryIcon same = ModelIcon(MemoryIcon::Kind::Monochrome, 2, 2, {}, andMask, xorMask);

  // With the system's window-text colour, black, the model and the system agree:
  // black, white, white (transparent over white), black (inverted white).
  const RenderedIconBitmap drawn = DrawnByWine(icon, 2, 2, 0x000000);
  const RenderedIconBitmap expected = DrawnByModel(same, 0x000000);
  Report("monochrome icon, text 000000, Wine", drawn);
  Report("monochrome icon, text 000000, in-memory model", expected);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(drawn.PixelColor(x, y), expected.PixelColor(x, y)) << At(x, y);
    }
  }
  EXPECT_EQ(drawn.PixelColor(0, 0), 0x000000u);
  EXPECT_EQ(drawn.PixelColor(1, 0), 0xFFFFFFu);
  EXPECT_EQ(drawn.PixelColor(0, 1), 0xFFFFFFu);
  EXPECT_EQ(drawn.PixelColor(1, 1), 0x000000u);

  // Another text colour: Wine's icon drawing sets black and white on the surface
  // itself, so the picture does not change. The in-memory model gives the opaque
  // AND 0 / XOR 0 pixel the text colour instead.
  for (const TColor text : {0x0000FFu, 0x336699u}) {
    const RenderedIconBitmap coloured = DrawnByWine(icon, 2, 2, text);
    const RenderedIconBitmap modelled = DrawnByModel(same, text);
    Report("monochrome icon, text " + Hex(text) + ", Wine", coloured);
    Report("monochrome icon, text " + Hex(text) + ", in-memory model", modelled);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 2; ++x) {
        EXPECT_EQ(coloured.PixelColor(x, y), drawn.PixelColor(x, y))
            << "text " << Hex(text) << " at " << At(x, y);
      }
    }
    EXPECT_EQ(modelled.PixelColor(0, 0), text);
  }
}

TEST(Win32DrawIcon, AnIconThatCannotBeDrawnLeavesTheBitmapWhite) {
  Win32Desktop desktop;
  test::OwnedIcon icon = test::MakeSolidAlphaIcon(16, 16, 0xFF204080);
  const IconHandle gone = icon.handle();
  icon.Destroy();

  RenderedIconBitmap bitmap = WhiteBitmap(16, 16);
  EXPECT_FALSE(desktop.DrawIconOnWhite(gone, 0x000000, bitmap));
  EXPECT_TRUE(AllWhite(bitmap));
  EXPECT_FALSE(desktop.DrawIconOnWhite(0, 0x000000, bitmap));
  EXPECT_TRUE(AllWhite(bitmap));

  // A bitmap without pixels has nothing to draw on.
  const test::OwnedIcon live = test::MakeSolidAlphaIcon(16, 16, 0xFF204080);
  RenderedIconBitmap empty;
  EXPECT_FALSE(desktop.DrawIconOnWhite(live.handle(), 0x000000, empty));
  RenderedIconBitmap flat = WhiteBitmap(16, 0);
  EXPECT_FALSE(desktop.DrawIconOnWhite(live.handle(), 0x000000, flat));

  // A fully transparent icon, stored the usual way (clear black under a set mask),
  // draws and leaves white behind.
  const test::OwnedIcon clear = test::MakeSolidAlphaIcon(16, 16, 0x00000000);
  EXPECT_TRUE(desktop.DrawIconOnWhite(clear.handle(), 0x000000, bitmap));
  EXPECT_TRUE(AllWhite(bitmap));
}

}  // namespace
}  // namespace tintara
