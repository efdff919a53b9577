#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace standin {

// Opens one peer window from a peer-script item and brings it to the front.
using OpenPeer = std::function<void(const std::wstring& item)>;
// Serves the calling thread's messages for the given time, so its peer windows answer
// while the driver waits.
using PumpFor = void (*)(DWORD milliseconds);

// After the peers, what the test asks of the program's own windows, done the way a
// user would from inside the program's process (the program's thread answers posted
// input while it is in a dialog's modal loop):
//
// TINTARA_STANDIN_EXPORT=<path without extension>: clicks the captured icon in the main
// window, waits for the save dialog, brings the peer "cyan16" to the front while it is
// open, types the path and saves, then brings "magenta16" to the front. Logs
// "export dialog open", "export dialog answered" (or why not).
//
// TINTARA_STANDIN_DETAILS=1: clicks the logo in the main window's title bar and logs
// "details shown left=.. top=.. width=.. height=.. main left=.. top=.." once a window
// of the program other than the main window shows, or "details did not show".
void DriveProgramFromEnvironment(const OpenPeer& openPeer, PumpFor pumpFor);

}  // namespace standin
