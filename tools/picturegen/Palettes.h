#pragma once

#include "Color.h"

namespace tintara::picturegen {

// The window's light blue, 0xFFD9BF as a Windows colour value (0x00BBGGRR).
constexpr Color kLightBlue = Color::FromRgb(191, 217, 255);
// The title-bar panel's pale blue, 0xFFF5ED as a Windows colour value.
constexpr Color kPaleBlue = Color::FromRgb(237, 245, 255);
constexpr Color kWhite = Color::FromRgb(255, 255, 255);
constexpr Color kBlack = Color::FromRgb(0, 0, 0);

}  // namespace tintara::picturegen
