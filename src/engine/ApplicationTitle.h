#pragma once

#include <string>
#include <string_view>

namespace tintara {

// The title formed from the executable's path: the file name without its folder, cut
// before its first ".", with every character after the first lower-cased.
std::u16string ApplicationTitleFromPath(std::u16string_view modulePath);

}  // namespace tintara
