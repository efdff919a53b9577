#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace tintara::test {

// Waits, on a thread of its own, for the first dialog (window class "#32770") that
// the watched thread shows, lets `answer` look at it and close it, and stops. The
// watched thread is meanwhile inside the dialog's modal loop.
class DialogWatcher {
 public:
  DialogWatcher(DWORD watchedThread, std::function<void(HWND dialog)> answer);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  // The dialog that was answered; nullptr while none has appeared.
  HWND Answered() const { return answered_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<HWND> answered_{nullptr};
  std::thread thread_;
};

// Presses one of a dialog's buttons the way a click on it would (BN_CLICKED to the
// dialog), for IDOK and IDCANCEL.
void PressDialogButton(HWND dialog, int id);

// The dialog's child control of that id, or nullptr.
HWND DialogItem(HWND dialog, int id);

}  // namespace tintara::test
