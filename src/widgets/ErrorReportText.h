#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/DesktopServices.h"

namespace tintara {

// The general error report's text: a "." is appended when the last character's code
// lies above that of ".".
std::u16string ErrorReportText(std::u16string_view message);

// The general error report: a modal box with the title as caption, the error icon,
// "OK" and the error's text (UTF-8), ended with a full stop where needed.
void ShowGeneralErrorReport(DesktopServices& desktop, std::u16string_view title,
                            const std::exception& error);

}  // namespace tintara
