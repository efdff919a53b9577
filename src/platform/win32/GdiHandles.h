#pragma once

#include <windows.h>

#include <utility>

namespace tintara::win32 {

// A memory device context this code created; deleted with DeleteDC.
class MemoryDC {
 public:
  MemoryDC() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemoryDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  MemoryDC(MemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  MemoryDC& operator=(MemoryDC&& other) noexcept {
    if (this != &other) {
      if (dc_ != nullptr) DeleteDC(dc_);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A move-only owner of one handle, released by Traits::Release unless it is null.
template <typename Traits>
class OwnedHandle {
 public:
  using Handle = typename Traits::Handle;

  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { reset(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands ownership over (for example to the system) without releasing.
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Traits::Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

template <typename H>
struct GdiObjectTraits {
  using Handle = H;
  static void Release(H handle) { DeleteObject(handle); }
};

// A GDI object (bitmap, brush, pen, font, region) this code owns; deleted with
// DeleteObject. It must no longer be selected into a DC by then, which is why a
// SelectionGuard on it has to be declared after it.
template <typename Handle>
using GdiObject = OwnedHandle<GdiObjectTraits<Handle>>;

using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC for the guard's lifetime and puts back whatever it
// replaced, so the object can be deleted and the DC is left as it was found.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionGuard() {
    if (selected()) SelectObject(dc_, previous_);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

  // False when SelectObject refused the object.
  bool selected() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tintara::win32
