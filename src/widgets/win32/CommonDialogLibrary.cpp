#include "widgets/win32/CommonDialogLibrary.h"

#include <utility>

#include "platform/PlatformError.h"
#include "platform/win32/SystemLibrary.h"

namespace tintara::win32 {
namespace {

// GetProcAddress hands out one generic function type; going through void(*)() is the
// sanctioned way to reach the real signature without a cast-function-type warning.
template <typename Fn>
Fn As(FARPROC entry) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace

CommonDialogLibrary::CommonDialogLibrary(std::wstring fileName) : fileName_(std::move(fileName)) {}

FARPROC CommonDialogLibrary::Entry(const char* name) {
  if (!module_) {
    // By its full path in the system folder; the altered search path makes the
    // library's own imports resolve from there too.
    const std::wstring path = SystemLibraryPath(fileName_.c_str());
    if (!path.empty()) {
      module_.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    }
    if (!module_) throw PlatformError("The system's dialog library could not be loaded");
  }
  const FARPROC entry = GetProcAddress(module_.get(), name);
  if (entry == nullptr) throw PlatformError("The system's dialog library could not be loaded");
  return entry;
}

BOOL CommonDialogLibrary::ShowColorChooser(CHOOSECOLORW& choice) {
  return As<BOOL(WINAPI*)(CHOOSECOLORW*)>(Entry("ChooseColorW"))(&choice);
}

BOOL CommonDialogLibrary::ShowSaveDialog(OPENFILENAMEW& dialog) {
  return As<BOOL(WINAPI*)(OPENFILENAMEW*)>(Entry("GetSaveFileNameW"))(&dialog);
}

DWORD CommonDialogLibrary::ExtendedError() {
  return As<DWORD(WINAPI*)()>(Entry("CommDlgExtendedError"))();
}

}  // namespace tintara::win32
