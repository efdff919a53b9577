#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/Types.h"

namespace tintara::test {

inline WindowHandle HandleOf(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

// Icons a test window offers; null means none. The window borrows them.
struct WindowIcons {
  HICON classSmall = nullptr;      // WNDCLASSEX hIconSm
  HICON classBig = nullptr;        // WNDCLASSEX hIcon
  std::array<HICON, 3> answers{};  // what WM_GETICON kinds 0, 1, 2 return
};

// A top-level window of the test process, of a class of its own, created hidden.
class TestWindow {
 public:
  TestWindow(std::wstring className, WindowIcons icons);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return window_; }
  WindowHandle handle() const { return HandleOf(window_); }
  // Destroys the window now; its handle then names no window.
  void Destroy();

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::wstring className_;
  WindowIcons icons_;
  HWND window_ = nullptr;
};

// Shows the window, brings it to the front and processes messages until the system
// reports it as the foreground window; false when that does not happen in time.
bool BringToFront(HWND window, DWORD timeoutMs = 5000);

// Processes this thread's messages until done() holds or the time is up.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

// A window on a thread of its own whose answer to WM_GETICON from any other thread is
// held back until Release(), or at most holdLimitMs, so that a caller that waits without
// bound fails its test instead of hanging it. Requests from its own thread (the system
// asks for the icon when the window is activated) answer at once.
class StuckIconWindow {
 public:
  StuckIconWindow(HICON answer, DWORD holdLimitMs);
  ~StuckIconWindow();
  StuckIconWindow(const StuckIconWindow&) = delete;
  StuckIconWindow& operator=(const StuckIconWindow&) = delete;

  WindowHandle handle() const { return HandleOf(window_); }
  // Requests from other threads that reached the window and are (or were) held.
  int HeldRequests() const { return held_.load(); }
  // Lets every held and later request answer.
  void Release();

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run(HANDLE ready);

  HICON answer_;
  DWORD holdLimitMs_;
  HANDLE release_;
  std::atomic<int> held_{0};
  HWND window_ = nullptr;
  std::thread thread_;
};

}  // namespace tintara::test
