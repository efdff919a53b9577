#pragma once

#include <windows.h>

#include <utility>

namespace standin {

// Move-only owner of one system handle, released by the given function.
template <typename Handle, auto Release, auto Invalid>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Invalid());
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  void Reset() {
    if (handle_ != Invalid()) Release(handle_);
    handle_ = Invalid();
  }

 private:
  Handle handle_ = Invalid();
};

inline HANDLE InvalidFile() {
  return INVALID_HANDLE_VALUE;
}
inline HANDLE NoHandle() {
  return nullptr;
}
inline HICON NoIcon() {
  return nullptr;
}
inline HGDIOBJ NoObject() {
  return nullptr;
}
inline void CloseFile(HANDLE handle) {
  CloseHandle(handle);
}
inline void DestroyOwnedIcon(HICON icon) {
  DestroyIcon(icon);
}
inline void DeleteGdiObject(HGDIOBJ object) {
  DeleteObject(object);
}

using FileHandle = Owned<HANDLE, CloseFile, InvalidFile>;
using KernelHandle = Owned<HANDLE, CloseFile, NoHandle>;
using IconOwner = Owned<HICON, DestroyOwnedIcon, NoIcon>;
using GdiObject = Owned<HGDIOBJ, DeleteGdiObject, NoObject>;

}  // namespace standin
