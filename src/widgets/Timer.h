#pragma once

#include <cstdint>
#include <functional>

#include "widgets/Application.h"

namespace tintara {

// A repeating timer. It runs while it is enabled and its interval is not 0, from its
// construction on; each tick runs OnTimer under the application's general error report.
class Timer {
 public:
  explicit Timer(Application& application);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t intervalMs);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether the backend is ticking it now.
  bool Running() const { return running_; }

  std::function<void(Timer& sender)> OnTimer;

  // One tick, as the backend delivers it.
  void Tick();

 private:
  void Restart();

  Application& application_;
  std::uint32_t interval_ = 1000;
  bool enabled_ = true;
  bool running_ = false;
  TimerId id_ = 0;
};

}  // namespace tintara
