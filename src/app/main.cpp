// The program entry of tintara.exe.
#include <windows.h>
// After the base declarations, which it needs.
#include <commctrl.h>

#include <exception>
#include <string>
#include <vector>

#include "app/Program.h"
#include "engine/ApplicationTitle.h"
#include "platform/win32/Win32Desktop.h"
#include "widgets/ErrorReportText.h"
#include "widgets/win32/Win32Backend.h"

namespace {

std::u16string ExecutablePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return std::u16string(path.begin(), path.begin() + length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  // Before anything can load a library: a planted copy beside the program must never
  // be picked up.
  tintara::RestrictDllSearchToSystemFolder();
  // Formed before any of the program's own steps: the caption of every error report.
  const std::u16string applicationTitle = tintara::ApplicationTitleFromPath(ExecutablePath());

  // The check box is the themed one of the common controls the manifest asks for.
  INITCOMMONCONTROLSEX commonControls{};
  commonControls.dwSize = sizeof commonControls;
  commonControls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&commonControls);

  tintara::Win32Desktop desktop;
  try {
    tintara::win32::Win32Backend backend(instance, desktop);
    // showCommand is the one the program was started with (SW_SHOWDEFAULT when the
    // starter gave none).
    return tintara::RunProgram(backend, applicationTitle, showCommand);
  } catch (const std::exception& error) {
    // Only a start that could not make its windows ends up here.
    tintara::ShowGeneralErrorReport(desktop, applicationTitle, error);
    return 1;
  }
}
