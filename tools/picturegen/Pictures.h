#pragma once

#include "Image.h"

namespace tintara::picturegen {

// The title-bar picture: 650 x 60, opaque. A light-blue band on top fades into white.
constexpr int kTitleBarWidth = 650;
constexpr int kTitleBarHeight = 60;
constexpr int kTitleBarBlueRows = 9;    // rows 0 to 8: the plain light blue
constexpr int kTitleBarWhiteFrom = 52;  // rows 52 to 59: plain white
Image DrawTitleBar();

// The tile behind the captured icon and the colour swatch: 200 x 200 with alpha.
constexpr int kTileSize = 200;
constexpr double kTileCornerRadius = 10;
Image DrawTile();

// The program's logo at size x size: four pastel quadrants in a grey rim.
Image DrawLogo(int size);

// The details window's icon at size x size: a small window listing three rows.
Image DrawDetailsIcon(int size);

// The exit item's picture at size x size: a warning triangle with an exclamation mark.
Image DrawWarningIcon(int size);

}  // namespace tintara::picturegen
