#pragma once

#include <string>
#include <vector>

#include "widgets/Control.h"

namespace tintara {

// A multi-line text box, realised as a native edit control by the backend.
class Memo : public Control {
 public:
  ControlKind Kind() const override { return ControlKind::Memo; }
  bool IsNative() const override { return true; }
  bool CanFocus() const override { return true; }

  const std::vector<std::u16string>& Lines() const { return lines_; }
  // Adds one line at the end.
  void Append(std::u16string line);
  void Clear();

 private:
  std::vector<std::u16string> lines_;
};

}  // namespace tintara
