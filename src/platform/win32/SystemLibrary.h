#pragma once

#include <string>

namespace tintara::win32 {

// "C:\Windows\system32\<fileName>", or empty when the system folder cannot be named.
// Libraries loaded at run time are loaded by this full path, so that a copy of the same
// name beside the program or in the current folder is never picked up.
std::wstring SystemLibraryPath(const wchar_t* fileName);

}  // namespace tintara::win32
