#pragma once

#include <string_view>

#include "platform/RenderedIconBitmap.h"
#include "platform/Types.h"

namespace tintara {

inline constexpr std::u16string_view kModeMostUsed = u"(most used color)";
inline constexpr std::u16string_view kModeCenter = u"(use center color)";
inline constexpr std::u16string_view kModeInitial = u"(color mode)";

// Exactly "(most used color)" selects the most frequent colour; every other text,
// however close, selects the centre pixel.
bool SelectsMostUsedColor(std::u16string_view mode);

TColor CenterColor(const RenderedIconBitmap& bitmap);
TColor MostUsedColor(const RenderedIconBitmap& bitmap);

TColor PickIconColor(const RenderedIconBitmap& bitmap, std::u16string_view mode);

}  // namespace tintara
