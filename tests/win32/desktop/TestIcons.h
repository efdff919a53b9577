#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Types.h"

namespace tintara::test {

// An icon the test made from its own pixel data; destroyed with the object.
class OwnedIcon {
 public:
  OwnedIcon() = default;
  explicit OwnedIcon(HICON icon) : icon_(icon) {}
  ~OwnedIcon() { Destroy(); }
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;
  OwnedIcon(OwnedIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  OwnedIcon& operator=(OwnedIcon&& other) noexcept {
    if (this != &other) {
      Destroy();
      icon_ = std::exchange(other.icon_, nullptr);
    }
    return *this;
  }

  HICON get() const { return icon_; }
  IconHandle handle() const {
    return static_cast<IconHandle>(reinterpret_cast<std::uintptr_t>(icon_));
  }
  void Destroy() {
    if (icon_ != nullptr) DestroyIcon(icon_);
    icon_ = nullptr;
  }

 private:
  HICON icon_ = nullptr;
};

// Pixels are given row by row from the top. Masks hold one entry per pixel, 1 = set.

// 32-bit colour with straight (not premultiplied) alpha, 0xAARRGGBB. Without an AND
// mask the mask is all 0, so only the alpha channel can make a pixel transparent.
OwnedIcon MakeAlphaIcon(int width, int height, const std::vector<std::uint32_t>& argb,
                        const std::vector<std::uint8_t>& andMask = {});
// One colour everywhere; the AND mask is set where alpha is 0, as icon editors do.
OwnedIcon MakeSolidAlphaIcon(int width, int height, std::uint32_t argb);
// 24-bit colour (0x00RRGGBB) and an AND mask, no alpha channel.
OwnedIcon MakeMaskedIcon(int width, int height, const std::vector<std::uint32_t>& rgb,
                         const std::vector<std::uint8_t>& andMask);
// No colour bitmap at all: an AND mask above an XOR mask in one 1-bit bitmap.
OwnedIcon MakeMonochromeIcon(int width, int height, const std::vector<std::uint8_t>& andMask,
                             const std::vector<std::uint8_t>& xorMask);

// A window-manager colour 0x00RRGGBB as the TColor (0x00BBGGRR) it renders to.
TColor RgbToTColor(std::uint32_t rgb);

}  // namespace tintara::test
