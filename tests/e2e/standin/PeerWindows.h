#pragma once

#include <windows.h>

namespace standin {

// When TINTARA_STANDIN_PEERS holds a peer script, starts the thread that opens the
// script's windows inside this process and brings them to the front one after another.
// The program under test loads this library, so the windows live in its own process,
// the only place from which Wine lets a program read another window's icon.
//
// With TINTARA_STANDIN_PEER_ROUNDS set to n, the script's windows are opened once and
// brought to the front again in n rounds, each change waiting until the program has
// dealt with it; every TINTARA_STANDIN_SAMPLE_EVERY rounds (and after the first and the
// last) a line "sample round=... changes=... gdi=... windows=... icons=... rss_kb=..."
// tells what the process holds.
void StartPeersFromEnvironment(HMODULE self);

// The write entry calls this for every colorization written: peers brought to the
// front in rounds wait for it.
void NoteColorizationWritten();

}  // namespace standin
