#pragma once

#include <string>
#include <utility>

#include "widgets/Canvas.h"
#include "widgets/Control.h"

namespace tintara {

// Where an autosizing label goes when its text gets wider or narrower: a left-aligned
// one keeps its left edge, a right-aligned one its right edge, a centred one its middle
// (rounded toward the left).
Rect AutoSizedBounds(const Rect& current, Size text, TextAlign alignment);

// A one-line text the user can click. It sizes itself to its text (measured by the
// backend's text measurer once its form's window exists) unless AutoSize is off.
class Label : public Control {
 public:
  explicit Label(std::u16string caption = {}) : caption_(std::move(caption)) {}

  ControlKind Kind() const override { return ControlKind::Label; }

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment);

  // Measures the text and resizes (see AutoSizedBounds); nothing before the form's
  // window exists or with AutoSize off.
  void AdjustBounds();

  void Paint(Canvas& canvas) override;

 protected:
  void FontChanged() override { AdjustBounds(); }
  void Realized() override { AdjustBounds(); }

 private:
  std::u16string caption_;
  bool autoSize_ = true;
  TextAlign alignment_ = TextAlign::Left;
};

}  // namespace tintara
