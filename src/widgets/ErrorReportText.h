#pragma once

#include <string>
#include <string_view>

namespace tintara {

// The general error report's text: a "." is appended when the last character's code
// lies above that of ".".
std::u16string ErrorReportText(std::u16string_view message);

}  // namespace tintara
