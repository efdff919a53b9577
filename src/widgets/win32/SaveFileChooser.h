#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "widgets/win32/CommonDialogLibrary.h"

namespace tintara::win32 {

// "ICON|*.ico|All|*.*" (description and pattern pairs separated by "|") in the form the
// system's file dialogs take: each part ended by a NUL, the whole by a second NUL.
std::wstring NativeFileFilter(std::wstring_view filter);

// Shows the system save dialog modally. `fileName` is the name it opens with; the
// default extension, without its dot, is added to a name typed without one. Returns the
// chosen path, or nothing when the user cancels. Throws PlatformError when the dialog
// itself fails or its library cannot be loaded.
std::optional<std::wstring> ChooseSaveFileModal(CommonDialogLibrary& dialogs, HWND owner,
                                                std::wstring_view filter,
                                                std::wstring_view defaultExtension,
                                                std::wstring_view fileName);

}  // namespace tintara::win32
