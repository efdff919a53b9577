#pragma once

#include <cstdint>

namespace tintara {

// 0x00BBGGRR; a top byte of 0xFF names a system colour by the index in the low byte.
using TColor = std::uint32_t;

// Opaque handles as the desktop hands them out; 0 means none. Window handles are
// 32-bit values on every Windows, but are carried at full width and only narrowed
// where they are shown.
using WindowHandle = std::uint64_t;
using IconHandle = std::uint64_t;
using ModuleHandle = std::uint64_t;
// A procedure address inside a loaded module; 0 when the module lacks it.
using EntryPoint = std::uint64_t;
// A COM-style result: negative values are failures.
using HResult = std::int32_t;

struct IconSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const IconSize&, const IconSize&) = default;
};

// The desktop window manager's colorization record, exactly as exchanged with it.
struct ColorizationParams {
  std::uint32_t Color = 0;      // 0xAARRGGBB
  std::uint32_t Afterglow = 0;  // 0xAARRGGBB
  std::int32_t Intensity = 0;
  std::int32_t AfterglowBalance = 0;
  std::int32_t BlurBalance = 0;
  std::int32_t GlassReflectionIntensity = 0;
  std::uint32_t Opaque = 0;  // carried through untouched
  friend bool operator==(const ColorizationParams&, const ColorizationParams&) = default;
};
static_assert(sizeof(ColorizationParams) == 28, "the record is 28 bytes on the wire");

}  // namespace tintara
