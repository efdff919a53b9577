#include "widgets/Painter.h"

namespace tintara {
namespace {

void PaintChildren(Control& parent, Canvas& canvas, const Rect& dirty) {
  for (Control* child : parent.Children()) {
    if (!child->Visible() || child->IsNative()) continue;
    const Rect bounds = child->Bounds();
    if (Intersection(bounds, dirty).Empty()) continue;
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
  root.Paint(canvas);
  PaintChildren(root, canvas, dirty);
  canvas.Restore();
}

void PaintControlTree(Control& root, Canvas& canvas) {
  PaintControlTree(root, canvas, root.ClientRect());
}

}  // namespace tintara
