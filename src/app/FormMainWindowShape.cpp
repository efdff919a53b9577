#include "app/FormMainWindowShape.h"

namespace tintara {

void ApplyWindowRegion(Form& window) {
  DesktopServices& desktop = window.Desktop();
  const std::int32_t w = window.Width();
  const std::int32_t h = window.Height();
  // The system leaves the right and bottom edges out of a rounded region, hence + 1.
  WindowRegion region = WindowRegion::RoundRect(desktop, 0, 0, w + 1, h + 1, 6, 6);
  AddRectToRegion(desktop, region, 0, h - 3, 3, h + 1);
  AddRectToRegion(desktop, region, w - 3, h - 3, w, h);
  // On failure the region stays ours and goes when `region` does.
  region.GiveToWindow(window.Handle());
}

void AddRectToRegion(DesktopServices& desktop, WindowRegion& region, std::int32_t x1,
                     std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  const WindowRegion rectangle = WindowRegion::Rectangular(desktop, x1, y1, x2, y2);
  region.Unite(rectangle);
}

void StartWindowDrag(DesktopServices& desktop, WindowHandle window) {
  desktop.ReleaseMouseCapture();
  desktop.SendSystemCommand(window, kSysCommandDragMove, 0);
}

}  // namespace tintara
