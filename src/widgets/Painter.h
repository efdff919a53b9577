#pragma once

#include "platform/Geometry.h"
#include "widgets/Canvas.h"
#include "widgets/Control.h"

namespace tintara {

// Paints a control and the showing descendants above it, bottom to top in z-order:
// each one with the origin moved to its top-left corner and the clip narrowed to its
// bounds. Native controls are skipped (their windows paint themselves), and so is any
// control that lies wholly outside `dirty` (in the root's coordinates), or whose part
// inside it is covered whole by an opaque sibling above (for the root: by an opaque
// child).
void PaintControlTree(Control& root, Canvas& canvas, const Rect& dirty);
void PaintControlTree(Control& root, Canvas& canvas);

}  // namespace tintara
