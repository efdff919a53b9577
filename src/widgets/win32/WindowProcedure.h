#pragma once

#include <windows.h>

namespace tintara::win32 {

// The one window procedure of every window this toolkit creates. CreateWindowExW gets
// the owning object as its creation parameter; WM_NCCREATE binds it to the window and
// every later message goes to its member:
//
//   LRESULT Owner::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
//   void Owner::WindowDestroyed();   // after WM_NCDESTROY, the handle is dead
//
// Messages that arrive before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY get
// the default treatment. HandleMessage must not let exceptions out: they would unwind
// through the system's frames.
template <typename Owner>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    owner->WindowDestroyed();
    return result;
  }
  return owner->HandleMessage(window, message, wParam, lParam);
}

}  // namespace tintara::win32
