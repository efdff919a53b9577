#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "widgets/Backend.h"
#include "widgets/Form.h"
#include "widgets/win32/GdiResources.h"
#include "widgets/win32/NativeChildren.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// One form's window: a top-level HWND made with the form's creation parameters, in
// which the form's windowless controls are painted (double buffered, through the GDI
// canvas) and to which the mouse input is handed over through the form's entry points.
// Check boxes and memos are native children.
class Win32FormWindow final : public FormWindow {
 public:
  // Throws PlatformError when the window cannot be made.
  Win32FormWindow(Form& form, const CreateParams& params, WindowClassRegistry& classes,
                  GdiResources& resources);
  ~Win32FormWindow() override;

  WindowHandle Handle() const override;
  void Show(WindowShowState state) override;
  void Hide() override;
  void Minimize() override;
  void Move(const Rect& bounds) override;
  void SetCaption(const std::u16string& caption) override;
  void Invalidate(const Rect& rect) override;
  void NativeControlChanged(Control& control) override;

  HWND Window() const { return window_; }
  const NativeChildren& Natives() const { return *natives_; }

  // For the window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void WindowDestroyed() { window_ = nullptr; }

 private:
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void PaintInto(HDC dc, const Rect& dirty);
  void PointerMoved(LPARAM lParam);
  void Button(MouseButton button, bool down, WPARAM wParam, LPARAM lParam);
  void CheckBoxClicked(HWND child);
  LRESULT ChildColors(UINT message, HDC dc, HWND child);
  void FocusActiveControl();

  Form& form_;
  GdiResources& resources_;
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  HWND window_ = nullptr;
  std::unique_ptr<NativeChildren> natives_;
  // Once the destructor runs the form may be half gone: messages get the default
  // treatment only.
  bool destroying_ = false;
  bool trackingLeave_ = false;
  // The capture taken at a button press and not yet handed over or let go.
  bool capturing_ = false;
  bool shownBefore_ = false;
  std::map<TColor, OwnedBrush> backgrounds_;
};

}  // namespace tintara::win32
