#pragma once

#include <windows.h>

namespace standin {

// When TINTARA_STANDIN_PEERS holds a peer script, starts the thread that opens the
// script's windows inside this process and brings them to the front one after another.
// The program under test loads this library, so the windows live in its own process,
// the only place from which Wine lets a program read another window's icon.
void StartPeersFromEnvironment(HMODULE self);

}  // namespace standin
