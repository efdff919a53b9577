#include "widgets/win32/BufferedPaint.h"

namespace tintara::win32 {

BufferedPaint::BufferedPaint(HWND window) : session_(window) {
  const RECT& area = session_.area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (session_.dc() == nullptr || !memory_ || width <= 0 || height <= 0) return;
  bitmap_.reset(CreateCompatibleBitmap(session_.dc(), width, height));
  if (!bitmap_) return;
  previousBitmap_ = SelectObject(memory_.get(), bitmap_.get());
  if (previousBitmap_ == nullptr || previousBitmap_ == HGDI_ERROR) return;
  // Drawing code works in client coordinates whichever part is being painted.
  SetViewportOrgEx(memory_.get(), -area.left, -area.top, nullptr);
  buffered_ = true;
}

BufferedPaint::~BufferedPaint() {
  if (!buffered_) return;
  const RECT& area = session_.area();
  BitBlt(session_.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top,
         memory_.get(), area.left, area.top, SRCCOPY);
  SelectObject(memory_.get(), previousBitmap_);
}

}  // namespace tintara::win32
