#include "widgets/headless/HeadlessBackend.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/Menu.h"
#include "widgets/TrayIcon.h"

namespace tintara::headless {
namespace {

// "Operation(caption)" for the call log; captions here are plain ASCII.
std::string Utf8Label(const char* operation, const std::u16string& caption) {
  std::string label = operation;
  label.push_back('(');
  for (const char16_t c : caption) label.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  label.push_back(')');
  return label;
}

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Form& form, const CreateParams& params)
    : backend_(backend), form_(form), params_(params) {
  MemoryWindow window;
  window.className = u"TintaraForm";
  handle_ = backend_.desktop_.AddWindow(std::move(window));
  MemoryWindowPlacement& placement = backend_.desktop_.placements[handle_];
  placement.title = params.caption;
  placement.bounds = params.bounds;
  // The window system's own record, so tests can see windows come and go among the
  // other calls.
  backend_.desktop_.calls.push_back(Utf8Label("CreateWindow", params.caption));
}

HeadlessWindow::~HeadlessWindow() {
  backend_.desktop_.calls.push_back(Utf8Label("DestroyWindow", params_.caption));
  backend_.windows_.erase(&form_);
  backend_.desktop_.DestroyWindow(handle_);
}

MemoryWindowPlacement& HeadlessWindow::State() const {
  return backend_.desktop_.placements.at(handle_);
}

void HeadlessWindow::Show(WindowShowState state) {
  MemoryWindowPlacement& w = State();
  w.bounds = form_.Bounds();
  w.visible = true;
  if (state == WindowShowState::Maximized) {
    w.maximized = true;
    w.minimized = false;
  }
  if (state == WindowShowState::MinimizedNoActivate) w.minimized = true;
  backend_.desktop_.calls.push_back(Utf8Label("ShowWindow", params_.caption));
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

bool HeadlessWindow::IsMaximized() const {
  return State().maximized;
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

std::unique_ptr<TrayIconHost> HeadlessBackend::CreateTrayIconHost(TrayIcon& icon) {
  return std::make_unique<HeadlessTrayIconHost>(*this, icon);
}

int HeadlessBackend::RunMessageLoop(Application& application) {
  application.RunHandler([&] { application.ShowMainFormIfWanted(); });
  if (messageLoopUser) messageLoopUser();
  return 0;
}

void HeadlessBackend::RestartShell() {
  trayIcons.clear();
  // A host may go away while another one is told.
  const std::vector<HeadlessTrayIconHost*> hosts = trayHosts_;
  for (HeadlessTrayIconHost* host : hosts) {
    if (std::find(trayHosts_.begin(), trayHosts_.end(), host) != trayHosts_.end()) {
      host->Icon().ShellRestarted();
    }
  }
}

const HeadlessBackend::ShownTrayIcon* HeadlessBackend::ShownIcon(const TrayIcon& icon) const {
  const auto it = trayIcons.find(&icon);
  return it == trayIcons.end() ? nullptr : &it->second;
}

HeadlessTrayIconHost::HeadlessTrayIconHost(HeadlessBackend& backend, TrayIcon& icon)
    : backend_(backend), icon_(icon) {
  backend_.trayHosts_.push_back(this);
}

HeadlessTrayIconHost::~HeadlessTrayIconHost() {
  auto& hosts = backend_.trayHosts_;
  hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
  backend_.trayIcons.erase(&icon_);
}

bool HeadlessTrayIconHost::Add(int iconResource, const std::u16string& tooltip) {
  backend_.desktop_.calls.emplace_back("Shell_NotifyIcon(NIM_ADD)");
  if (!backend_.shellTakesIcons) return false;
  backend_.trayIcons[&icon_] = {iconResource, tooltip};
  return true;
}

bool HeadlessTrayIconHost::Remove() {
  backend_.desktop_.calls.emplace_back("Shell_NotifyIcon(NIM_DELETE)");
  if (backend_.shellRefusesRemoval) return false;
  return backend_.trayIcons.erase(&icon_) != 0;
}

MenuItem* HeadlessTrayIconHost::TrackMenu(const PopupMenu& menu, Point at) {
  backend_.desktop_.calls.emplace_back("TrackPopupMenu");
  HeadlessBackend::MenuOpening opening;
  for (const MenuItem* item : menu.Items()) opening.captions.push_back(item->Caption());
  opening.at = at;
  backend_.menuOpenings.push_back(opening);
  if (!backend_.trayMenuUser) return nullptr;
  const int chosen = backend_.trayMenuUser(menu, at);
  if (chosen < 0 || chosen >= static_cast<int>(menu.Items().size())) return nullptr;
  MenuItem* item = menu.Items()[static_cast<std::size_t>(chosen)];
  return item->IsSeparator() ? nullptr : item;
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
