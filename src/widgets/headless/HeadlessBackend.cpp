#include "widgets/headless/HeadlessBackend.h"

#include <limits>
#include <utility>

#include "widgets/Form.h"

namespace tintara::headless {

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Form& form, const CreateParams& params)
    : backend_(backend), form_(form), params_(params) {
  MemoryWindow window;
  window.className = u"TintaraForm";
  handle_ = backend_.desktop_.AddWindow(std::move(window));
  MemoryWindowPlacement& placement = backend_.desktop_.placements[handle_];
  placement.title = params.caption;
  placement.bounds = params.bounds;
}

HeadlessWindow::~HeadlessWindow() {
  backend_.windows_.erase(&form_);
  backend_.desktop_.DestroyWindow(handle_);
}

MemoryWindowPlacement& HeadlessWindow::State() const {
  return backend_.desktop_.placements.at(handle_);
}

void HeadlessWindow::Show() {
  MemoryWindowPlacement& w = State();
  w.bounds = form_.Bounds();
  w.visible = true;
  w.minimized = false;
}

void HeadlessWindow::Hide() {
  State().visible = false;
}

void HeadlessWindow::Minimize() {
  State().minimized = true;
}

void HeadlessWindow::Move(const Rect& bounds) {
  State().bounds = bounds;
}

void HeadlessWindow::SetCaption(const std::u16string& caption) {
  State().title = caption;
}

void HeadlessWindow::Invalidate(const Rect& rect) {
  invalidated.push_back(rect);
}

void HeadlessWindow::NativeControlChanged(Control& control) {
  nativeChanges.push_back(&control);
}

bool HeadlessWindow::IsVisible() const {
  return State().visible;
}

bool HeadlessWindow::IsMinimized() const {
  return State().minimized;
}

Rect HeadlessWindow::Bounds() const {
  return State().bounds;
}

std::unique_ptr<FormWindow> HeadlessBackend::CreateFormWindow(Form& form,
                                                              const CreateParams& params) {
  auto window = std::make_unique<HeadlessWindow>(*this, form, params);
  windows_[&form] = window.get();
  return window;
}

HeadlessWindow* HeadlessBackend::WindowOf(const Form& form) const {
  if (form.Window() == nullptr) return nullptr;
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

Size HeadlessBackend::DefaultTextExtent(std::u16string_view text, const Font& font) {
  const auto characters = static_cast<std::int32_t>(text.size());
  return {(characters * font.heightPx * 12 + 24) / 25, font.heightPx + 2};
}

Size HeadlessBackend::MeasureText(std::u16string_view text, const Font& font) {
  return textMeasurer(text, font);
}

TimerId HeadlessBackend::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  const TimerId id = nextTimer_++;
  timers_[id] = {intervalMs, now_ + intervalMs, std::move(onTick)};
  return id;
}

void HeadlessBackend::StopTimer(TimerId timer) {
  timers_.erase(timer);
}

std::optional<std::uint32_t> HeadlessBackend::TimerInterval(TimerId timer) const {
  const auto it = timers_.find(timer);
  if (it == timers_.end()) return std::nullopt;
  return it->second.interval;
}

void HeadlessBackend::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (;;) {
    // The earliest due timer; among equals the one started first (lowest id).
    TimerId next = 0;
    std::int64_t due = std::numeric_limits<std::int64_t>::max();
    for (const auto& [id, timer] : timers_) {
      if (timer.due < due) {
        due = timer.due;
        next = id;
      }
    }
    if (next == 0 || due > end) break;
    now_ = due;
    RunningTimer& timer = timers_.at(next);
    timer.due += timer.interval == 0 ? 1 : timer.interval;
    // The tick may stop or restart any timer, itself included: work on a copy.
    const std::function<void()> tick = timer.onTick;
    tick();
  }
  now_ = end;
}

std::optional<TColor> HeadlessBackend::RunColorDialog(WindowHandle owner, TColor initial,
                                                      std::array<TColor, 16>& customColors) {
  colorDialogs.push_back({owner, initial, customColors});
  if (!colorDialogUser) return std::nullopt;
  return colorDialogUser(initial, customColors);
}

std::optional<std::u16string> HeadlessBackend::RunSaveDialog(const SaveDialogRequest& request) {
  saveDialogs.push_back(request);
  if (!saveDialogUser) return std::nullopt;
  return saveDialogUser(request);
}

void HeadlessBackend::RunModalLoop(Form& form) {
  modalForms.push_back(&form);
  form.Show();
  // A copy: the script may replace itself.
  const std::function<void(Form&)> user = modalUser;
  if (user) user(form);
}

void HeadlessBackend::ShowHintWindow(const HintFrame& frame) {
  hintWindow = frame;
  hintFrames.push_back(frame);
}

void HeadlessBackend::RemoveHintWindow() {
  if (hintWindow) ++hintWindowsRemoved;
  hintWindow.reset();
}

TimerHintStage::~TimerHintStage() {
  StopSteps();
}

void TimerHintStage::StartSteps(std::uint32_t intervalMs, std::function<void()> onStep) {
  StopSteps();
  timer_ = backend_.StartTimer(intervalMs, std::move(onStep));
}

void TimerHintStage::StopSteps() {
  if (timer_) backend_.StopTimer(*timer_);
  timer_.reset();
}

void TimerHintStage::Show(const HintFrame& frame) {
  backend_.ShowHintWindow(frame);
}

void TimerHintStage::Remove() {
  backend_.RemoveHintWindow();
}

Point CenterOf(const Control& control) {
  const Rect r = control.BoundsOnForm();
  return {r.left + r.width / 2, r.top + r.height / 2};
}

void MovePointer(Form& form, Point p) {
  if (form.ClientRect().Contains(p)) {
    form.PointerMove(p);
  } else {
    form.PointerLeave();
  }
}

void MovePointerTo(Control& control) {
  Form* form = control.OwnerForm();
  if (form != nullptr) MovePointer(*form, CenterOf(control));
}

void Press(Form& form, MouseButton button, Point p) {
  ShiftState shift;
  shift.left = button == MouseButton::Left;
  shift.right = button == MouseButton::Right;
  shift.middle = button == MouseButton::Middle;
  form.PointerMove(p);
  form.ButtonDown(button, shift, p);
  form.ButtonUp(button, ShiftState{}, p);
}

void PressOn(Control& control, MouseButton button) {
  Form* form = control.OwnerForm();
  if (form != nullptr) Press(*form, button, CenterOf(control));
}

}  // namespace tintara::headless
