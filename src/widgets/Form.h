#pragma once

#include <functional>
#include <memory>
#include <string>

#include "widgets/Application.h"
#include "widgets/Backend.h"
#include "widgets/Control.h"

namespace tintara {

// Where a form appears the first time it is shown.
enum class FormPosition {
  Designed,        // at its bounds as laid out
  DesktopCenter,   // centred on the bounding rectangle of all monitors
  MainFormCenter,  // centred over the application's main form where it is then
};

// The first-show position of a window of `size` centred on `desktop`: desktop left +
// desktop width div 2 - width div 2 (and the same vertically), never left of or above
// the desktop's own edges.
Point CenteredOnDesktop(Size size, const Rect& desktop);

// The first-show position of a window of `size` centred over the window `over`: its
// left + (its width - width) div 2 (and the same vertically), never left of or above the
// desktop's own edges.
Point CenteredOver(Size size, const Rect& over, const Rect& desktop);

enum class CloseAction { None, Hide };
using CloseEvent = std::function<void(Control& sender, CloseAction& action)>;

// A top-level window: the root of a control tree. Its bounds are its screen position
// and its client size; its children are placed in its client area. The window itself
// exists from CreateHandle until DestroyHandle (or the form's end).
//
// Input arrives through one entry point per kind (PointerMove, PointerLeave, ButtonDown,
// ButtonUp), in client coordinates. The control under the pointer is found from the
// top of the z-order (Control::ControlAt); it alone receives the events: a press on a
// control without an OnMouseDown handler ends there, and only a press on the form's own
// background (or on mouse-transparent controls above it) reaches the form's
// OnMouseDown. A click is a left press and release on the same control. Every handler
// runs under the application's general error report.
class Form : public Control {
 public:
  explicit Form(Application& application);
  ~Form() override;

  ControlKind Kind() const override { return ControlKind::Form; }
  Application& App() const { return application_; }
  ToolkitBackend& Backend() const { return application_.Backend(); }
  DesktopServices& Desktop() const { return application_.Desktop(); }

  // --- design ---
  const std::u16string& Title() const { return title_; }
  void SetTitle(std::u16string title);
  void SetClientSize(int width, int height);
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position) { position_ = position; }

  // --- the window ---
  // The standard parameters; a form that wants other ones overrides this and changes
  // what the base computed.
  virtual void CreateParams(tintara::CreateParams& params) const;
  // Realises the window through the backend (hidden), lets the labels measure
  // themselves, runs OnCreate and, for the application's first form, makes it the main
  // form. Call once, when the form's controls are all in place.
  void CreateHandle();
  // Destroys the window; a form whose controls are members calls this from its own
  // destructor, before they go.
  void DestroyHandle();
  bool HandleAllocated() const { return window_ != nullptr; }
  // The window's handle; 0 before CreateHandle.
  WindowHandle Handle() const;
  FormWindow* Window() const { return window_.get(); }

  // --- showing ---
  // The first time: takes the first-show position (FormPosition), then shows. The
  // state is the main form's first showing as the program was started; a window shown
  // again stays minimised until it is restored.
  void Show(WindowShowState state = WindowShowState::Normal);
  void Hide();
  void Minimize();
  // ShowWindow with SW_RESTORE through the desktop.
  void Restore();
  bool HasBeenShown() const { return shown_; }
  // Runs OnClose; unless the handler says None, the main form ends the program (it is
  // not hidden first), a modal form ends its modal showing and any other form hides.
  void Close();
  // The Windows session ends: runs OnEndSession, then the main form ends the program
  // at once, without closing (no OnClose).
  void EndSession();
  // Shows the form and returns once it is closed (then hidden) or the program ends.
  // Meanwhile the backend runs a message loop of its own in which the application's
  // other windows take no input; timers keep ticking.
  void ShowModal();
  bool Modal() const { return modal_; }
  // For the backend's modal loop: whether it is over.
  bool ModalLoopDone() const;
  // Moves the window (screen coordinates) keeping its size.
  void MoveTo(Point topLeft);
  // The system placed the window here (a drag, a maximised show): the form's position
  // follows, so what is worked out from it (where hints open) stays true. The window
  // is left where it is and nothing is painted again.
  void WindowMoved(Point topLeft);

  // --- events ---
  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  CloseEvent OnClose;
  NotifyEvent OnEndSession;

  // --- input entry points (client coordinates) ---
  void PointerMove(Point p);
  // The pointer left the window.
  void PointerLeave();
  void ButtonDown(MouseButton button, ShiftState shift, Point p);
  void ButtonUp(MouseButton button, ShiftState shift, Point p);
  // The control the pointer is over (the form itself over its background), or nullptr
  // when it is outside.
  Control* HoveredControl() const { return hovered_; }

  // What shows the hints of this form's controls; none: no hints.
  void SetHintDisplay(HintDisplay* hints) { hints_ = hints; }

  // --- focus ---
  Control* ActiveControl() const { return activeControl_; }
  // Only a control that can take the focus becomes the active one.
  void SetActiveControl(Control* control);

  void Paint(Canvas& canvas) override;

 private:
  friend class Control;
  // A control of the tree is going away: forget every reference to it.
  void ForgetControl(const Control& control);
  void SetHovered(Control* control, Point p);
  Point ToLocal(const Control& control, Point p) const;

  Application& application_;
  std::u16string title_;
  FormPosition position_ = FormPosition::Designed;
  std::unique_ptr<FormWindow> window_;
  bool shown_ = false;
  bool modal_ = false;
  bool modalClosed_ = false;
  Control* hovered_ = nullptr;
  Control* pressed_ = nullptr;
  Control* activeControl_ = nullptr;
  HintDisplay* hints_ = nullptr;
};

}  // namespace tintara
