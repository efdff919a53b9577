#include "widgets/Label.h"

#include "widgets/Form.h"

namespace tintara {

Rect AutoSizedBounds(const Rect& current, Size text, TextAlign alignment) {
  Rect r{current.left, current.top, text.width, text.height};
  if (alignment == TextAlign::Right) {
    r.left = current.Right() - text.width;
  } else if (alignment == TextAlign::Center) {
    r.left = current.left + (current.width - text.width) / 2;
  }
  return r;
}

void Label::SetCaption(std::u16string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  AdjustBounds();
  Invalidate();
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void Label::SetAlignment(TextAlign alignment) {
  alignment_ = alignment;
  Invalidate();
}

void Label::AdjustBounds() {
  if (!autoSize_) return;
  Form* form = OwnerForm();
  if (form == nullptr || !form->HandleAllocated()) return;
  const Size text = form->Backend().MeasureText(caption_, GetFont());
  SetBounds(AutoSizedBounds(Bounds(), text, alignment_));
}

void Label::Paint(Canvas& canvas) {
  if (!Transparent()) canvas.FillRect(ClientRect(), Color());
  canvas.WriteText(ClientRect(), caption_, GetFont(), alignment_);
}

}  // namespace tintara
