#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace tintara::test {

enum class Button { Left, Right, Middle };

// Input as the mouse and keyboard would give it: queued by the system for whatever
// window is under the pointer (or holds the capture), like a user's.
void MovePointerTo(POINT screen);
void PressButton(Button button);
void ReleaseButton(Button button);
void TapKey(WORD virtualKey);
// Taps a key while Ctrl is held.
void TapKeyWithControl(WORD virtualKey);

// Runs a script of input (or anything else) on a thread of its own while the test's
// thread is inside a modal loop, such as the one the system runs while a window is
// dragged or a dialog is open. The script gets a stop flag to poll; the thread is
// joined on destruction.
class BackgroundScript {
 public:
  explicit BackgroundScript(std::function<void(const std::atomic<bool>& stop)> script);
  ~BackgroundScript();
  BackgroundScript(const BackgroundScript&) = delete;
  BackgroundScript& operator=(const BackgroundScript&) = delete;

  bool Finished() const { return finished_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

// Whether the thread is inside the system's move or size loop.
bool InMoveLoop(DWORD threadId);

}  // namespace tintara::test
