// tintara-probe.exe: looks at and acts on a running tintara.exe from another process of
// the same Wine prefix, the way the desktop and a user would: it finds the program's
// windows, reads their state, asks the shell about the notification-area icon, sends
// the messages the system sends (close, end of session, the icon's mouse
// notifications) and clicks with real input. Test equipment only.
//
//   tintara-probe.exe <command> [arguments] [<command> [arguments] ...]
//
// Commands run in order; the first that fails ends the probe with exit code 1 and a line
// "FAIL ..." on standard output. Waits poll for up to TINTARA_PROBE_DEADLINE_S seconds
// (default 30).
//   main-state                  prints "main visible=V minimized=M maximized=X left=L top=T
//                               width=W height=H count=N" for the main window(s)
//   wait-main <state>           state: visible, hidden, minimized, maximized, normal, gone
//   wait-main-count <n>         until n main windows exist
//   wait-tray <present|absent>  asks the shell whether the icon is there
//   tray <event>                the icon's notification: rdown, rup, ldown, lup, ldbl, move
//   wait-menu                   until the icon's menu is open
//   menu-key <char|escape>      a key for the open menu
//   wait-no-menu                until no menu is open
//   click <x> <y> [left|right]  a real click at the main window's client point
//   post-close                  WM_CLOSE to the main window, as the taskbar would send it
//   end-session                 WM_QUERYENDSESSION, then WM_ENDSESSION(TRUE), as at log-off
//   wait-box <caption>          until a message box with that caption is up; prints
//                               "box caption=... text=... buttons=a|b"
//   answer <caption> <button>   presses the button (Yes, No, OK) of that box
//   wait-no-box                 until no message box of the program is up
//   launch <exe> <tail>         starts exe (a Unix path) with exactly the command line
//                               "<exe as a Windows path, quoted> <tail>"
#include <windows.h>
// After the base declarations, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "widgets/win32/TrayIconWindow.h"

namespace {

using tintara::win32::kTrayCallbackMessage;
using tintara::win32::kTrayIconId;
using tintara::win32::kTrayWindowClass;

[[noreturn]] void Fail(const std::string& what) {
  std::printf("FAIL %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(1);
}

DWORD DeadlineMs() {
  const char* value = std::getenv("TINTARA_PROBE_DEADLINE_S");
  const int seconds = value != nullptr ? std::atoi(value) : 30;
  return static_cast<DWORD>((seconds > 0 ? seconds : 30) * 1000);
}

void WaitFor(const std::function<bool()>& done, const std::string& what) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > DeadlineMs()) Fail("timed out waiting for " + what);
    Sleep(50);
  }
}

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &ignored);
  return text;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return out;
  out.resize(static_cast<std::size_t>(length - 1));
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), length, nullptr, nullptr);
  return out;
}

// The main windows: the program's forms are of the classes "TintaraForm<style>", and
// only the main one carries the title "Tintara".
std::vector<HWND> MainWindows() {
  std::vector<HWND> found;
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        if (ClassOf(window).rfind(L"TintaraForm", 0) == 0 && TextOf(window) == L"Tintara") {
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND MainWindow() {
  const std::vector<HWND> windows = MainWindows();
  return windows.empty() ? nullptr : windows.front();
}

HWND TrayWindow() {
  return FindWindowW(kTrayWindowClass, nullptr);
}

// The shell answers a change to an icon it shows and refuses one to an icon it does not
// know, whichever process asks.
bool TrayIconPresent() {
  HWND tray = TrayWindow();
  if (tray == nullptr) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = tray;
  data.uID = kTrayIconId;
  data.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HWND OpenMenu() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

HWND FindBox(const std::wstring& caption) {
  struct Search {
    std::wstring caption;
    HWND box = nullptr;
  } search{caption, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (IsWindowVisible(window) && ClassOf(window) == L"#32770" &&
            (s->caption.empty() || TextOf(window) == s->caption)) {
          s->box = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.box;
}

std::wstring Wide(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), length);
  out.resize(out.size() - 1);
  return out;
}

void PrintMainState() {
  const std::vector<HWND> windows = MainWindows();
  HWND main = windows.empty() ? nullptr : windows.front();
  RECT r{};
  if (main != nullptr) GetWindowRect(main, &r);
  std::printf(
      "main visible=%d minimized=%d maximized=%d left=%ld top=%ld width=%ld height=%ld "
      "count=%zu\n",
      main != nullptr && IsWindowVisible(main) ? 1 : 0, main != nullptr && IsIconic(main) ? 1 : 0,
      main != nullptr && IsZoomed(main) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top,
      windows.size());
}

bool MainInState(const std::string& state) {
  HWND main = MainWindow();
  if (state == "gone") return main == nullptr;
  if (main == nullptr) return false;
  if (state == "visible") return IsWindowVisible(main) != FALSE;
  if (state == "hidden") return IsWindowVisible(main) == FALSE;
  if (state == "minimized") return IsIconic(main) != FALSE;
  if (state == "maximized") return IsZoomed(main) != FALSE;
  if (state == "normal") return IsWindowVisible(main) && !IsIconic(main) && !IsZoomed(main);
  Fail("unknown state " + state);
}

UINT TrayEvent(const std::string& name) {
  if (name == "rdown") return WM_RBUTTONDOWN;
  if (name == "rup") return WM_RBUTTONUP;
  if (name == "ldown") return WM_LBUTTONDOWN;
  if (name == "lup") return WM_LBUTTONUP;
  if (name == "ldbl") return WM_LBUTTONDBLCLK;
  if (name == "move") return WM_MOUSEMOVE;
  Fail("unknown tray event " + name);
}

void SendMouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  input.mi.dx = MulDiv(screen.x - GetSystemMetrics(SM_XVIRTUALSCREEN), 65535, width - 1);
  input.mi.dy = MulDiv(screen.y - GetSystemMetrics(SM_YVIRTUALSCREEN), 65535, height - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

void Click(int x, int y, bool right) {
  HWND main = MainWindow();
  if (main == nullptr) Fail("no main window to click");
  POINT p{x, y};
  ClientToScreen(main, &p);
  SendMouse(0, p);
  Sleep(100);
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, p);
  Sleep(50);
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, p);
  Sleep(100);
}

void PrintBox(HWND box) {
  std::vector<HWND> children;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  std::wstring text, buttons;
  for (HWND child : children) {
    const std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      buttons += (buttons.empty() ? L"" : L"|") + TextOf(child);
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0 && !TextOf(child).empty()) {
      text = TextOf(child);
    }
  }
  std::printf("box caption=%s text=%s buttons=%s\n", Narrow(TextOf(box)).c_str(),
              Narrow(text).c_str(), Narrow(buttons).c_str());
}

int ButtonId(const std::string& name) {
  if (name == "Yes") return IDYES;
  if (name == "No") return IDNO;
  if (name == "OK") return IDOK;
  Fail("unknown button " + name);
}

}  // namespace

