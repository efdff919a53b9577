#include "widgets/win32/Win32FormWindow.h"

#include <windowsx.h>

#include <cstdio>
#include <exception>
#include <string>

#include "platform/PlatformError.h"
#include "platform/win32/HandleCast.h"
#include "widgets/CheckBox.h"
#include "widgets/Painter.h"
#include "widgets/win32/BufferedPaint.h"
#include "widgets/win32/GdiCanvas.h"
#include "widgets/win32/TextConversion.h"
#include "widgets/win32/WindowProcedure.h"

namespace tintara::win32 {
namespace {

// Forms with different class styles (a drop shadow, double clicks) need classes of
// their own; forms that agree share one.
std::wstring FormClassName(std::uint32_t classStyle) {
  wchar_t name[32];
  std::swprintf(name, sizeof name / sizeof name[0], L"TintaraForm%08X", classStyle);
  return name;
}

Point PointFrom(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

ShiftState ShiftFrom(WPARAM wParam) {
  ShiftState shift;
  shift.shift = (wParam & MK_SHIFT) != 0;
  shift.ctrl = (wParam & MK_CONTROL) != 0;
  shift.alt = GetKeyState(VK_MENU) < 0;
  shift.left = (wParam & MK_LBUTTON) != 0;
  shift.right = (wParam & MK_RBUTTON) != 0;
  shift.middle = (wParam & MK_MBUTTON) != 0;
  return shift;
}

Rect FromRECT(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

Win32FormWindow::Win32FormWindow(Form& form, const CreateParams& params,
                                 WindowClassRegistry& classes, GdiResources& resources)
    : form_(form),
      resources_(resources),
      // A form is made hidden and shown by Show.
      style_(params.style & ~static_cast<DWORD>(WS_VISIBLE)),
      exStyle_(params.exStyle | (params.opacity ? WS_EX_LAYERED : 0)) {
  // The program's own icon, for the taskbar button and Alt+Tab; shared, never destroyed.
  const HICON icon = LoadIconW(classes.instance(), MAKEINTRESOURCEW(1));
  const ATOM windowClass = classes.Ensure(FormClassName(params.classStyle), params.classStyle,
                                          &WindowProcedure<Win32FormWindow>, icon);
  RECT outer{0, 0, params.bounds.width, params.bounds.height};
  AdjustWindowRectEx(&outer, style_, FALSE, exStyle_);
  const std::wstring caption = Wide(params.caption);
  // The procedure binds this object at WM_NCCREATE and sets window_.
  // An owned window stays above its owner and has no taskbar button of its own.
  CreateWindowExW(exStyle_, MAKEINTATOM(windowClass), caption.c_str(), style_, params.bounds.left,
                  params.bounds.top, outer.right - outer.left, outer.bottom - outer.top,
                  ToNative<HWND>(params.owner), nullptr, classes.instance(), this);
  if (window_ == nullptr) throw PlatformError("The window could not be created");
  if (params.opacity) SetLayeredWindowAttributes(window_, 0, *params.opacity, LWA_ALPHA);
  try {
    natives_ = std::make_unique<NativeChildren>(window_, resources_, classes);
    natives_->CreateAll(form_);
  } catch (...) {
    // No destructor runs for a half-made object: the window, which points at it, goes
    // here.
    destroying_ = true;
    DestroyWindow(window_);
    throw;
  }
}

Win32FormWindow::~Win32FormWindow() {
  destroying_ = true;
  if (window_ != nullptr) DestroyWindow(window_);
}

WindowHandle Win32FormWindow::Handle() const {
  return FromNative(window_);
}

void Win32FormWindow::Show(WindowShowState state) {
  int command = SW_SHOW;  // a window shown again keeps whether it is minimised
  if (state == WindowShowState::Maximized) command = SW_SHOWMAXIMIZED;
  if (state == WindowShowState::MinimizedNoActivate) command = SW_SHOWMINNOACTIVE;
  if (state == WindowShowState::Normal && !shownBefore_) command = SW_SHOWNORMAL;
  shownBefore_ = true;
  ShowWindow(window_, command);
  if (command != SW_SHOWMINNOACTIVE) SetForegroundWindow(window_);
}

void Win32FormWindow::Hide() {
  ShowWindow(window_, SW_HIDE);
}

void Win32FormWindow::Minimize() {
  ShowWindow(window_, SW_MINIMIZE);
}

void Win32FormWindow::Move(const Rect& bounds) {
  RECT outer{0, 0, bounds.width, bounds.height};
  AdjustWindowRectEx(&outer, style_, FALSE, exStyle_);
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormWindow::SetCaption(const std::u16string& caption) {
  SetWindowTextW(window_, Wide(caption).c_str());
}

void Win32FormWindow::Invalidate(const Rect& rect) {
  if (window_ == nullptr || rect.Empty()) return;
  const RECT area{rect.left, rect.top, rect.Right(), rect.Bottom()};
  InvalidateRect(window_, &area, FALSE);
}

void Win32FormWindow::NativeControlChanged(Control& control) {
  if (destroying_ || !natives_) return;
  natives_->Sync(control);
}

LRESULT Win32FormWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) window_ = window;
  if (destroying_ || !natives_) return DefWindowProcW(window, message, wParam, lParam);
  // Nothing may unwind through the system's frames: what a handler lets escape ends
  // that handler and goes to the general error report; the program goes on.
  try {
    return Dispatch(message, wParam, lParam);
  } catch (const std::exception& error) {
    form_.App().ShowException(error);
    return 0;
  }
}

LRESULT Win32FormWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painting covers everything; erasing first would flicker
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT: {
      // A themed child asks for what lies behind it.
      RECT client{};
      GetClientRect(window_, &client);
      PaintInto(reinterpret_cast<HDC>(wParam), FromRECT(client));
      return 0;
    }
    case WM_MOUSEMOVE:
      PointerMoved(lParam);
      return 0;
    case WM_CAPTURECHANGED:
      capturing_ = false;
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      form_.PointerLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Button(MouseButton::Left, true, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      Button(MouseButton::Right, true, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Button(MouseButton::Middle, true, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      Button(MouseButton::Left, false, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      Button(MouseButton::Right, false, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      Button(MouseButton::Middle, false, wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
        CheckBoxClicked(reinterpret_cast<HWND>(lParam));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ChildColors(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETFOCUS:
      FocusActiveControl();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      // The system moves the window by itself (a drag, a maximised show), and hints
      // open at the form's position plus the pointer. A minimised window's parking
      // place is no position.
      RECT placed{};
      if (!IsIconic(window_) && GetWindowRect(window_, &placed)) {
        form_.WindowMoved({placed.left, placed.top});
      }
      break;  // the default still sends WM_MOVE and WM_SIZE
    }
    case WM_CLOSE:
      // A close request from outside: no question, the form's close path runs.
      form_.Close();
      return 0;
    case WM_SETTINGCHANGE:
      // Colours or metrics may have changed: the controls that follow them hear of it;
      // the default handling follows.
      form_.App().RunHandler([&] { form_.NotifySettingsChanged(); });
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends: the program stops without closing the main form, so
      // nothing is asked. Windows may end the process as soon as this returns, so
      // whatever must survive is done inside the form's handler.
      if (wParam != 0) form_.EndSession();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32FormWindow::Paint() {
  BufferedPaint paint(window_);
  PaintInto(paint.dc(), FromRECT(paint.area()));
  // Children paint themselves; the copy of the buffer must not cover them.
  natives_->ForEachShowing([&](const Control&, HWND child) {
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&area), 2);
    paint.ExcludeFromScreen(area);
  });
}

void Win32FormWindow::PaintInto(HDC dc, const Rect& dirty) {
  GdiCanvas canvas(dc, resources_);
  PaintControlTree(form_, canvas, dirty);
}

void Win32FormWindow::PointerMoved(LPARAM lParam) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window_;
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  form_.PointerMove(PointFrom(lParam));
}

void Win32FormWindow::Button(MouseButton button, bool down, WPARAM wParam, LPARAM lParam) {
  const Point at = PointFrom(lParam);
  if (down) {
    // The release must come back here even when the pointer has left the window by
    // then, so a click is judged on the control that took the press.
    SetCapture(window_);
    capturing_ = true;
    form_.ButtonDown(button, ShiftFrom(wParam), at);
    return;
  }
  form_.ButtonUp(button, ShiftFrom(wParam), at);
  const bool anyHeld = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
  // Only a capture of our own is let go: the system's move loop holds one while a
  // handler drags the window, and a release of another button arrives inside it.
  if (!anyHeld && capturing_ && GetCapture() == window_) ReleaseCapture();
}

void Win32FormWindow::CheckBoxClicked(HWND child) {
  Control* control = natives_->ControlOf(child);
  if (control == nullptr || control->Kind() != ControlKind::CheckBox) return;
  auto& box = static_cast<CheckBox&>(*control);
  // The native box has turned itself over already; the toolkit's box follows, which
  // runs its click handler.
  const bool checked = NativeChildren::IsChecked(child);
  form_.SetActiveControl(control);
  form_.App().RunHandler([&] { box.SetChecked(checked); });
}

LRESULT Win32FormWindow::ChildColors(UINT message, HDC dc, HWND child) {
  const Control* control = natives_->ControlOf(child);
  if (control == nullptr) {
    return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(child));
  }
  const TColor color = control->Color() & 0x00FFFFFFu;
  SetBkColor(dc, color);
  SetTextColor(dc, control->GetFont().color & 0x00FFFFFFu);
  auto found = backgrounds_.find(color);
  if (found == backgrounds_.end()) {
    found = backgrounds_.emplace(color, OwnedBrush(CreateSolidBrush(color))).first;
  }
  return reinterpret_cast<LRESULT>(found->second.get());
}

void Win32FormWindow::FocusActiveControl() {
  Control* control = form_.ActiveControl();
  HWND target = control != nullptr ? natives_->WindowOf(*control) : nullptr;
  if (target == nullptr) {
    // Nothing chosen yet: the first native control that takes the focus.
    natives_->ForEachShowing([&](const Control& candidate, HWND child) {
      if (target == nullptr && candidate.CanFocus() && candidate.Enabled()) target = child;
    });
  }
  if (target != nullptr) SetFocus(target);
}

}  // namespace tintara::win32
