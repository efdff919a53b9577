#pragma once

// Numbers of the resources embedded by assets/tintara.rc. The resource compiler reads
// only the #define lines; C++ code uses the constants below them.
//
// Icons are numbered rather than named: the executable's icon is the icon group that
// comes first in the resource directory, where numbers follow names, so the logo
// keeps the lowest number.
#define TINTARA_RES_LOGO_ICON 1
#define TINTARA_RES_DETAILS_ICON 2
#define TINTARA_RES_WARNING_ICON 3
#define TINTARA_RES_TITLEBAR_BITMAP 10
#define TINTARA_RES_TILE_BITMAP 11

#ifndef RC_INVOKED
namespace tintara::resources {

// The program's logo: 23 images, 16 to 256 pixels, 1 to 32 bits.
inline constexpr int kLogoIcon = TINTARA_RES_LOGO_ICON;
// The details window's title image: 16 to 256 pixels, 32 bits.
inline constexpr int kDetailsIcon = TINTARA_RES_DETAILS_ICON;
// The tray menu's exit picture: 23 images like the logo.
inline constexpr int kWarningIcon = TINTARA_RES_WARNING_ICON;
// 650 x 60, 24 bits: the title-bar picture.
inline constexpr int kTitleBarBitmap = TINTARA_RES_TITLEBAR_BITMAP;
// 200 x 200, 32 bits with straight (not premultiplied) alpha: the tile background.
// Load it as a DIB section to keep the alpha, and premultiply before AlphaBlend.
inline constexpr int kTileBitmap = TINTARA_RES_TILE_BITMAP;

}  // namespace tintara::resources
#endif
