#include "widgets/win32/HintThread.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>

#include "platform/PlatformError.h"
#include "widgets/HintPresenter.h"
#include "widgets/win32/HintWindow.h"
#include "widgets/win32/TextConversion.h"

namespace tintara::win32 {
namespace {

using Clock = std::chrono::steady_clock;

// The hint stays whole on the monitor the pointer is on.
POINT KeepOnMonitor(POINT position, SIZE extent) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromPoint(position, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return position;
  }
  const RECT& work = monitor.rcWork;
  if (position.x + extent.cx > work.right) position.x = work.right - extent.cx;
  if (position.y + extent.cy > work.bottom) position.y = work.bottom - extent.cy;
  if (position.x < work.left) position.x = work.left;
  if (position.y < work.top) position.y = work.top;
  return position;
}

// The presenter's stage on the worker: a deadline the worker waits for, and the hint
// window, made and destroyed on the worker.
class WorkerStage final : public HintStage {
 public:
  WorkerStage(HINSTANCE instance, ATOM windowClass, HFONT font)
      : instance_(instance), windowClass_(windowClass), font_(font) {}

  void StartSteps(std::uint32_t intervalMs, std::function<void()> onStep) override {
    interval_ = std::chrono::milliseconds(intervalMs);
    onStep_ = std::move(onStep);
    due_ = Clock::now() + interval_;
  }

  void StopSteps() override {
    due_.reset();
    onStep_ = nullptr;
  }

  void Show(const HintFrame& frame) override {
    const bool sameHint =
        window_ && shown_ && shown_->text == frame.text && shown_->position == frame.position;
    if (!sameHint) {
      Remove();
      const POINT at{frame.position.x, frame.position.y};
      auto made =
          std::make_unique<HintWindow>(instance_, windowClass_, Wide(frame.text), at, font_);
      made->MoveTo(KeepOnMonitor(at, made->Extent()));
      window_ = std::move(made);
    }
    shown_ = frame;
    window_->SetOpacity(frame.opacity);
  }

  void Remove() override {
    window_.reset();
    shown_.reset();
  }

  std::optional<Clock::time_point> Due() const { return due_; }

  // The step that is due. The next one is timed from now, as a system timer would: a
  // late step does not bring on a burst of catching up.
  void Step() {
    if (!onStep_) return;
    due_ = Clock::now() + interval_;
    // The step may start or stop the cadence, replacing the function it runs in.
    const std::function<void()> step = onStep_;
    step();
  }

  std::optional<HintWindowState> WindowState() const {
    if (!window_) return std::nullopt;
    return HintWindowState{window_->Handle(), window_->Opacity()};
  }

 private:
  HINSTANCE instance_;
  ATOM windowClass_;
  HFONT font_;
  std::chrono::milliseconds interval_{0};
  std::function<void()> onStep_;
  std::optional<Clock::time_point> due_;
  std::unique_ptr<HintWindow> window_;
  std::optional<HintFrame> shown_;
};

// The wait until `due`, rounded up: a wait that ends early would only spin.
std::uint32_t WholeMillisecondsUntil(Clock::time_point due, Clock::time_point now) {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - now).count();
  return static_cast<std::uint32_t>(std::min<std::int64_t>(wait, INFINITE - 1));
}

KernelObject MakeWakeEvent() {
  KernelObject event(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  if (!event) throw PlatformError("The hint thread could not be started");
  return event;
}

}  // namespace

HintThread::HintThread(HINSTANCE instance, ATOM windowClass, HFONT font)
    : instance_(instance),
      windowClass_(windowClass),
      font_(font),
      wake_(MakeWakeEvent()),
      worker_([this] { Run(); }) {}

HintThread::~HintThread() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  SetEvent(wake_.get());
  worker_.join();
}

void HintThread::PointerEntered(const std::u16string& text, Point screenPosition) {
  if (const std::exception_ptr failed = Post({true, text, screenPosition})) {
    std::rethrow_exception(failed);
  }
}

void HintThread::PointerLeft() {
  const std::exception_ptr failed = Post({false, {}, {}});
  if (failed) {
    const std::lock_guard lock(mutex_);
    if (!failure_) failure_ = failed;
  }
}

std::exception_ptr HintThread::Post(PointerEvent event) {
  std::exception_ptr failed;
  {
    const std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
    failed = std::exchange(failure_, nullptr);
  }
  SetEvent(wake_.get());
  return failed;
}

std::optional<HintFrame> HintThread::CurrentFrame() const {
  const std::lock_guard lock(mutex_);
  return frame_;
}

std::optional<HintWindowState> HintThread::CurrentWindow() const {
  const std::lock_guard lock(mutex_);
  return window_;
}

void HintThread::WaitForWork(std::uint32_t timeoutMs) {
  const HANDLE wake = wake_.get();
  // Input already seen but not yet taken counts too, so nothing waits in the queue
  // while this thread sleeps.
  MsgWaitForMultipleObjectsEx(1, &wake, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    // A quit request is not this thread's to obey: it ends with its owner.
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void HintThread::Run() {
  WorkerStage stage(instance_, windowClass_, font_);
  // Declared after the stage, so it goes first and removes the window on this thread.
  HintPresenter presenter(stage);
  for (;;) {
    std::optional<PointerEvent> event;
    {
      const std::lock_guard lock(mutex_);
      if (stopping_) return;
      if (!events_.empty()) {
        event = std::move(events_.front());
        events_.pop_front();
      }
    }
    if (!event) {
      const std::optional<Clock::time_point> due = stage.Due();
      const Clock::time_point now = Clock::now();
      if (!due || *due > now) {
        WaitForWork(due ? WholeMillisecondsUntil(*due, now) : INFINITE);
        continue;
      }
    }
    // The window is made and faded without the lock, so posting never waits for GDI.
    std::exception_ptr failed;
    try {
      if (!event) {
        stage.Step();
      } else if (event->entered) {
        presenter.PointerEntered(event->text, event->position);
      } else {
        presenter.PointerLeft();
      }
    } catch (...) {
      failed = std::current_exception();
    }
    const std::lock_guard lock(mutex_);
    if (failed) failure_ = failed;
    frame_ = presenter.CurrentFrame();
    window_ = stage.WindowState();
  }
}

}  // namespace tintara::win32
