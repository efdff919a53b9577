#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <map>

#include "widgets/Backend.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// The toolkit's timers: SetTimer on a message-only window of their own, so they tick
// whether or not any form exists and in every message loop of the thread (modal boxes
// and dialogs included).
class TimerHost {
 public:
  using ErrorReport = std::function<void(const std::exception&)>;

  // Throws PlatformError when the window cannot be made.
  TimerHost(WindowClassRegistry& classes, ErrorReport report);
  ~TimerHost();
  TimerHost(const TimerHost&) = delete;
  TimerHost& operator=(const TimerHost&) = delete;

  // Throws PlatformError when the system has no timer left.
  TimerId Start(std::uint32_t intervalMs, std::function<void()> onTick);
  void Stop(TimerId timer);
  bool IsRunning(TimerId timer) const { return timers_.count(timer) != 0; }

  // For the window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void WindowDestroyed() { window_ = nullptr; }

 private:
  struct Entry {
    std::function<void()> onTick;
    bool ticking = false;
  };

  void Tick(TimerId timer);

  ErrorReport report_;
  HWND window_ = nullptr;
  TimerId nextId_ = 1;
  std::map<TimerId, Entry> timers_;
};

}  // namespace tintara::win32
