#include "widgets/win32/TimerHost.h"

#include <utility>

#include "platform/PlatformError.h"
#include "widgets/win32/WindowProcedure.h"

namespace tintara::win32 {

TimerHost::TimerHost(WindowClassRegistry& classes, ErrorReport report)
    : report_(std::move(report)) {
  const ATOM windowClass = classes.Ensure(L"TintaraTimerHost", 0, &WindowProcedure<TimerHost>);
  CreateWindowExW(0, MAKEINTATOM(windowClass), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                  classes.instance(), this);
  if (window_ == nullptr) throw PlatformError("The timer window could not be created");
}

TimerHost::~TimerHost() {
  if (window_ == nullptr) return;
  for (const auto& [id, entry] : timers_) KillTimer(window_, static_cast<UINT_PTR>(id));
  timers_.clear();
  DestroyWindow(window_);
}

TimerId TimerHost::Start(std::uint32_t intervalMs, std::function<void()> onTick) {
  const TimerId id = nextId_++;
  if (window_ == nullptr ||
      SetTimer(window_, static_cast<UINT_PTR>(id), intervalMs, nullptr) == 0) {
    throw PlatformError("Not enough timers available");
  }
  timers_[id] = Entry{std::move(onTick), false};
  return id;
}

void TimerHost::Stop(TimerId timer) {
  if (timers_.erase(timer) == 0) return;
  if (window_ != nullptr) KillTimer(window_, static_cast<UINT_PTR>(timer));
}

void TimerHost::Tick(TimerId timer) {
  const auto found = timers_.find(timer);
  // A tick already queued for a timer that has been stopped since.
  if (found == timers_.end()) return;
  // A modal loop opened by the tick would deliver the next tick inside this one.
  if (found->second.ticking) return;
  found->second.ticking = true;
  // A copy: the tick may stop its own timer, which destroys the entry.
  const std::function<void()> onTick = found->second.onTick;
  try {
    onTick();
  } catch (const std::exception& error) {
    report_(error);
  }
  if (const auto still = timers_.find(timer); still != timers_.end()) still->second.ticking = false;
}

LRESULT TimerHost::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) window_ = window;
  if (message == WM_TIMER) {
    Tick(static_cast<TimerId>(wParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tintara::win32
