#pragma once

#include <optional>

#include "widgets/Canvas.h"
#include "widgets/Control.h"

namespace tintara {

enum class ShapeKind { Rectangle, RoundRect };

// A filled and outlined figure; windowless. A rounded rectangle's corner ellipse is a
// quarter of the shorter side in both directions (4 x 4 for a 16 x 16 shape).
class Shape : public Control {
 public:
  ControlKind Kind() const override { return ControlKind::Shape; }

  ShapeKind Figure() const { return figure_; }
  void SetFigure(ShapeKind figure);
  // The fill; none: the figure's inside is not painted.
  std::optional<TColor> Brush() const { return brush_; }
  void SetBrush(std::optional<TColor> brush);
  const Pen& GetPen() const { return pen_; }
  void SetPen(const Pen& pen);

  void Paint(Canvas& canvas) override;

 private:
  ShapeKind figure_ = ShapeKind::Rectangle;
  std::optional<TColor> brush_ = 0xFFFFFF;
  Pen pen_;
};

}  // namespace tintara
