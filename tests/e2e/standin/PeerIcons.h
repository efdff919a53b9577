#pragma once

#include <windows.h>

#include "StandinHandles.h"

namespace standin {

// An opaque size×size 32-bit icon filled with background, with a square of centre
// colour over its middle that covers the centre pixel (size/2, size/2) and a sixteenth
// of the area, so the centre colour and the most frequent colour differ whenever the
// two colours do.
IconOwner MakePeerIcon(int size, COLORREF background, COLORREF centre);

}  // namespace standin
