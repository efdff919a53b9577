#pragma once

#include <string>
#include <string_view>

namespace tintara {

// The folder of the executable as the program keeps it: the path up to and including
// its last "\" or ":", with a "\" appended unless it already ends in one, so that a
// file name can simply be put after it.
std::u16string AppFolderFromModulePath(std::u16string_view modulePath);

}  // namespace tintara
