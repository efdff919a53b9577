#pragma once

#include <windows.h>

#include <cstdint>

namespace tintara::win32 {

// Handles cross the platform seam as plain 64-bit numbers; these turn them back into
// the pointer types the system calls take, and the other way round.
template <typename Native>
Native ToNative(std::uint64_t handle) {
  return reinterpret_cast<Native>(static_cast<std::uintptr_t>(handle));
}

template <typename Native>
std::uint64_t FromNative(Native handle) {
  return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace tintara::win32
