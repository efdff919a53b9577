#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "widgets/Backend.h"
#include "widgets/win32/HintThread.h"

namespace tintara::win32 {

// The hints, with their worker thread started only when the pointer first enters a
// control that has a hint. A thread costs about a megabyte under Wine, and a program
// that mostly sits in the notification area may never show a hint at all.
class OnDemandHints final : public HintDisplay {
 public:
  // The window class and the font (borrowed) must outlive the object.
  OnDemandHints(HINSTANCE instance, ATOM windowClass, HFONT font)
      : instance_(instance), windowClass_(windowClass), font_(font) {}

  void PointerEntered(const std::u16string& text, Point screenPosition) override;
  void PointerLeft() override;
  std::optional<HintFrame> CurrentFrame() const override;

  // The hint window that is up, if any.
  std::optional<HintWindowState> CurrentWindow() const;
  bool WorkerStarted() const { return worker_.has_value(); }

 private:
  HINSTANCE instance_;
  ATOM windowClass_;
  HFONT font_;
  std::optional<HintThread> worker_;
};

}  // namespace tintara::win32
