#pragma once

#include <string_view>

#include "platform/DesktopServices.h"
#include "widgets/Image.h"

namespace tintara {

// Saves the captured icon that `shown` holds as an icon file named `target`. Nothing
// happens while it holds none. The file image is made from the icon the first time and
// kept with the picture, so a second save writes the same bytes even after the icon's
// owner has destroyed it. Throws PlatformError: "Bitmap image is not valid" when the
// icon cannot be read (no file is touched; the next save tries again), or the messages
// of WriteFileReplacing.
void SaveCapturedIcon(DesktopServices& desktop, Image& shown, std::u16string_view target);

}  // namespace tintara
