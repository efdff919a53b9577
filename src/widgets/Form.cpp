#include "widgets/Form.h"

#include <optional>

#include "widgets/Canvas.h"
#include "widgets/WindowStyles.h"

namespace tintara {

Point CenteredOnDesktop(Size size, const Rect& desktop) {
  Point p{desktop.left + desktop.width / 2 - size.width / 2,
          desktop.top + desktop.height / 2 - size.height / 2};
  if (p.x < desktop.left) p.x = desktop.left;
  if (p.y < desktop.top) p.y = desktop.top;
  return p;
}

Point CenteredOver(Size size, const Rect& over, const Rect& desktop) {
  // Integer division truncates toward zero, also for a window wider than `over`.
  Point p{over.left + (over.width - size.width) / 2, over.top + (over.height - size.height) / 2};
  if (p.x < desktop.left) p.x = desktop.left;
  if (p.y < desktop.top) p.y = desktop.top;
  return p;
}

Form::Form(Application& application) : application_(application) {
  isForm_ = true;
  visible_ = false;
  SetColor(0xFFFFFF);
}

Form::~Form() {
  DestroyHandle();
}

void Form::SetTitle(std::u16string title) {
  title_ = std::move(title);
  if (window_) window_->SetCaption(title_);
}

void Form::SetClientSize(int width, int height) {
  SetBounds({Left(), Top(), width, height});
  if (window_) window_->Move(Bounds());
}

void Form::MoveTo(Point topLeft) {
  SetBounds({topLeft.x, topLeft.y, Width(), Height()});
  if (window_) window_->Move(Bounds());
}

void Form::WindowMoved(Point topLeft) {
  bounds_.left = topLeft.x;
  bounds_.top = topLeft.y;
}

void Form::CreateParams(tintara::CreateParams& params) const {
  params.caption = title_;
  params.style = styles::kWsCaption | styles::kWsSysMenu | styles::kWsThickFrame |
                 styles::kWsMinimizeBox | styles::kWsMaximizeBox | styles::kWsClipChildren;
  params.exStyle = 0;
  params.classStyle = styles::kCsDblClks;
  params.bounds = Bounds();
}

void Form::CreateHandle() {
  if (window_) return;
  tintara::CreateParams params;
  CreateParams(params);
  window_ = Backend().CreateFormWindow(*this, params);
  NotifyRealized(true);
  if (OnCreate) OnCreate(*this);
  if (application_.MainForm() == nullptr) application_.SetMainForm(this);
}

void Form::DestroyHandle() {
  if (!window_) return;
  if (hints_ != nullptr && hovered_ != nullptr && hovered_->WantsHint()) hints_->PointerLeft();
  // Without a window there are no hints.
  hints_ = nullptr;
  NotifyRealized(false);
  hovered_ = nullptr;
  pressed_ = nullptr;
  window_.reset();
  if (application_.MainForm() == this) application_.SetMainForm(nullptr);
}

WindowHandle Form::Handle() const {
  return window_ ? window_->Handle() : 0;
}

void Form::Show(WindowShowState state) {
  visible_ = true;
  // OnShow may still change the size, which the first-show position then takes into
  // account.
  if (OnShow) OnShow(*this);
  if (!shown_) {
    shown_ = true;
    std::optional<Point> p;
    const Form* main = application_.MainForm();
    if (position_ == FormPosition::DesktopCenter) {
      p = CenteredOnDesktop(Bounds().Extent(), Desktop().DesktopBounds());
    } else if (position_ == FormPosition::MainFormCenter && main != nullptr && main != this &&
               main->HandleAllocated()) {
      // Where the main form is now: the user may have dragged it.
      p = CenteredOver(Bounds().Extent(), Desktop().WindowBounds(main->Handle()),
                       Desktop().DesktopBounds());
    }
    if (p) {
      SetBounds({p->x, p->y, Width(), Height()});
      if (window_) window_->Move(Bounds());
    }
  }
  if (window_) window_->Show(state);
}

void Form::ShowModal() {
  if (modal_) return;
  struct ModalShowing {
    Form& form;
    ~ModalShowing() {
      form.modal_ = false;
      // Hidden only now, after the other windows take input again, so the one the
      // user came from is activated.
      form.Hide();
    }
  };
  modal_ = true;
  modalClosed_ = false;
  const ModalShowing showing{*this};
  Backend().RunModalLoop(*this);
}

bool Form::ModalLoopDone() const {
  return !modal_ || modalClosed_ || !visible_ || application_.Terminated();
}

void Form::Hide() {
  visible_ = false;
  if (window_) window_->Hide();
}

void Form::Minimize() {
  if (window_) window_->Minimize();
}

void Form::Restore() {
  if (window_) Desktop().RestoreWindow(window_->Handle());
  visible_ = true;
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(*this, action);
  if (action == CloseAction::None) return;
  if (application_.MainForm() == this) {
    application_.Terminate();
  } else if (modal_) {
    modalClosed_ = true;
  } else {
    Hide();
  }
}

void Form::EndSession() {
  if (OnEndSession) OnEndSession(*this);
  if (application_.MainForm() == this) application_.Terminate();
}

Point Form::ToLocal(const Control& control, Point p) const {
  const Rect r = control.BoundsOnForm();
  return {p.x - r.left, p.y - r.top};
}

void Form::SetHovered(Control* control, Point p) {
  if (control == hovered_) return;
  Control* previous = hovered_;
  hovered_ = control;
  if (previous != nullptr) {
    if (hints_ != nullptr && previous->WantsHint()) hints_->PointerLeft();
    application_.RunHandler([&] { previous->MouseLeave(); });
  }
  if (control != nullptr) {
    application_.RunHandler([&] { control->MouseEnter(); });
    // The handler may have moved on: only the control still under the pointer counts.
    if (hints_ != nullptr && hovered_ == control && control->WantsHint()) {
      hints_->PointerEntered(control->Hint(), {Left() + p.x, Top() + p.y});
    }
  }
}

void Form::PointerMove(Point p) {
  SetHovered(ControlAt(p), p);
}

void Form::PointerLeave() {
  SetHovered(nullptr, {});
}

void Form::ButtonDown(MouseButton button, ShiftState shift, Point p) {
  Control* target = ControlAt(p);
  if (target == nullptr) return;
  SetHovered(target, p);
  if (!target->Enabled()) return;
  pressed_ = target;
  if (target->CanFocus()) SetActiveControl(target);
  const Point local = ToLocal(*target, p);
  application_.RunHandler([&] { target->MouseDown(button, shift, local.x, local.y); });
}

void Form::ButtonUp(MouseButton button, ShiftState shift, Point p) {
  Control* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed == nullptr) return;
  const Point local = ToLocal(*pressed, p);
  application_.RunHandler([&] { pressed->MouseUp(button, shift, local.x, local.y); });
  // A click needs the release over the control that took the press.
  if (button == MouseButton::Left && ControlAt(p) == pressed) {
    application_.RunHandler([&] { pressed->Click(); });
  }
}

void Form::SetActiveControl(Control* control) {
  if (control != nullptr && !control->CanFocus()) return;
  activeControl_ = control;
}

void Form::ForgetControl(const Control& control) {
  if (hovered_ == &control) {
    if (hints_ != nullptr && control.WantsHint()) hints_->PointerLeft();
    hovered_ = nullptr;
  }
  if (pressed_ == &control) pressed_ = nullptr;
  if (activeControl_ == &control) activeControl_ = nullptr;
}

void Form::Paint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color());
}

}  // namespace tintara
