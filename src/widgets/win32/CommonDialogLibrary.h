#pragma once

#include <windows.h>
// After the base declarations, which it needs.
#include <commdlg.h>

#include <string>

#include "platform/win32/GdiHandles.h"

namespace tintara::win32 {

// The system's common dialogs library, loaded from the system folder when a dialog is
// first shown and kept until this object goes. Importing it would load it, and what it
// brings along (under Wine printing and network security libraries), into every run for
// dialogs that most runs never open.
class CommonDialogLibrary {
 public:
  // Another file name serves tests of a library that cannot be loaded.
  explicit CommonDialogLibrary(std::wstring fileName = L"comdlg32.dll");
  CommonDialogLibrary(const CommonDialogLibrary&) = delete;
  CommonDialogLibrary& operator=(const CommonDialogLibrary&) = delete;

  // ChooseColorW, GetSaveFileNameW and CommDlgExtendedError. The first call loads the
  // library; each throws PlatformError when it cannot be loaded or lacks the entry.
  BOOL ShowColorChooser(CHOOSECOLORW& choice);
  BOOL ShowSaveDialog(OPENFILENAMEW& dialog);
  DWORD ExtendedError();

 private:
  struct ModuleTraits {
    using Handle = HMODULE;
    static void Release(HMODULE module) { FreeLibrary(module); }
  };

  // The entry's address; throws PlatformError as above.
  FARPROC Entry(const char* name);

  std::wstring fileName_;
  OwnedHandle<ModuleTraits> module_;
};

}  // namespace tintara::win32
