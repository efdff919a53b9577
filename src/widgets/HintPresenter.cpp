#include "widgets/HintPresenter.h"

namespace tintara {

HintPresenter::~HintPresenter() {
  StopTicking();
  if (phase_ != Phase::Idle && phase_ != Phase::Waiting) stage_.Remove();
}

std::uint8_t HintPresenter::OpacityAtStep(int step) {
  if (step <= 0) return 0;
  if (step >= kSteps) return 255;
  return static_cast<std::uint8_t>((255 * step + kSteps / 2) / kSteps);
}

void HintPresenter::PointerEntered(const std::u16string& text, Point screenPosition) {
  StopTicking();
  if (phase_ != Phase::Idle && phase_ != Phase::Waiting) Remove();
  text_ = text;
  position_ = screenPosition;
  level_ = 0;
  phase_ = Phase::Waiting;
  StartTicking(kWaitMs);
}

void HintPresenter::PointerLeft() {
  switch (phase_) {
    case Phase::Waiting:
      StopTicking();
      phase_ = Phase::Idle;
      break;
    case Phase::FadingIn:
    case Phase::Shown:
      phase_ = Phase::FadingOut;
      StartTicking(kStepMs);
      break;
    case Phase::Idle:
    case Phase::FadingOut:
      break;
  }
}

std::optional<HintFrame> HintPresenter::CurrentFrame() const {
  if (phase_ == Phase::Idle || phase_ == Phase::Waiting) return std::nullopt;
  return HintFrame{text_, position_, OpacityAtStep(level_)};
}

void HintPresenter::OnTick() {
  switch (phase_) {
    case Phase::Waiting:
      // The pointer stayed for the whole wait: the window appears with the first step.
      phase_ = Phase::FadingIn;
      level_ = 1;
      Present();
      StartTicking(kStepMs);
      break;
    case Phase::FadingIn:
      ++level_;
      Present();
      if (level_ >= kSteps) {
        phase_ = Phase::Shown;
        StopTicking();
      }
      break;
    case Phase::FadingOut:
      --level_;
      if (level_ <= 0) {
        StopTicking();
        Remove();
      } else {
        Present();
      }
      break;
    case Phase::Idle:
    case Phase::Shown:
      StopTicking();
      break;
  }
}

void HintPresenter::StartTicking(std::uint32_t intervalMs) {
  // An unchanged cadence keeps its rhythm rather than starting the interval over.
  if (ticking_ && timerInterval_ == intervalMs) return;
  StopTicking();
  stage_.StartSteps(intervalMs, [this] { OnTick(); });
  ticking_ = true;
  timerInterval_ = intervalMs;
}

void HintPresenter::StopTicking() {
  if (ticking_) stage_.StopSteps();
  ticking_ = false;
  timerInterval_ = 0;
}

void HintPresenter::Present() {
  if (const auto frame = CurrentFrame()) stage_.Show(*frame);
}

void HintPresenter::Remove() {
  phase_ = Phase::Idle;
  level_ = 0;
  stage_.Remove();
}

}  // namespace tintara
