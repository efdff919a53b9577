#pragma once

#include <cstdint>

#include "platform/DesktopServices.h"
#include "platform/WindowRegion.h"
#include "widgets/Form.h"

namespace tintara {

// Gives a borderless window its outline from its current width w and height h: a
// rectangle with rounded top corners (corner ellipse 6 x 6) and square bottom corners.
// The region goes to the window when SetWindowRgn takes it; otherwise it is deleted and
// the window stays rectangular. Nothing is reported.
void ApplyWindowRegion(Form& window);

// Unites the rectangle (x1, y1)-(x2, y2), right and bottom edges excluded, into the
// region in place, through a rectangular region of its own that is deleted afterwards.
void AddRectToRegion(DesktopServices& desktop, WindowRegion& region, std::int32_t x1,
                     std::int32_t y1, std::int32_t x2, std::int32_t y2);

// Lets the window follow the pointer until the button is released: the capture goes,
// and the window gets the move command combined with the caption hit code.
void StartWindowDrag(DesktopServices& desktop, WindowHandle window);

}  // namespace tintara
