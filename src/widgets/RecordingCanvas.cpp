#include "widgets/RecordingCanvas.h"

namespace tintara {

std::vector<CanvasCall> RecordingCanvas::Calls(CanvasCall::Op op) const {
  std::vector<CanvasCall> found;
  for (const CanvasCall& call : calls) {
    if (call.op == op) found.push_back(call);
  }
  return found;
}

void RecordingCanvas::Save() {
  saved_.push_back(state_);
}

void RecordingCanvas::Restore() {
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
}

void RecordingCanvas::Translate(std::int32_t dx, std::int32_t dy) {
  state_.origin.x += dx;
  state_.origin.y += dy;
}

void RecordingCanvas::IntersectClip(const Rect& rect) {
  state_.clip = Intersection(state_.clip, rect.Offset(state_.origin.x, state_.origin.y));
}

void RecordingCanvas::IntersectClipShape(RegionShape shape, const Rect& box, Size ellipse) {
  const Rect absolute = box.Offset(state_.origin.x, state_.origin.y);
  state_.clip = Intersection(state_.clip, absolute);
  state_.shapeClip = CanvasCall::ShapeClip{shape, absolute, ellipse};
}

CanvasCall& RecordingCanvas::Record(CanvasCall::Op op, const Rect& rect) {
  CanvasCall call;
  call.op = op;
  call.rect = rect.Offset(state_.origin.x, state_.origin.y);
  call.clip = state_.clip;
  call.shapeClip = state_.shapeClip;
  calls.push_back(std::move(call));
  return calls.back();
}

void RecordingCanvas::FillRect(const Rect& rect, TColor color) {
  Record(CanvasCall::Op::FillRect, rect).color = color;
}

void RecordingCanvas::FrameRect(const Rect& rect, const Pen& pen) {
  Record(CanvasCall::Op::FrameRect, rect).pen = pen;
}

void RecordingCanvas::DrawRectangle(const Rect& rect, std::optional<TColor> brush, const Pen& pen) {
  CanvasCall& call = Record(CanvasCall::Op::DrawRectangle, rect);
  call.brush = brush;
  call.pen = pen;
}

void RecordingCanvas::DrawRoundRect(const Rect& rect, std::int32_t ellipseWidth,
                                    std::int32_t ellipseHeight, std::optional<TColor> brush,
                                    const Pen& pen) {
  CanvasCall& call = Record(CanvasCall::Op::DrawRoundRect, rect);
  call.ellipse = {ellipseWidth, ellipseHeight};
  call.brush = brush;
  call.pen = pen;
}

void RecordingCanvas::DrawEllipse(const Rect& rect, std::optional<TColor> brush, const Pen& pen) {
  CanvasCall& call = Record(CanvasCall::Op::DrawEllipse, rect);
  call.brush = brush;
  call.pen = pen;
}

void RecordingCanvas::WriteText(const Rect& rect, std::u16string_view text, const Font& font,
                                TextAlign align) {
  CanvasCall& call = Record(CanvasCall::Op::WriteText, rect);
  call.text = std::u16string(text);
  call.font = font;
  call.align = align;
}

void RecordingCanvas::DrawBorrowedIcon(IconHandle icon, const Rect& rect, const Rect& clip) {
  CanvasCall& call = Record(CanvasCall::Op::DrawBorrowedIcon, rect);
  call.icon = icon;
  call.clip = Intersection(call.clip, clip.Offset(state_.origin.x, state_.origin.y));
}

void RecordingCanvas::DrawResourceIcon(int resourceId, const Rect& rect) {
  Record(CanvasCall::Op::DrawResourceIcon, rect).resourceId = resourceId;
}

void RecordingCanvas::DrawResourceBitmap(int resourceId, const Rect& rect, BitmapFit fit,
                                         bool alpha) {
  CanvasCall& call = Record(CanvasCall::Op::DrawResourceBitmap, rect);
  call.resourceId = resourceId;
  call.fit = fit;
  call.alpha = alpha;
}

void RecordingCanvas::DrawPixels(const PixelImage& image, const Rect& rect) {
  CanvasCall& call = Record(CanvasCall::Op::DrawPixels, rect);
  call.imageSize = {image.width, image.height};
}

void RecordingCanvas::DrawScaledBgrx(const BgrxImageView& image, const Rect& rect) {
  Record(CanvasCall::Op::DrawScaledBgrx, rect).imageSize = {image.width, image.height};
}

}  // namespace tintara
