#include "DialogWatcher.h"

#include <string>

namespace tintara::test {
namespace {

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

DialogWatcher::DialogWatcher(DWORD watchedThread, std::function<void(HWND dialog)> answer)
    : thread_([this, watchedThread, answer = std::move(answer)] {
        while (!stop_) {
          HWND dialog = nullptr;
          EnumThreadWindows(watchedThread, FindDialog, reinterpret_cast<LPARAM>(&dialog));
          if (dialog != nullptr) {
            // Give the dialog a moment to finish its initialisation.
            Sleep(200);
            answer(dialog);
            answered_ = dialog;
            return;
          }
          Sleep(20);
        }
      }) {}

DialogWatcher::~DialogWatcher() {
  stop_ = true;
  thread_.join();
}

void PressDialogButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND DialogItem(HWND dialog, int id) {
  return GetDlgItem(dialog, id);
}

}  // namespace tintara::test
