#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "widgets/Backend.h"
#include "widgets/win32/OwnedHandles.h"

namespace tintara::win32 {

// The hint window as the hint thread last left it.
struct HintWindowState {
  HWND window = nullptr;
  std::uint8_t opacity = 0;
};

// Shows the hints on a worker thread of its own, so that the wait and the fades go on
// while the user-interface thread is busy, and never hold it up. The user-interface
// thread only posts the pointer's comings and goings; the worker runs the hint
// presenter on a clock of its own and creates, fades and destroys the hint window
// itself, since a window belongs to the thread that made it. While it waits it also
// answers whatever is sent to that window, so a sender (a broadcast of a settings
// change, say) never waits for the hint's timing.
class HintThread final : public HintDisplay {
 public:
  // The window class and the font (borrowed) must outlive the object. Starts the
  // worker; throws PlatformError when it cannot.
  HintThread(HINSTANCE instance, ATOM windowClass, HFONT font);
  // Removes the hint window at once and joins the worker.
  ~HintThread() override;
  HintThread(const HintThread&) = delete;
  HintThread& operator=(const HintThread&) = delete;

  // Rethrows, on the calling thread, an error the worker met since: the worker has no
  // one to report it to.
  void PointerEntered(const std::u16string& text, Point screenPosition) override;
  // Never throws: forms also call it while they are being destroyed. An error stays
  // for the next PointerEntered.
  void PointerLeft() override;

  std::optional<HintFrame> CurrentFrame() const override;
  // The hint window that is up, if any.
  std::optional<HintWindowState> CurrentWindow() const;

 private:
  struct PointerEvent {
    bool entered = false;
    std::u16string text;
    Point position;
  };

  // Returns the error the worker met since the last time, if any.
  std::exception_ptr Post(PointerEvent event);
  void Run();
  // Waits until an event is posted, a message arrives or the time is up, then
  // serves the messages that are there.
  void WaitForWork(std::uint32_t timeoutMs);

  HINSTANCE instance_;
  ATOM windowClass_;
  HFONT font_;
  mutable std::mutex mutex_;
  // Set whenever an event is posted or the worker is to stop.
  KernelObject wake_;
  std::deque<PointerEvent> events_;
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::optional<HintFrame> frame_;
  std::optional<HintWindowState> window_;
  // Last: the worker starts once everything it uses is there.
  std::thread worker_;
};

}  // namespace tintara::win32
