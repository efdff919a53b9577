#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/DesktopServices.h"

namespace tintara {

// The one command-line argument the program knows: the start-up entry passes it, and
// it makes the program start hidden in the notification area.
inline constexpr std::u16string_view kLaunchSwitch = u"autostart";

// Argument `index` of a command line, argument 0 being the program's own path; the
// empty text when the line has fewer arguments. Before each argument, characters with
// codes 1 to 32 and pairs of adjacent double quotes are skipped. An argument runs up
// to the first character with a code of 32 or less outside a quoted run; a double
// quote opens a run that ends at the next double quote or at the end of the line, and
// the quotes themselves are dropped. The line ends at its first NUL.
std::u16string CommandLineArgument(std::u16string_view commandLine, std::size_t index);

// Only the letters A to Z become a to z; every other character stays as it is.
std::u16string LowerCaseAsciiLetters(std::u16string_view text);

// Whether argument 1 of the command line, lower-cased, is exactly the launch switch.
bool HasLaunchSwitch(std::u16string_view commandLine);

// The launch switch test of start-up, on the running program's command line.
bool StartedWithLaunchSwitch(DesktopServices& desktop);

}  // namespace tintara
