#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "widgets/Application.h"
#include "widgets/Backend.h"
#include "widgets/win32/CommonDialogLibrary.h"
#include "widgets/win32/GdiResources.h"
#include "widgets/win32/HintThread.h"
#include "widgets/win32/OnDemandHints.h"
#include "widgets/win32/TimerHost.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// The toolkit realised on the Win32 desktop: one HWND per form, GDI painting, SetTimer
// timers, the system's colour chooser and save dialog. Lives on the user-interface
// thread, which runs its message loop; the hints live on a thread of their own.
class Win32Backend final : public ToolkitBackend {
 public:
  // Throws PlatformError when the timer window cannot be made.
  Win32Backend(HINSTANCE instance, DesktopServices& desktop);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  // The application whose general error report takes what escapes a timer tick. Until
  // one is attached such errors are reported in a plain error box.
  void AttachApplication(Application& application) override { application_ = &application; }

  DesktopServices& Desktop() override { return desktop_; }
  std::unique_ptr<FormWindow> CreateFormWindow(Form& form, const CreateParams& params) override;
  Size MeasureText(std::u16string_view text, const Font& font) override;
  TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void StopTimer(TimerId timer) override;
  std::optional<TColor> RunColorDialog(WindowHandle owner, TColor initial,
                                       std::array<TColor, 16>& customColors) override;
  std::optional<std::u16string> RunSaveDialog(const SaveDialogRequest& request) override;
  HintDisplay& Hints() override { return hints_; }
  std::unique_ptr<TrayIconHost> CreateTrayIconHost(TrayIcon& icon) override;
  void EndMessageLoop() override;
  void RunModalLoop(Form& form) override;

  // Shows the main form when the start-up show flag says so, then takes and
  // dispatches messages until the application is told to terminate.
  int RunMessageLoop(Application& application) override;

  // The hint window that is up on the hint thread, if any (for tests).
  std::optional<HintWindowState> CurrentHintWindow() const { return hints_.CurrentWindow(); }
  bool HintWorkerStarted() const { return hints_.WorkerStarted(); }
  GdiResources& Resources() { return resources_; }

 private:
  void ReportUncaught(const std::exception& error);

  HINSTANCE instance_;
  DesktopServices& desktop_;
  Application* application_ = nullptr;
  WindowClassRegistry classes_;
  GdiResources resources_;
  CommonDialogLibrary dialogs_;
  TimerHost timers_;
  // After the resources: the hint thread borrows its font, and is joined first.
  OnDemandHints hints_;
};

}  // namespace tintara::win32
