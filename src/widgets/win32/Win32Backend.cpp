#include "widgets/win32/Win32Backend.h"

#include <vector>

#include "platform/win32/HandleCast.h"
#include "widgets/ErrorReportText.h"
#include "widgets/Form.h"
#include "widgets/win32/ColorChooser.h"
#include "widgets/win32/HintWindow.h"
#include "widgets/win32/SaveFileChooser.h"
#include "widgets/win32/TextConversion.h"
#include "widgets/win32/TrayIconWindow.h"
#include "widgets/win32/Win32FormWindow.h"

namespace tintara::win32 {
namespace {

// The hint's one line: a little larger than the window font and bold, as a title.
Font HintFont() {
  Font font;
  font.family = u"Segoe UI";
  font.sizePt = 9;
  font.heightPx = 12;
  font.bold = true;
  return font;
}

// Disables the enabled, visible top-level windows of this thread other than `keep` for
// the guard's lifetime, as a modal window needs, and enables them again after.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
  }
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto& guard = *reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != guard.keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      guard.disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND keep_;
  std::vector<HWND> disabled_;
};

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance, DesktopServices& desktop)
    : instance_(instance),
      desktop_(desktop),
      classes_(instance),
      resources_(instance),
      timers_(classes_, [this](const std::exception& error) { ReportUncaught(error); }),
      hints_(instance, HintWindow::WindowClass(classes_), resources_.FontFor(HintFont())) {}

Win32Backend::~Win32Backend() = default;

void Win32Backend::ReportUncaught(const std::exception& error) {
  if (application_ != nullptr) {
    application_->ShowException(error);
    return;
  }
  // Before an application is attached there is no title for the report.
  ShowGeneralErrorReport(desktop_, u"", error);
}

std::unique_ptr<FormWindow> Win32Backend::CreateFormWindow(Form& form, const CreateParams& params) {
  return std::make_unique<Win32FormWindow>(form, params, classes_, resources_);
}

Size Win32Backend::MeasureText(std::u16string_view text, const Font& font) {
  const WindowDC screen(nullptr);
  if (!screen) return {};
  const SelectionGuard selected(screen.get(), resources_.FontFor(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  SIZE extent{0, 0};
  const std::wstring wide = Wide(text);
  if (!wide.empty()) {
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  }
  // A line is as high as the font's cell, also when it holds no text.
  return {extent.cx, metrics.tmHeight};
}

TimerId Win32Backend::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  return timers_.Start(intervalMs, std::move(onTick));
}

void Win32Backend::StopTimer(TimerId timer) {
  timers_.Stop(timer);
}

std::optional<TColor> Win32Backend::RunColorDialog(WindowHandle owner, TColor initial,
                                                   std::array<TColor, 16>& customColors) {
  CustomColors custom{};
  for (std::size_t i = 0; i < custom.size(); ++i) custom[i] = customColors[i] & 0x00FFFFFFu;
  const std::optional<TColor> chosen =
      ChooseColorModal(dialogs_, ToNative<HWND>(owner), initial, custom);
  for (std::size_t i = 0; i < custom.size(); ++i) customColors[i] = custom[i];
  return chosen;
}

std::optional<std::u16string> Win32Backend::RunSaveDialog(const SaveDialogRequest& request) {
  const std::optional<std::wstring> chosen =
      ChooseSaveFileModal(dialogs_, ToNative<HWND>(request.owner), Wide(request.filter),
                          Wide(request.defaultExt), Wide(request.fileName));
  if (!chosen) return std::nullopt;
  return Utf16(*chosen);
}

std::unique_ptr<TrayIconHost> Win32Backend::CreateTrayIconHost(TrayIcon& icon) {
  return std::make_unique<TrayIconWindow>(icon, classes_);
}

void Win32Backend::EndMessageLoop() {
  PostQuitMessage(0);
}

void Win32Backend::RunModalLoop(Form& form) {
  const OtherWindowsDisabled disabled(ToNative<HWND>(form.Handle()));
  form.Show();
  MSG message{};
  while (!form.ModalLoopDone()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The program is ending: the outer loop has to see the quit message as well.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int Win32Backend::RunMessageLoop(Application& application) {
  application.RunHandler([&] { application.ShowMainFormIfWanted(); });
  MSG message{};
  while (!application.Terminated()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

}  // namespace tintara::win32
