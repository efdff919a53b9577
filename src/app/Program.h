#pragma once

#include <string>

#include "widgets/Backend.h"

namespace tintara {

// The whole run of the program, in its fixed order, on whatever backend realises the
// windows:
//   1. module start: the colorization library is loaded and its entries looked up;
//   2. the main window (whose creation runs the whole start-up), then the details
//      window and the About window, each hidden;
//   3. the message loop, which first shows the main window unless the start was
//      hidden, as the show command asks;
//   4. shutdown: the windows are destroyed in the reverse order (the notification-area
//      icon goes with the main window), then the library is released. The colorization
//      written last stays in effect.
// `title` is the application title, `showCommand` the process's show command. Returns
// the message loop's exit code.
int RunProgram(ToolkitBackend& backend, const std::u16string& title, int showCommand);

}  // namespace tintara
