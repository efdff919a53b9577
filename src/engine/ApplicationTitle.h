#pragma once

#include <string>
#include <string_view>

namespace tintara {

// Every character in its small form, where the character database gives it one single
// small character (Latin, Greek, Cyrillic, Armenian, Georgian and the rest alike).
std::u16string LowerCaseText(std::u16string_view text);

// The title formed from the executable's path: the file name without its folder, cut
// before its first ".", with every character after the first lower-cased.
std::u16string ApplicationTitleFromPath(std::u16string_view modulePath);

}  // namespace tintara
