#include "widgets/Painter.h"

namespace tintara {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

// Whether one of the parent's children from `first` up in z-order paints every pixel of
// `area` (the parent's client coordinates), so nothing beneath needs painting there.
bool CoveredFromAbove(const Control& parent, std::size_t first, const Rect& area) {
  if (area.Empty()) return false;
  const std::vector<Control*>& children = parent.Children();
  for (std::size_t i = first; i < children.size(); ++i) {
    const Control& c = *children[i];
    if (c.Opaque() && c.Visible() && !c.IsNative() && Inside(area, c.Bounds())) return true;
  }
  return false;
}

void PaintChildren(Control& parent, Canvas& canvas, const Rect& dirty) {
  const std::vector<Control*>& children = parent.Children();
  for (std::size_t i = 0; i < children.size(); ++i) {
    Control* child = children[i];
    if (!child->Visible() || child->IsNative()) continue;
    const Rect bounds = child->Bounds();
    const Rect exposed = Intersection(bounds, dirty);
    if (exposed.Empty() || CoveredFromAbove(parent, i + 1, exposed)) continue;
    canvas.Save();
    canvas.Translate(bounds.left, bounds.top);
    canvas.IntersectClip(child->ClientRect());
    child->Paint(canvas);
    PaintChildren(*child, canvas, dirty.Offset(-bounds.left, -bounds.top));
    canvas.Restore();
  }
}

}  // namespace

void PaintControlTree(Control& root, Canvas& canvas, const Rect& dirty) {
  canvas.Save();
  canvas.IntersectClip(root.ClientRect());
  if (!CoveredFromAbove(root, 0, Intersection(root.ClientRect(), dirty))) root.Paint(canvas);
  PaintChildren(root, canvas, dirty);
  canvas.Restore();
}

void PaintControlTree(Control& root, Canvas& canvas) {
  PaintControlTree(root, canvas, root.ClientRect());
}

}  // namespace tintara
