#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DesktopServices.h"

namespace tintara {

// Writes the bytes as the whole content of the file `target`, replacing a file of that
// name only once every byte is on the disk: they go into a new file in the same folder
// first, which then takes the target's name in one step. Whatever fails, an earlier
// file of that name stays as it was and no new file is left behind. Throws
// PlatformError with the exact message:
//   "Cannot create file "<target as a full path>". <the platform's reason>" when the
//     new file cannot be made or cannot take the target's name;
//   "Stream write error" when fewer bytes were written or they could not be put on
//     the disk.
void WriteFileReplacing(DesktopServices& desktop, std::u16string_view target,
                        const std::vector<std::uint8_t>& bytes);

// The platform's text for an error as a message quotes it: without the blanks, line
// ends and full stops it ends with.
std::u16string TrimmedErrorText(std::u16string_view text);

// "Cannot create file "<path>". <reason>" in UTF-8, the reason trimmed.
std::string CannotCreateFileMessage(std::u16string_view fullPath, std::u16string_view reason);

}  // namespace tintara
