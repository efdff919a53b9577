#pragma once

#include <string_view>

#include "widgets/Control.h"
#include "widgets/TextLines.h"

namespace tintara {

// A multi-line text box for a log that grows for the whole run: lines are added at the
// end, wrapped at the box's width, and the user scrolls, selects and copies them. The
// backend realises it as a native child window that draws only the rows in view, so
// neither adding a line nor scrolling gets slower as the lines grow.
class Memo : public Control {
 public:
  ControlKind Kind() const override { return ControlKind::Memo; }
  bool IsNative() const override { return true; }
  bool CanFocus() const override { return true; }

  const TextLines& Lines() const { return lines_; }
  // Adds one line at the end.
  void Append(std::u16string_view line);
  void Clear();

 private:
  TextLines lines_;
};

}  // namespace tintara
