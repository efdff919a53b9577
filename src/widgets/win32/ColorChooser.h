#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "platform/Types.h"
#include "widgets/win32/CommonDialogLibrary.h"

namespace tintara::win32 {

// The sixteen custom colours of the system colour chooser, as the user leaves them.
using CustomColors = std::array<COLORREF, 16>;

// Shows the system colour chooser modally in its basic (not expanded) form, opening
// with `initial` selected. The custom colours are read and written in place. Returns
// the confirmed colour, or nothing when the user cancels. Throws PlatformError when the
// dialog library cannot be loaded.
std::optional<TColor> ChooseColorModal(CommonDialogLibrary& dialogs, HWND owner, TColor initial,
                                       CustomColors& customColors);

}  // namespace tintara::win32
