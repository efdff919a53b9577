#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "widgets/win32/OwnedHandles.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// The small window that shows a hint: a plain rounded rectangle with one line of text,
// topmost, never activated, transparent to the mouse, drawn at a constant opacity that
// the presenter steps to fade it in and out.
//
// The picture is handed to the system with UpdateLayeredWindow, so the window needs no
// WM_PAINT: it may live on a thread that only waits. It belongs to the thread that
// created it, which must also be the one that destroys it.
class HintWindow {
 public:
  // The window class of hints; registered on the first call. Throws PlatformError.
  static ATOM WindowClass(WindowClassRegistry& classes);

  // Creates the window hidden, its top-left corner at `position` (screen coordinates),
  // sized to the text in `font` (borrowed). Throws PlatformError when it cannot be made.
  HintWindow(HINSTANCE instance, ATOM windowClass, const std::wstring& text, POINT position,
             HFONT font);
  ~HintWindow();
  HintWindow(const HintWindow&) = delete;
  HintWindow& operator=(const HintWindow&) = delete;

  // Moves the window's top-left corner (screen coordinates).
  void MoveTo(POINT position);

  // 0: invisible, 255: opaque. The first call shows the window.
  void SetOpacity(std::uint8_t opacity);
  std::uint8_t Opacity() const { return opacity_; }

  HWND Handle() const { return window_; }
  SIZE Extent() const { return size_; }

 private:
  void Render(const std::wstring& text, HFONT font);

  HWND window_ = nullptr;
  POINT position_{};
  SIZE size_{};
  MemoryDC surface_;
  Bitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
  std::uint8_t opacity_ = 0;
  bool shown_ = false;
};

}  // namespace tintara::win32
