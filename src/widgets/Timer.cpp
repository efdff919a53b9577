#include "widgets/Timer.h"

namespace tintara {

Timer::Timer(Application& application) : application_(application) {
  Restart();
}

Timer::~Timer() {
  if (running_) application_.Backend().StopTimer(id_);
}

void Timer::SetInterval(std::uint32_t intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  if (running_) {
    application_.Backend().StopTimer(id_);
    running_ = false;
  }
  if (enabled_ && interval_ != 0) {
    id_ = application_.Backend().StartTimer(interval_, [this] { Tick(); });
    running_ = true;
  }
}

void Timer::Tick() {
  application_.RunHandler([this] {
    if (OnTimer) OnTimer(*this);
  });
}

}  // namespace tintara
