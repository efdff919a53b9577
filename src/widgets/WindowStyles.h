#pragma once

#include <cstdint>

namespace tintara::styles {

// The window-system style bits a form's creation parameters are made of.
inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsClipChildren = 0x02000000;
inline constexpr std::uint32_t kWsCaption = 0x00C00000;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000;
inline constexpr std::uint32_t kWsThickFrame = 0x00040000;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kWsExControlParent = 0x00010000;
inline constexpr std::uint32_t kCsDblClks = 0x00000008;
inline constexpr std::uint32_t kCsDropShadow = 0x00020000;

}  // namespace tintara::styles
