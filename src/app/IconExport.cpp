#include "app/IconExport.h"

#include "engine/FileReplacing.h"
#include "engine/IconFile.h"
#include "platform/PlatformError.h"

namespace tintara {

void SaveCapturedIcon(DesktopServices& desktop, Image& shown, std::u16string_view target) {
  const Picture& picture = shown.GetPicture();
  if (picture.source != Picture::Source::BorrowedIcon) return;
  if (shown.SavedImage() == nullptr) {
    // Made whole before any file is touched: an unreadable icon changes nothing.
    const std::optional<IconImage> image = desktop.ReadIconImage(picture.icon);
    std::optional<std::vector<std::uint8_t>> file;
    if (image) file = BuildIconFile(*image);
    if (!file) throw PlatformError("Bitmap image is not valid");
    shown.KeepSavedImage(std::move(*file));
  }
  WriteFileReplacing(desktop, target, *shown.SavedImage());
}

}  // namespace tintara
