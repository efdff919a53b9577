#pragma once

#include <string>

#include "engine/ColorizationControl.h"
#include "engine/TrackerDisplay.h"
#include "platform/DesktopServices.h"

namespace tintara {

// "Window Handle $" and the low 32 bits as eight upper-case hex digits.
std::u16string FormatWindowHandleCaption(WindowHandle window);

// Follows the foreground window and drives the colour engine for each new one.
class ForegroundTracker {
 public:
  static constexpr int kClassNameBufferBytes = 1024;
  static constexpr int kClassNameCapacity = kClassNameBufferBytes / 2;

  ForegroundTracker(DesktopServices& desktop, ColorizationControl& colorization,
                    TrackerDisplay& display)
      : desktop_(desktop), colorization_(colorization), display_(display) {}

  // The program's own main window, which is never captured.
  void SetMainWindow(WindowHandle window) { mainWindow_ = window; }
  void ResetLastForegroundWindow() { LastForegroundWindow = 0; }
  WindowHandle LastForeground() const { return LastForegroundWindow; }

  // One tick of the 100 ms poll.
  void Timer_AeroHandlerTimer();
  void ProcessForegroundWindow(WindowHandle window);
  IconHandle GetWindowIconHandle(WindowHandle window);
  void ShowWindowDetails(WindowHandle window);
  void RenderIconToBitmap(IconHandle icon, RenderedIconBitmap& bitmap);

 private:
  DesktopServices& desktop_;
  ColorizationControl& colorization_;
  TrackerDisplay& display_;
  WindowHandle mainWindow_ = 0;
  WindowHandle LastForegroundWindow = 0;
};

}  // namespace tintara
