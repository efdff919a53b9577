#pragma once

#include <windows.h>

namespace tintara {

// MessageBoxW whose buttons read the program's own English texts ("&Yes", "&No",
// "OK") whatever the language of the system: the box is otherwise the system's own
// (look, icon, sound, keyboard, default button).
int MessageBoxWithOwnButtonTexts(HWND owner, const wchar_t* text, const wchar_t* caption,
                                 UINT style);

}  // namespace tintara
