#include "MainWindowHarness.h"

#include "TestWindows.h"
#include "platform/win32/HandleCast.h"

namespace tintara::test {

MainWindowHarness::MainWindowHarness()
    : colorization_(desktop_),
      backend_(GetModuleHandleW(nullptr), desktop_),
      application_(backend_, u"Tintara") {
  colorization_.Load();
  backend_.AttachApplication(application_);
  form_ = std::make_unique<TForm_Main>(application_, colorization_);
  details_ = std::make_unique<TForm_Details>(application_);
  form_->AttachDetails(details_.get());
}

MainWindowHarness::~MainWindowHarness() {
  form_->AttachDetails(nullptr);
  details_.reset();
  form_.reset();
  // Whatever the window left in the queue goes with it.
  PumpMessagesFor(50);
}

HWND MainWindowHarness::Window() const {
  return win32::ToNative<HWND>(form_->Handle());
}

void MainWindowHarness::ShowAsAtStart() {
  application_.ShowMainFormIfWanted();
  PumpMessagesUntil([&] { return IsWindowVisible(Window()) != FALSE; }, 5000);
  UpdateWindow(Window());
  PumpMessagesFor(300);
}

POINT MainWindowHarness::Origin() const {
  RECT r{};
  GetWindowRect(Window(), &r);
  return {r.left, r.top};
}

POINT MainWindowHarness::OnScreen(int x, int y) const {
  const POINT origin = Origin();
  return {origin.x + x, origin.y + y};
}

void PumpMessagesFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  PumpMessagesUntil([&] { return GetTickCount64() >= end; }, milliseconds + 1000);
}

}  // namespace tintara::test