int main(int argc, char** argv) {
  int i = 1;
  auto next = [&](const char* what) -> std::string {
    if (i >= argc) Fail(std::string("missing ") + what);
    return argv[i++];
  };
  while (i < argc) {
    const std::string command = next("command");
    if (command == "main-state") {
      PrintMainState();
    } else if (command == "wait-main") {
      const std::string state = next("state");
      WaitFor([&] { return MainInState(state); }, "main window " + state);
    } else if (command == "wait-main-count") {
      const std::size_t count = std::stoul(next("count"));
      WaitFor([&] { return MainWindows().size() == count; }, "main windows");
    } else if (command == "wait-tray") {
      const bool present = next("present|absent") == "present";
      WaitFor([&] { return TrayIconPresent() == present; },
              present ? "the tray icon" : "the tray icon to go");
    } else if (command == "tray") {
      const UINT event = TrayEvent(next("event"));
      HWND tray = TrayWindow();
      if (tray == nullptr) Fail("no tray window");
      PostMessageW(tray, kTrayCallbackMessage, kTrayIconId, event);
    } else if (command == "wait-menu") {
      WaitFor([] { return OpenMenu() != nullptr; }, "the menu");
    } else if (command == "wait-no-menu") {
      WaitFor([] { return OpenMenu() == nullptr; }, "the menu to close");
    } else if (command == "menu-key") {
      const std::string key = next("key");
      HWND tray = TrayWindow();
      if (tray == nullptr) Fail("no tray window");
      // The menu's own loop reads the keys of its thread's queue.
      if (key == "escape") {
        PostMessageW(tray, WM_KEYDOWN, VK_ESCAPE, 0);
      } else {
        PostMessageW(tray, WM_CHAR, static_cast<WPARAM>(key[0]), 0);
      }
    } else if (command == "click") {
      const int x = std::stoi(next("x"));
      const int y = std::stoi(next("y"));
      const bool right = i < argc && std::string(argv[i]) == "right" && (++i, true);
      if (i < argc && std::string(argv[i]) == "left") ++i;
      Click(x, y, right);
    } else if (command == "post-close") {
      HWND main = MainWindow();
      if (main == nullptr) Fail("no main window to close");
      PostMessageW(main, WM_CLOSE, 0, 0);
    } else if (command == "end-session") {
      HWND main = MainWindow();
      if (main == nullptr) Fail("no main window");
      DWORD_PTR answer = 0;
      SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                          &answer);
      std::printf("queryendsession=%d\n", static_cast<int>(answer));
      SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                          &answer);
    } else if (command == "wait-box") {
      const std::wstring caption = Wide(next("caption").c_str());
      WaitFor([&] { return FindBox(caption) != nullptr; }, "a message box");
      PrintBox(FindBox(caption));
    } else if (command == "answer") {
      const std::wstring caption = Wide(next("caption").c_str());
      const int id = ButtonId(next("button"));
      WaitFor([&] { return FindBox(caption) != nullptr; }, "a message box");
      HWND box = FindBox(caption);
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    } else if (command == "wait-no-box") {
      WaitFor([] { return FindBox(L"") == nullptr; }, "the message box to close");
    } else if (command == "launch") {
      std::wstring exe = L"Z:" + Wide(next("exe").c_str());
      for (wchar_t& c : exe) c = c == L'/' ? L'\\' : c;
      std::wstring line = L"\"" + exe + L"\" " + Wide(next("tail").c_str());
      STARTUPINFOW startup{};
      startup.cb = sizeof startup;
      PROCESS_INFORMATION process{};
      if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        Fail("could not start " + Narrow(exe));
      }
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    } else {
      Fail("unknown command " + command);
    }
  }
  std::fflush(stdout);
  return 0;
}
