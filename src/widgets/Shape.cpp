#include "widgets/Shape.h"

#include <algorithm>

namespace tintara {

void Shape::SetFigure(ShapeKind figure) {
  figure_ = figure;
  Invalidate();
}

void Shape::SetBrush(std::optional<TColor> brush) {
  brush_ = brush;
  Invalidate();
}

void Shape::SetPen(const Pen& pen) {
  pen_ = pen;
  Invalidate();
}

void Shape::Paint(Canvas& canvas) {
  const Rect area = ClientRect();
  if (figure_ == ShapeKind::RoundRect) {
    const int corner = std::min(area.width, area.height) / 4;
    canvas.DrawRoundRect(area, corner, corner, brush_, pen_);
  } else {
    canvas.DrawRectangle(area, brush_, pen_);
  }
}

}  // namespace tintara
