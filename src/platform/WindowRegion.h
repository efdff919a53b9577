#pragma once

#include <cstdint>

#include "platform/DesktopServices.h"

namespace tintara {

// A region this program created and still owns: deleted when the object goes, unless a
// window has taken it over through GiveToWindow.
class WindowRegion {
 public:
  static WindowRegion RoundRect(DesktopServices& desktop, std::int32_t x1, std::int32_t y1,
                                std::int32_t x2, std::int32_t y2, std::int32_t ellipseWidth,
                                std::int32_t ellipseHeight);
  static WindowRegion Rectangular(DesktopServices& desktop, std::int32_t x1, std::int32_t y1,
                                  std::int32_t x2, std::int32_t y2);

  WindowRegion(WindowRegion&& other) noexcept;
  WindowRegion& operator=(WindowRegion&& other) noexcept;
  WindowRegion(const WindowRegion&) = delete;
  WindowRegion& operator=(const WindowRegion&) = delete;
  ~WindowRegion() { Delete(); }

  RegionHandle Handle() const { return handle_; }
  bool Valid() const { return handle_ != 0; }

  // Unites `other` into this region in place (RGN_OR); false when the system refused.
  bool Unite(const WindowRegion& other);

  // SetWindowRgn with redraw: on success the window owns the region and this object
  // lets go of it; on failure it keeps the region and deletes it in due course.
  bool GiveToWindow(WindowHandle window);

 private:
  WindowRegion(DesktopServices& desktop, RegionHandle handle)
      : desktop_(&desktop), handle_(handle) {}
  void Delete();

  DesktopServices* desktop_;
  RegionHandle handle_;
};

}  // namespace tintara
