#include "widgets/win32/TrayIconWindow.h"

#include <shellapi.h>
#include <uxtheme.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/PlatformError.h"
#include "widgets/TrayIcon.h"
#include "widgets/win32/TextConversion.h"
#include "widgets/win32/WindowProcedure.h"

namespace tintara::win32 {
namespace {

NOTIFYICONDATAW IconData(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kTrayIconId;
  return data;
}

TrayMouseEvent EventOf(LPARAM mouseMessage, bool* known) {
  *known = true;
  switch (static_cast<UINT>(LOWORD(mouseMessage))) {
    case WM_LBUTTONDOWN:
      return TrayMouseEvent::LeftDown;
    case WM_LBUTTONUP:
      return TrayMouseEvent::LeftUp;
    case WM_LBUTTONDBLCLK:
      return TrayMouseEvent::LeftDoubleClick;
    case WM_RBUTTONDOWN:
      return TrayMouseEvent::RightDown;
    case WM_RBUTTONUP:
      return TrayMouseEvent::RightUp;
    case WM_RBUTTONDBLCLK:
      return TrayMouseEvent::RightDoubleClick;
    case WM_MBUTTONDOWN:
      return TrayMouseEvent::MiddleDown;
    case WM_MBUTTONUP:
      return TrayMouseEvent::MiddleUp;
    case WM_MBUTTONDBLCLK:
      return TrayMouseEvent::MiddleDoubleClick;
    case WM_MOUSEMOVE:
      return TrayMouseEvent::Move;
    default:
      *known = false;
      return TrayMouseEvent::Move;
  }
}

// Whether popup menus blend their items' 32-bit pictures by alpha: themed menus do;
// classic ones, and Wine's whatever the theme, copy the pixels as they are.
bool MenusBlendPictures() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const bool wine = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  return !wine && IsAppThemed() != FALSE;
}

struct MenuTraits {
  using Handle = HMENU;
  static void Release(HMENU menu) { DestroyMenu(menu); }
};
using OwnedMenu = OwnedHandle<MenuTraits>;

}  // namespace

TrayIconWindow::TrayIconWindow(TrayIcon& icon, WindowClassRegistry& classes)
    : icon_(icon), instance_(classes.instance()) {
  const ATOM windowClass = classes.Ensure(kTrayWindowClass, 0, &WindowProcedure<TrayIconWindow>);
  // A tool window: never on the taskbar, which belongs to the main window.
  CreateWindowExW(WS_EX_TOOLWINDOW, MAKEINTATOM(windowClass), L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                  nullptr, instance_, this);
  if (window_ == nullptr) throw PlatformError("The window could not be created");
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

TrayIconWindow::~TrayIconWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool TrayIconWindow::Add(int iconResource, const std::u16string& tooltip) {
  if (!picture_) {
    // The small icon size of the system, picked among the program icon's images.
    picture_.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconResource),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0)));
  }
  NOTIFYICONDATAW data = IconData(window_);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = picture_.get();
  const std::wstring tip = Wide(tooltip);
  const std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
  std::copy_n(tip.begin(), length, data.szTip);
  data.szTip[length] = L'\0';
  return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool TrayIconWindow::Remove() {
  NOTIFYICONDATAW data = IconData(window_);
  return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

MenuItem* TrayIconWindow::TrackMenu(const PopupMenu& menu, Point at) {
  const ImageList* images = menu.Images();
  if (images != nullptr && images != picturesOf_) {
    menuPictures_ = std::make_unique<MenuPictures>(instance_, *images, MenusBlendPictures());
    picturesOf_ = images;
  }
  const OwnedMenu popup(CreatePopupMenu());
  if (!popup) throw PlatformError("The menu could not be created");
  const std::vector<std::u16string> captions = CaptionsWithAccelerators(menu);
  const std::vector<MenuItem*>& items = menu.Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    const std::wstring caption = Wide(captions[i]);
    if (items[i]->IsSeparator()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_ID | MIIM_STRING;
      // Ids start at 1: TrackPopupMenu returns 0 for no choice.
      info.wID = static_cast<UINT>(i + 1);
      info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
      if (menuPictures_ != nullptr && items[i]->ImageIndex() >= 0) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = menuPictures_->PictureAt(items[i]->ImageIndex());
      }
    }
    InsertMenuItemW(popup.get(), static_cast<UINT>(i), TRUE, &info);
  }
  // Without being in front the program would never see the click elsewhere that
  // should close the menu.
  SetForegroundWindow(window_);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                     at.x, at.y, 0, window_, nullptr));
  // The menu's own loop has ended; this makes the switch back to the other program
  // take effect at once.
  PostMessageW(window_, WM_NULL, 0, 0);
  if (chosen == 0 || chosen > items.size()) return nullptr;
  return items[chosen - 1];
}

void TrayIconWindow::Notified(LPARAM mouseMessage) {
  bool known = false;
  const TrayMouseEvent event = EventOf(mouseMessage, &known);
  if (!known) return;
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  icon_.Notify(event, {cursor.x, cursor.y});
}

LRESULT TrayIconWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) window_ = window;
  // Nothing may unwind through the system's frames; the icon reports what its
  // handlers let escape itself.
  try {
    if (message == kTrayCallbackMessage && wParam == kTrayIconId) {
      Notified(lParam);
      return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
      icon_.ShellRestarted();
      return 0;
    }
  } catch (const std::exception&) {
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tintara::win32
