// A library that only pretends to be the colorization library. A program that loads
// it instead of the system's copy can be told by the marker it exports.
#include <windows.h>

extern "C" {

int WINAPI PlantedMarker() {
  return 0x504C4E54;
}

// Claims composition is on, as a planted library that wants to be used would.
HRESULT WINAPI DwmIsCompositionEnabled(BOOL* enabled) {
  if (enabled != nullptr) *enabled = TRUE;
  return S_OK;
}

}  // extern "C"
