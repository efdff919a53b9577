#pragma once

#include <string>
#include <utility>

#include "widgets/Control.h"

namespace tintara {

// A two-state check box, realised as a native themed button by the backend. Every
// change of its state runs OnClick, whether the user clicked it or the program set it,
// and the handler reads the new state; setting the state it already has changes
// nothing and runs nothing. It takes the keyboard focus.
class CheckBox : public Control {
 public:
  explicit CheckBox(std::u16string caption = {}) : caption_(std::move(caption)) {}

  ControlKind Kind() const override { return ControlKind::CheckBox; }
  bool IsNative() const override { return true; }
  bool CanFocus() const override { return true; }

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // A click or the space key: turns the state over.
  void Toggle() { SetChecked(!checked_); }
  // A click turns the state over (which runs OnClick) and takes the focus.
  void Click() override;

 private:
  std::u16string caption_;
  bool checked_ = false;
};

}  // namespace tintara
