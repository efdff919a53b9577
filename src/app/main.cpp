// The program entry of tintara.exe.
#include <windows.h>
// After the base declarations, which it needs.
#include <commctrl.h>

#include <exception>
#include <string>
#include <vector>

#include "app/ErrorReport.h"
#include "app/FormDetails.h"
#include "app/FormMain.h"
#include "engine/ApplicationTitle.h"
#include "engine/ColorizationControl.h"
#include "platform/win32/Win32Desktop.h"
#include "widgets/Application.h"
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
                    int /*showCommand*/) {
  // Before anything can load a library: a planted copy beside the program must never
  // be picked up.
  tintara::RestrictDllSearchToSystemFolder();
  const std::u16string applicationTitle = tintara::ApplicationTitleFromPath(ExecutablePath());

  // The check box is the themed one of the common controls the manifest asks for.
  INITCOMMONCONTROLSEX commonControls{};
  commonControls.dwSize = sizeof commonControls;
  commonControls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&commonControls);

  tintara::Win32Desktop desktop;
  // The colorization library is loaded before any window exists and released after
  // the last one has gone (the object outlives everything below).
  tintara::ColorizationControl colorization(desktop);
  colorization.Load();

  try {
    tintara::win32::Win32Backend backend(instance, desktop);
    tintara::Application application(backend, applicationTitle);
    backend.AttachApplication(application);
    // Its creation runs FormCreate and the start-up, which may choose a hidden start.
    tintara::TForm_Main Form_Main(application, colorization);
    // Second, hidden: it takes over what the tracker has written meanwhile, and lets go
    // before it goes.
    tintara::TForm_Details Form_Details(application);
    struct Attachment {
      tintara::TForm_Main& main;
      ~Attachment() { main.AttachDetails(nullptr); }
    } attachment{Form_Main};
    Form_Main.AttachDetails(&Form_Details);
    return backend.RunMessageLoop(application);
  } catch (const std::exception& error) {
    tintara::app::ShowGeneralErrorReport(nullptr, applicationTitle, error);
    return 1;
  }
}
