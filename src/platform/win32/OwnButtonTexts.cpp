#include "platform/win32/OwnButtonTexts.h"

namespace tintara {
namespace {

// Renames the buttons of the first dialog that finishes its WM_INITDIALOG on this
// thread while the object lives: the box MessageBoxW makes. A hook sees the dialog
// whether or not it becomes active (a box of a program in the background may not),
// and after WM_INITDIALOG the system has put its own texts in, so ours stay.
class ButtonTextHook {
 public:
  ButtonTextHook()
      : outer_(current_),
        hook_(SetWindowsHookExW(WH_CALLWNDPROCRET, &Procedure, nullptr, GetCurrentThreadId())) {
    current_ = this;
  }
  ~ButtonTextHook() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    current_ = outer_;
  }
  ButtonTextHook(const ButtonTextHook&) = delete;
  ButtonTextHook& operator=(const ButtonTextHook&) = delete;

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam) {
    // Only the innermost box of this thread is renamed by its own hook; an outer hook
    // has done its box already.
    ButtonTextHook* self = current_;
    if (code == HC_ACTION && self != nullptr && !self->done_) {
      const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
      if (message->message == WM_INITDIALOG && IsMessageBoxDialog(message->hwnd)) {
        self->done_ = true;
        Rename(message->hwnd);
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static bool IsMessageBoxDialog(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
  }

  static void Rename(HWND box) {
    if (HWND yes = GetDlgItem(box, IDYES)) SetWindowTextW(yes, L"&Yes");
    if (HWND no = GetDlgItem(box, IDNO)) SetWindowTextW(no, L"&No");
    if (HWND ok = GetDlgItem(box, IDOK)) SetWindowTextW(ok, L"OK");
  }

  // The hook that is on top for this thread; each box's call makes its own, so a box
  // opened while another one is up (a timer tick's error report) is renamed too.
  static thread_local ButtonTextHook* current_;

  ButtonTextHook* outer_;
  HHOOK hook_;
  bool done_ = false;
};

thread_local ButtonTextHook* ButtonTextHook::current_ = nullptr;

}  // namespace

int MessageBoxWithOwnButtonTexts(HWND owner, const wchar_t* text, const wchar_t* caption,
                                 UINT style) {
  const ButtonTextHook hook;
  return MessageBoxW(owner, text, caption, style);
}

}  // namespace tintara
