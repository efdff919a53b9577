#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "platform/Types.h"

namespace tintara::win32 {

// The sixteen custom colours of the system colour chooser, as the user leaves them.
using CustomColors = std::array<COLORREF, 16>;

// Shows the system colour chooser modally in its basic (not expanded) form, opening
// with `initial` selected. The custom colours are read and written in place. Returns
// the confirmed colour, or nothing when the user cancels.
std::optional<TColor> ChooseColorModal(HWND owner, TColor initial, CustomColors& customColors);

}  // namespace tintara::win32
