#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace tintara::app {

// The general error report: a modal box with the application title as caption, the
// error icon, one OK button and the error's text, ended with a full stop where needed.
void ShowGeneralErrorReport(HWND owner, const std::u16string& applicationTitle,
                            const std::exception& error);

}  // namespace tintara::app
