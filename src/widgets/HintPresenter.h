#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "widgets/Backend.h"

namespace tintara {

// Where a hint presenter's steps are timed and its frames shown: the backend's timers
// and hint window on the user-interface thread, or a worker thread's own clock and
// window. The presenter calls it only from the thread it runs on.
class HintStage {
 public:
  virtual ~HintStage() = default;
  // onStep runs every intervalMs until StopSteps or the next StartSteps, never inside
  // another step.
  virtual void StartSteps(std::uint32_t intervalMs, std::function<void()> onStep) = 0;
  virtual void StopSteps() = 0;
  // The hint window: created or updated to the frame, and removed.
  virtual void Show(const HintFrame& frame) = 0;
  virtual void Remove() = 0;
};

// Shows a control's hint text in a small window of its own: it waits 500 ms after the
// pointer entered the control, then fades in over ten steps of 20 ms, stays as long as
// the pointer stays, and fades out over ten steps of 20 ms when it leaves; a pointer
// that leaves during the wait sees nothing. It never goes away on a timer of its own.
//
// The timing is a state machine stepped by its stage, so the headless backend's clock
// drives it in the tests exactly as a real clock does on Windows.
class HintPresenter final : public HintDisplay {
 public:
  static constexpr std::uint32_t kWaitMs = 500;
  static constexpr std::uint32_t kStepMs = 20;
  static constexpr int kSteps = 10;

  enum class Phase { Idle, Waiting, FadingIn, Shown, FadingOut };

  explicit HintPresenter(HintStage& stage) : stage_(stage) {}
  ~HintPresenter() override;
  HintPresenter(const HintPresenter&) = delete;
  HintPresenter& operator=(const HintPresenter&) = delete;

  // The opacity after `step` of the ten fade steps (0: invisible, 10: opaque).
  static std::uint8_t OpacityAtStep(int step);

  void PointerEntered(const std::u16string& text, Point screenPosition) override;
  void PointerLeft() override;

  Phase CurrentPhase() const { return phase_; }
  // Fade level 0..10 of the window that is up.
  int Level() const { return level_; }
  std::optional<HintFrame> CurrentFrame() const override;

 private:
  void OnTick();
  void StartTicking(std::uint32_t intervalMs);
  void StopTicking();
  void Present();
  void Remove();

  HintStage& stage_;
  Phase phase_ = Phase::Idle;
  int level_ = 0;
  std::u16string text_;
  Point position_;
  bool ticking_ = false;
  std::uint32_t timerInterval_ = 0;
};

}  // namespace tintara
