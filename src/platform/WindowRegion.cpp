#include "platform/WindowRegion.h"

#include <utility>

namespace tintara {

WindowRegion WindowRegion::RoundRect(DesktopServices& desktop, std::int32_t x1, std::int32_t y1,
                                     std::int32_t x2, std::int32_t y2, std::int32_t ellipseWidth,
                                     std::int32_t ellipseHeight) {
  return WindowRegion(desktop,
                      desktop.CreateRoundRectRegion(x1, y1, x2, y2, ellipseWidth, ellipseHeight));
}

WindowRegion WindowRegion::Rectangular(DesktopServices& desktop, std::int32_t x1, std::int32_t y1,
                                       std::int32_t x2, std::int32_t y2) {
  return WindowRegion(desktop, desktop.CreateRectRegion(x1, y1, x2, y2));
}

WindowRegion::WindowRegion(WindowRegion&& other) noexcept
    : desktop_(other.desktop_), handle_(std::exchange(other.handle_, 0)) {}

WindowRegion& WindowRegion::operator=(WindowRegion&& other) noexcept {
  if (this != &other) {
    Delete();
    desktop_ = other.desktop_;
    handle_ = std::exchange(other.handle_, 0);
  }
  return *this;
}

bool WindowRegion::Unite(const WindowRegion& other) {
  return desktop_->CombineRegionsOr(handle_, handle_, other.handle_);
}

bool WindowRegion::GiveToWindow(WindowHandle window) {
  if (desktop_->SetWindowRegion(window, handle_, true) == 0) return false;
  handle_ = 0;
  return true;
}

void WindowRegion::Delete() {
  if (handle_ != 0) desktop_->DeleteRegion(std::exchange(handle_, 0));
}

}  // namespace tintara
