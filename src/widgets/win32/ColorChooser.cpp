#include "widgets/win32/ColorChooser.h"

namespace tintara::win32 {

std::optional<TColor> ChooseColorModal(CommonDialogLibrary& dialogs, HWND owner, TColor initial,
                                       CustomColors& customColors) {
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner;
  // TColor and COLORREF share the 0x00BBGGRR layout; a system colour is not a choice.
  choice.rgbResult = static_cast<COLORREF>(initial & 0x00FFFFFFu);
  choice.lpCustColors = customColors.data();
  choice.Flags = CC_RGBINIT;
  if (!dialogs.ShowColorChooser(choice)) return std::nullopt;
  return static_cast<TColor>(choice.rgbResult & 0x00FFFFFFu);
}

}  // namespace tintara::win32
