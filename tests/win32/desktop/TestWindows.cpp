#include "TestWindows.h"

#include <stdexcept>

namespace tintara::test {
namespace {

constexpr wchar_t kStuckClassName[] = L"TintaraTestStuckIconWindow";

HINSTANCE ThisModule() {
  return GetModuleHandleW(nullptr);
}

template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return owner;
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

TestWindow::TestWindow(std::wstring className, WindowIcons icons)
    : className_(std::move(className)), icons_(icons) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TestWindow::Proc;
  wc.hInstance = ThisModule();
  wc.hIcon = icons_.classBig;
  wc.hIconSm = icons_.classSmall;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = className_.c_str();
  if (RegisterClassExW(&wc) == 0) throw std::runtime_error("test window class not registered");
  window_ = CreateWindowExW(0, className_.c_str(), L"Tintara test window", WS_OVERLAPPEDWINDOW, 40,
                            40, 240, 160, nullptr, nullptr, ThisModule(), this);
  if (window_ == nullptr) {
    UnregisterClassW(className_.c_str(), ThisModule());
    throw std::runtime_error("test window not created");
  }
}

TestWindow::~TestWindow() {
  Destroy();
  UnregisterClassW(className_.c_str(), ThisModule());
}

void TestWindow::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
}

LRESULT CALLBACK TestWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TestWindow* self = OwnerOf<TestWindow>(window, message, lParam);
  if (message == WM_GETICON && self != nullptr) {
    // Only the kinds the test gave an icon for answer; the system's default answer
    // (the class icon) must not stand in for the others.
    return wParam < self->icons_.answers.size()
               ? reinterpret_cast<LRESULT>(self->icons_.answers[wParam])
               : 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool BringToFront(HWND window, DWORD timeoutMs) {
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  return PumpMessagesUntil([window] { return GetForegroundWindow() == window; }, timeoutMs);
}

StuckIconWindow::StuckIconWindow(HICON answer, DWORD holdLimitMs)
    : answer_(answer),
      holdLimitMs_(holdLimitMs),
      release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, 10000);
  CloseHandle(ready);
  if (window_ == nullptr) {
    Release();
    thread_.join();
    CloseHandle(release_);
    throw std::runtime_error("stuck test window not created");
  }
}

StuckIconWindow::~StuckIconWindow() {
  Release();
  PostMessageW(window_, WM_CLOSE, 0, 0);
  thread_.join();
  CloseHandle(release_);
}

void StuckIconWindow::Release() {
  SetEvent(release_);
}

void StuckIconWindow::Run(HANDLE ready) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &StuckIconWindow::Proc;
  wc.hInstance = ThisModule();
  wc.lpszClassName = kStuckClassName;
  RegisterClassExW(&wc);
  window_ = CreateWindowExW(0, kStuckClassName, L"Tintara stuck test window", WS_OVERLAPPEDWINDOW,
                            60, 60, 200, 120, nullptr, nullptr, ThisModule(), this);
  SetEvent(ready);
  if (window_ == nullptr) return;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  UnregisterClassW(kStuckClassName, ThisModule());
}

LRESULT CALLBACK StuckIconWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  StuckIconWindow* self = OwnerOf<StuckIconWindow>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_GETICON:
      if (InSendMessage()) {
        ++self->held_;
        WaitForSingleObject(self->release_, self->holdLimitMs_);
      }
      return reinterpret_cast<LRESULT>(self->answer_);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace tintara::test
