#pragma once

#include <windows.h>

#include <utility>

#include "platform/win32/GdiHandles.h"

namespace tintara::win32 {

using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedPen = GdiObject<HPEN>;
using OwnedRegion = GdiObject<HRGN>;

struct IconTraits {
  using Handle = HICON;
  static void Release(HICON icon) { DestroyIcon(icon); }
};
// An icon this code loaded or made itself; icons borrowed from other windows are never
// put into one.
using OwnedIcon = OwnedHandle<IconTraits>;

struct KernelTraits {
  using Handle = HANDLE;
  static void Release(HANDLE handle) { CloseHandle(handle); }
};
// An event, thread or other kernel object; never INVALID_HANDLE_VALUE.
using KernelObject = OwnedHandle<KernelTraits>;

// The device context of a window's client area for the guard's lifetime.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintSession {
 public:
  explicit PaintSession(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintSession() { EndPaint(window_, &paint_); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;

  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Saves the whole state of a DC (clip, origin, selected objects, colours) and puts it
// back, so drawing one control cannot leak its clip or font into the next.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDCState() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace tintara::win32
