#pragma once

#include <string>
#include <string_view>

namespace tintara {

// The title formed from the executable's path: the file name without its folder, cut
// before its first ".", with every character after the first lower-cased.
std::u16string ApplicationTitleFromPath(std::u16string_view modulePath);

// The general error report's text: a "." is appended when the last character's code
// lies above that of ".".
std::u16string ErrorReportText(std::u16string_view message);

}  // namespace tintara
