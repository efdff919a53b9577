#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "widgets/Backend.h"
#include "widgets/Menu.h"
#include "widgets/win32/MenuPictures.h"
#include "widgets/win32/OwnedHandles.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// The class of the notification-area icon's hidden window, and the message the shell
// sends it for what the mouse does over the icon (wParam: the icon's id, lParam: the
// mouse message). Tests outside the program find the window by these.
inline constexpr wchar_t kTrayWindowClass[] = L"TintaraTrayIcon";
inline constexpr UINT kTrayCallbackMessage = WM_APP + 0x21;
inline constexpr UINT kTrayIconId = 1;

// The notification-area icon on the Win32 desktop: Shell_NotifyIconW for a hidden
// top-level window of the program, which receives the icon's notifications and the
// shell's "TaskbarCreated" broadcast (a message-only window would miss the broadcast
// and could not be brought to the foreground for the menu).
class TrayIconWindow final : public TrayIconHost {
 public:
  // Throws PlatformError when the window cannot be made.
  TrayIconWindow(TrayIcon& icon, WindowClassRegistry& classes);
  ~TrayIconWindow() override;
  TrayIconWindow(const TrayIconWindow&) = delete;
  TrayIconWindow& operator=(const TrayIconWindow&) = delete;

  bool Add(int iconResource, const std::u16string& tooltip) override;
  bool Remove() override;
  MenuItem* TrackMenu(const PopupMenu& menu, Point at) override;

  HWND Window() const { return window_; }

  // For the window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void WindowDestroyed() { window_ = nullptr; }

 private:
  void Notified(LPARAM mouseMessage);

  TrayIcon& icon_;
  HINSTANCE instance_;
  HWND window_ = nullptr;
  UINT taskbarCreated_ = 0;
  OwnedIcon picture_;
  // Made at the first opening of the menu, for the image list it was made from.
  std::unique_ptr<MenuPictures> menuPictures_;
  const ImageList* picturesOf_ = nullptr;
};

}  // namespace tintara::win32
