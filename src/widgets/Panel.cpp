#include "widgets/Panel.h"

#include "widgets/Canvas.h"

namespace tintara {

void Panel::Paint(Canvas& canvas) {
  if (!Transparent()) canvas.FillRect(ClientRect(), Color());
}

}  // namespace tintara
