#pragma once

#include <optional>
#include <string>
#include <vector>

#include "widgets/Canvas.h"

namespace tintara {

// One drawing call as a recording canvas saw it, in absolute coordinates (the origin
// moves and clips applied), with the clip in force at the time.
struct CanvasCall {
  enum class Op {
    FillRect,
    FrameRect,
    DrawRectangle,
    DrawRoundRect,
    DrawEllipse,
    WriteText,
    DrawBorrowedIcon,
    DrawResourceIcon,
    DrawResourceBitmap,
    DrawPixels,
    DrawScaledBgrx,
  };
  // A clip shape, in absolute coordinates.
  struct ShapeClip {
    RegionShape shape = RegionShape::Rectangle;
    Rect box;
    Size ellipse;
    friend bool operator==(const ShapeClip&, const ShapeClip&) = default;
  };
  Op op = Op::FillRect;
  Rect rect;         // the call's rectangle; 0 x 0 for a borrowed icon at its own size
  Rect clip;         // the canvas clip, intersected with an icon's own clip
  TColor color = 0;  // FillRect
  std::optional<TColor> brush;
  Pen pen;
  Size ellipse;
  std::u16string text;
  Font font;
  TextAlign align = TextAlign::Left;
  IconHandle icon = 0;
  int resourceId = 0;
  BitmapFit fit = BitmapFit::Unscaled;
  bool alpha = false;
  Size imageSize;  // DrawPixels, DrawScaledBgrx
  // The last clip shape in force, if any (its box also narrows `clip`).
  std::optional<ShapeClip> shapeClip;
};

// Remembers every drawing call instead of drawing, so tests can check geometry and
// order without pixels.
class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(Rect surface) : state_{{0, 0}, surface, std::nullopt} {}

  std::vector<CanvasCall> calls;

  // The calls whose op is `op`, in order.
  std::vector<CanvasCall> Calls(CanvasCall::Op op) const;

  void Save() override;
  void Restore() override;
  void Translate(std::int32_t dx, std::int32_t dy) override;
  void IntersectClip(const Rect& rect) override;
  void IntersectClipShape(RegionShape shape, const Rect& box, Size ellipse) override;
  void FillRect(const Rect& rect, TColor color) override;
  void FrameRect(const Rect& rect, const Pen& pen) override;
  void DrawRectangle(const Rect& rect, std::optional<TColor> brush, const Pen& pen) override;
  void DrawRoundRect(const Rect& rect, std::int32_t ellipseWidth, std::int32_t ellipseHeight,
                     std::optional<TColor> brush, const Pen& pen) override;
  void DrawEllipse(const Rect& rect, std::optional<TColor> brush, const Pen& pen) override;
  void WriteText(const Rect& rect, std::u16string_view text, const Font& font,
                 TextAlign align) override;
  void DrawBorrowedIcon(IconHandle icon, const Rect& rect, const Rect& clip) override;
  void DrawResourceIcon(int resourceId, const Rect& rect) override;
  void DrawResourceBitmap(int resourceId, const Rect& rect, BitmapFit fit, bool alpha) override;
  void DrawPixels(const PixelImage& image, const Rect& rect) override;
  void DrawScaledBgrx(const BgrxImageView& image, const Rect& rect) override;

 private:
  struct State {
    Point origin;
    Rect clip;  // absolute
    std::optional<CanvasCall::ShapeClip> shapeClip;
  };
  CanvasCall& Record(CanvasCall::Op op, const Rect& rect);

  State state_;
  std::vector<State> saved_;
};

}  // namespace tintara
