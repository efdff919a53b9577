#pragma once

#include "widgets/Control.h"

namespace tintara {

// A plain container without bevel or caption: fills its area with its colour unless
// transparent, and holds children.
class Panel : public Control {
 public:
  ControlKind Kind() const override { return ControlKind::Panel; }
  void Paint(Canvas& canvas) override;
};

}  // namespace tintara
