#include "ProgramDriver.h"

// The ids of the save dialog's boxes.
#include <dlgs.h>

#include <string>

#include "StandinEnvironment.h"

namespace standin {
namespace {

constexpr wchar_t kExportVariable[] = L"TINTARA_STANDIN_EXPORT";
constexpr wchar_t kDetailsVariable[] = L"TINTARA_STANDIN_DETAILS";
constexpr DWORD kWaitMs = 20000;
// Where the main window shows the captured icon and the logo (client coordinates).
constexpr POINT kCapturedIcon{210, 86};
constexpr POINT kLogo{40, 28};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  return title;
}

bool IsProgramForm(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId() && ClassOf(window).rfind(L"TintaraForm", 0) == 0;
}

struct Search {
  HWND found = nullptr;
  HWND except = nullptr;
  bool wantMain = true;
};

BOOL CALLBACK FindForm(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  if (window == search->except || !IsWindowVisible(window) || !IsProgramForm(window)) return TRUE;
  if (search->wantMain != (TitleOf(window) == L"Tintara")) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible form of the program: the main window (titled "Tintara") or another one.
HWND FindForm(bool main, HWND except = nullptr) {
  Search search{nullptr, except, main};
  EnumWindows(FindForm, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
  if (IsWindowVisible(window) && ClassOf(window) == L"#32770") {
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
  }
  return TRUE;
}

// Polls until `find` gives a window, for at most kWaitMs, serving messages meanwhile.
template <typename Find>
HWND WaitFor(Find find, PumpFor pumpFor) {
  const ULONGLONG end = GetTickCount64() + kWaitMs;
  while (GetTickCount64() < end) {
    if (HWND window = find()) return window;
    pumpFor(50);
  }
  return nullptr;
}

void ClickAt(HWND window, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(window, WM_MOUSEMOVE, 0, where);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
}

std::string Number(LONG value) {
  return std::to_string(value);
}

void ExportCapturedIcon(const std::wstring& name, const OpenPeer& openPeer, PumpFor pumpFor) {
  const HWND main = FindForm(true);
  if (main == nullptr) {
    AppendLogLine("export found no main window");
    return;
  }
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  ClickAt(main, kCapturedIcon);
  const HWND dialog = WaitFor(
      [&] {
        HWND found = nullptr;
        EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&found));
        return found;
      },
      pumpFor);
  if (dialog == nullptr) {
    AppendLogLine("export dialog did not open");
    return;
  }
  AppendLogLine("export dialog open");
  // While the dialog is open the program must not capture anything.
  openPeer(L"cyan16");
  pumpFor(1000);
  HWND box = GetDlgItem(dialog, cmb13);
  if (box == nullptr) box = GetDlgItem(dialog, edt1);
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  const bool closed =
      WaitFor([&] { return IsWindow(dialog) ? nullptr : main; }, pumpFor) != nullptr;
  AppendLogLine(closed ? "export dialog answered" : "export dialog did not close");
  if (!closed) return;
  // In front long enough for a few ticks of the poll, which runs again.
  openPeer(L"magenta16");
  pumpFor(1500);
}

void ShowDetails(PumpFor pumpFor) {
  const HWND main = FindForm(true);
  if (main == nullptr) {
    AppendLogLine("details found no main window");
    return;
  }
  ClickAt(main, kLogo);
  const HWND details = WaitFor([&] { return FindForm(false, main); }, pumpFor);
  if (details == nullptr) {
    AppendLogLine("details did not show");
    return;
  }
  RECT place{};
  RECT mainPlace{};
  GetWindowRect(details, &place);
  GetWindowRect(main, &mainPlace);
  AppendLogLine("details shown left=" + Number(place.left) + " top=" + Number(place.top) +
                " width=" + Number(place.right - place.left) +
                " height=" + Number(place.bottom - place.top) +
                " main left=" + Number(mainPlace.left) + " top=" + Number(mainPlace.top));
}

}  // namespace

void DriveProgramFromEnvironment(const OpenPeer& openPeer, PumpFor pumpFor) {
  const std::wstring exportName = EnvironmentText(kExportVariable);
  if (!exportName.empty()) ExportCapturedIcon(ToWindowsPath(exportName), openPeer, pumpFor);
  if (!EnvironmentText(kDetailsVariable).empty()) ShowDetails(pumpFor);
}

}  // namespace standin
