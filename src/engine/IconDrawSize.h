#pragma once

#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace tintara {

// The size an icon from another window is drawn at, when it is captured and when it
// is shown. Any program can hand out an icon of any size, so the size is bounded: an
// icon larger than kMaxIconSide on a side is drawn scaled down, keeping its
// proportions, to fit kMaxIconSide x kMaxIconSide, and nothing made for it grows
// beyond that.
struct IconDrawSize {
  static constexpr std::int32_t kMaxIconSide = 256;

  IconSize size;
  // The icon is drawn scaled to `size`; otherwise at its own size.
  bool scaled = false;

  friend bool operator==(const IconDrawSize&, const IconDrawSize&) = default;
};

// `measured`: the icon's own size as the platform measured it, whose sides count by
// their magnitude (a bitmap stored top-down may report a negative height); none when
// it could not be measured, in which case the icon counts as `standardSide` square
// and is drawn at its own size.
IconDrawSize IconDrawSizeOf(std::optional<IconSize> measured, int standardSide);

}  // namespace tintara
