#include "MessageBoxWatcher.h"

namespace tintara::test {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  // Sent across threads: the owner answers while its modal loop runs.
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                      nullptr);
  return text;
}

BOOL CALLBACK CollectDialogs(HWND window, LPARAM param) {
  if (IsWindowVisible(window) && ClassOf(window) == L"#32770") {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int press)
    : ownerThread_(GetCurrentThreadId()), press_(press), thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenBox> MessageBoxWatcher::Seen() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

void MessageBoxWatcher::Run() {
  while (!stop_) {
    std::vector<HWND> dialogs;
    EnumThreadWindows(ownerThread_, CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
    for (HWND box : dialogs) {
      if (answered_.insert(box).second) Answer(box);
    }
    // Handles of boxes that are gone may be handed out again.
    for (auto it = answered_.begin(); it != answered_.end();) {
      it = IsWindow(*it) ? std::next(it) : answered_.erase(it);
    }
    Sleep(10);
  }
}

void MessageBoxWatcher::Answer(HWND box) {
  SeenBox seen;
  seen.caption = TextOf(box);
  std::vector<HWND> children;
  EnumChildWindows(box, CollectChildren, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    const std::wstring kind = ClassOf(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      if (!IsWindowVisible(child)) continue;
      seen.buttons.push_back(TextOf(child));
      if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = GetDlgCtrlID(child);
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
      DWORD_PTR icon = 0;
      SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_BLOCK, 2000, &icon);
      seen.icon = reinterpret_cast<HICON>(icon);
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
      const std::wstring text = TextOf(child);
      if (!text.empty()) seen.text = text;
    }
  }
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    seen_.push_back(std::move(seen));
  }
  if (press_ != kPressEnter) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(press_, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, press_)));
    return;
  }
  // Enter goes to the control with the focus, as the keyboard would deliver it; the
  // box's own message loop turns it into a press of the default button.
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND target = GetGUIThreadInfo(ownerThread_, &info) && info.hwndFocus ? info.hwndFocus : box;
  PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(target, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

}  // namespace tintara::test
