#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "TestWindows.h"
#include "app/FormDetails.h"
#include "app/FormMain.h"
#include "engine/ColorizationControl.h"
#include "platform/win32/Win32Desktop.h"
#include "widgets/Application.h"
#include "widgets/win32/Win32Backend.h"

namespace tintara::test {

// The program's main window as the program entry makes it, inside the test process:
// the real desktop, the colorization library (the stand-in of the test prefix), the
// Win32 backend, the application, TForm_Main and the details window attached to it.
class MainWindowHarness {
 public:
  MainWindowHarness();
  ~MainWindowHarness();
  MainWindowHarness(const MainWindowHarness&) = delete;
  MainWindowHarness& operator=(const MainWindowHarness&) = delete;

  TForm_Main& Form() { return *form_; }
  TForm_Details& Details() { return *details_; }
  win32::Win32Backend& Backend() { return backend_; }
  Application& App() { return application_; }
  HWND Window() const;

  // The first step of the message loop (the main window shows, centred), then
  // messages until the window is on screen and painted.
  void ShowAsAtStart();
  // The window's top-left corner on the screen.
  POINT Origin() const;
  // A point of the window in screen coordinates.
  POINT OnScreen(int x, int y) const;

 private:
  Win32Desktop desktop_;
  ColorizationControl colorization_;
  win32::Win32Backend backend_;
  Application application_;
  std::unique_ptr<TForm_Main> form_;
  std::unique_ptr<TForm_Details> details_;
};

// Processes this thread's messages for the given time.
void PumpMessagesFor(DWORD milliseconds);

}  // namespace tintara::test
