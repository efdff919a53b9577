#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "widgets/Backend.h"

namespace tintara {

// Shows a control's hint text in a small window of its own: it waits 500 ms after the
// pointer entered the control, then fades in over ten steps of 20 ms, stays as long as
// the pointer stays, and fades out over ten steps of 20 ms when it leaves; a pointer
// that leaves during the wait sees nothing. It never goes away on a timer of its own.
//
// The timing is a state machine stepped by the backend's timers, so the headless
// backend's clock drives it in the tests exactly as the system timers do on Windows.
class HintPresenter {
 public:
  static constexpr std::uint32_t kWaitMs = 500;
  static constexpr std::uint32_t kStepMs = 20;
  static constexpr int kSteps = 10;

  enum class Phase { Idle, Waiting, FadingIn, Shown, FadingOut };

  explicit HintPresenter(ToolkitBackend& backend) : backend_(backend) {}
  ~HintPresenter();
  HintPresenter(const HintPresenter&) = delete;
  HintPresenter& operator=(const HintPresenter&) = delete;

  // The opacity after `step` of the ten fade steps (0: invisible, 10: opaque).
  static std::uint8_t OpacityAtStep(int step);

  // The pointer entered a control with this hint at this screen position; whatever
  // hint was up goes at once.
  void PointerEntered(const std::u16string& text, Point screenPosition);
  void PointerLeft();

  Phase CurrentPhase() const { return phase_; }
  // Fade level 0..10 of the window that is up.
  int Level() const { return level_; }
  // What the hint window shows now; nothing while there is none.
  std::optional<HintFrame> CurrentFrame() const;

 private:
  void OnTick();
  void StartTicking(std::uint32_t intervalMs);
  void StopTicking();
  void Present();
  void Remove();

  ToolkitBackend& backend_;
  Phase phase_ = Phase::Idle;
  int level_ = 0;
  std::u16string text_;
  Point position_;
  std::optional<TimerId> timer_;
  std::uint32_t timerInterval_ = 0;
};

}  // namespace tintara
