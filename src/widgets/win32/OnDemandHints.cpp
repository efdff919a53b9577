#include "widgets/win32/OnDemandHints.h"

namespace tintara::win32 {

void OnDemandHints::PointerEntered(const std::u16string& text, Point screenPosition) {
  if (!worker_) worker_.emplace(instance_, windowClass_, font_);
  worker_->PointerEntered(text, screenPosition);
}

void OnDemandHints::PointerLeft() {
  // Without a worker no hint was ever up to leave.
  if (worker_) worker_->PointerLeft();
}

std::optional<HintFrame> OnDemandHints::CurrentFrame() const {
  return worker_ ? worker_->CurrentFrame() : std::nullopt;
}

std::optional<HintWindowState> OnDemandHints::CurrentWindow() const {
  return worker_ ? worker_->CurrentWindow() : std::nullopt;
}

}  // namespace tintara::win32
