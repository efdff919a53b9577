#pragma once

#include <windows.h>

#include "widgets/win32/OwnedHandles.h"

namespace tintara::win32 {

// Double buffering for one WM_PAINT: everything is drawn into a memory bitmap the size
// of the area to paint, in the window's own client coordinates, and copied to the
// screen in one BitBlt when the object goes, so the screen never shows a half-drawn
// state. When no buffer can be made, drawing goes straight to the screen.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND window);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;

  // Where to draw: client coordinates, clipped to the area to paint.
  HDC dc() const { return buffered_ ? memory_.get() : session_.dc(); }
  const RECT& area() const { return session_.area(); }
  // Keeps the final copy off a part of the screen (client coordinates), such as a
  // child window that paints itself.
  void ExcludeFromScreen(const RECT& rect) {
    ExcludeClipRect(session_.dc(), rect.left, rect.top, rect.right, rect.bottom);
  }

 private:
  PaintSession session_;
  MemoryDC memory_;
  Bitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
  bool buffered_ = false;
};

}  // namespace tintara::win32
