// Window shape, moving and showing on the real desktop.
#include <windows.h>

#include "platform/win32/HandleCast.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using win32::FromNative;
using win32::ToNative;

}  // namespace

RegionHandle Win32Desktop::CreateRoundRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                                 std::int32_t y2, std::int32_t ellipseWidth,
                                                 std::int32_t ellipseHeight) {
  return FromNative(CreateRoundRectRgn(x1, y1, x2, y2, ellipseWidth, ellipseHeight));
}

RegionHandle Win32Desktop::CreateRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                            std::int32_t y2) {
  return FromNative(CreateRectRgn(x1, y1, x2, y2));
}

bool Win32Desktop::CombineRegionsOr(RegionHandle destination, RegionHandle first,
                                    RegionHandle second) {
  return CombineRgn(ToNative<HRGN>(destination), ToNative<HRGN>(first), ToNative<HRGN>(second),
                    RGN_OR) != ERROR;
}

bool Win32Desktop::DeleteRegion(RegionHandle region) {
  return DeleteObject(ToNative<HRGN>(region)) != FALSE;
}

std::int32_t Win32Desktop::SetWindowRegion(WindowHandle window, RegionHandle region, bool redraw) {
  return SetWindowRgn(ToNative<HWND>(window), ToNative<HRGN>(region), redraw ? TRUE : FALSE);
}

void Win32Desktop::ReleaseMouseCapture() {
  ReleaseCapture();
}

std::int64_t Win32Desktop::SendSystemCommand(WindowHandle window, std::uint32_t command,
                                             std::int64_t lParam) {
  return static_cast<std::int64_t>(SendMessageW(ToNative<HWND>(window), WM_SYSCOMMAND,
                                                static_cast<WPARAM>(command),
                                                static_cast<LPARAM>(lParam)));
}

bool Win32Desktop::RestoreWindow(WindowHandle window) {
  return ShowWindow(ToNative<HWND>(window), SW_RESTORE) != FALSE;
}

Rect Win32Desktop::DesktopBounds() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::int32_t Win32Desktop::PrimaryScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}

Rect Win32Desktop::WindowBounds(WindowHandle window) {
  RECT r{};
  if (!GetWindowRect(ToNative<HWND>(window), &r)) return {};
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace tintara
