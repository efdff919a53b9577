#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace tintara::test {

// A message box as it appeared on screen.
struct SeenBox {
  std::wstring caption;
  std::wstring text;
  std::vector<std::wstring> buttons;  // the texts of its push buttons, in z-order
  int defaultButton = 0;              // the id of the button drawn as the default one
  HICON icon = nullptr;               // what its icon control shows
};

// Watches the thread that creates it for message boxes, from a thread of its own:
// each box that appears is recorded and then answered by pressing `press` (a button
// id, or kPressEnter for the Enter key), so a test that shows a modal box never waits
// for a user.
class MessageBoxWatcher {
 public:
  static constexpr int kPressEnter = 0;

  explicit MessageBoxWatcher(int press);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  std::vector<SeenBox> Seen();

 private:
  void Run();
  void Answer(HWND box);

  const DWORD ownerThread_;
  const int press_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenBox> seen_;
  std::set<HWND> answered_;
  std::thread thread_;
};

}  // namespace tintara::test
