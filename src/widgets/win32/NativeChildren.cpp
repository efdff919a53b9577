#include "widgets/win32/NativeChildren.h"

#include <string>

#include "platform/PlatformError.h"
#include "widgets/CheckBox.h"
#include "widgets/Memo.h"
#include "widgets/win32/TextConversion.h"

namespace tintara::win32 {
namespace {

std::wstring MemoText(const Memo& memo, std::size_t from) {
  std::wstring text;
  for (std::size_t i = from; i < memo.Lines().Count(); ++i) {
    if (i > 0) text += L"\r\n";
    text += Wide(memo.Lines().Line(i));
  }
  return text;
}

}  // namespace

void NativeChildren::CreateAll(Control& root) {
  for (Control* child : root.Children()) {
    if (child->IsNative()) Sync(*child);
    CreateAll(*child);
  }
}

Control* NativeChildren::ControlOf(HWND child) const {
  for (const auto& [control, realised] : children_) {
    if (realised.window == child) return control;
  }
  return nullptr;
}

HWND NativeChildren::WindowOf(const Control& control) const {
  for (const auto& [realised, child] : children_) {
    if (realised == &control) return child.window;
  }
  return nullptr;
}

NativeChildren::Child* NativeChildren::Find(const Control& control) {
  for (auto& [realised, child] : children_) {
    if (realised == &control) return &child;
  }
  return nullptr;
}

bool NativeChildren::IsChecked(HWND child) {
  return SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

NativeChildren::Child& NativeChildren::Create(Control& control) {
  const Rect bounds = control.BoundsOnForm();
  DWORD style = WS_CHILD | WS_TABSTOP;
  DWORD exStyle = 0;
  const wchar_t* windowClass = nullptr;
  if (control.Kind() == ControlKind::CheckBox) {
    windowClass = L"BUTTON";
    style |= BS_AUTOCHECKBOX;
  } else if (control.Kind() == ControlKind::Memo) {
    windowClass = L"EDIT";
    exStyle = WS_EX_CLIENTEDGE;
    style |= WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  } else {
    throw PlatformError("The control has no native window");
  }
  const HWND window = CreateWindowExW(
      exStyle, windowClass, L"", style, bounds.left, bounds.top, bounds.width, bounds.height,
      parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE)), nullptr);
  if (window == nullptr) throw PlatformError("The control's window could not be created");
  // No length limit: the log grows for the whole run.
  if (control.Kind() == ControlKind::Memo) SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
  children_.emplace_back(&control, Child{window, 0});
  return children_.back().second;
}

void NativeChildren::Sync(Control& control) {
  if (!control.IsNative()) return;
  Child* found = Find(control);
  Child& child = found != nullptr ? *found : Create(control);
  const HWND window = child.window;

  const Rect bounds = control.BoundsOnForm();
  RECT current{};
  GetWindowRect(window, &current);
  MapWindowPoints(HWND_DESKTOP, parent_, reinterpret_cast<POINT*>(&current), 2);
  if (current.left != bounds.left || current.top != bounds.top ||
      current.right - current.left != bounds.width ||
      current.bottom - current.top != bounds.height) {
    SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  HFONT font = nullptr;
  try {
    font = resources_.FontFor(control.GetFont());
  } catch (const PlatformError&) {
    font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  if (reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) != font) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (control.Kind() == ControlKind::CheckBox) SyncCheckBox(control, child);
  if (control.Kind() == ControlKind::Memo) SyncMemo(control, child);
  if ((IsWindowEnabled(window) != FALSE) != control.Enabled()) {
    EnableWindow(window, control.Enabled() ? TRUE : FALSE);
  }
  // The style bit, not IsWindowVisible: while the form is hidden every child counts as
  // invisible, yet must keep the state it shows in once the form appears.
  const bool showing = control.Showing();
  const bool shown = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != showing) {
    ShowWindow(window, showing ? SW_SHOWNA : SW_HIDE);
  }
}

void NativeChildren::SyncCheckBox(Control& control, Child& child) {
  const auto& box = static_cast<const CheckBox&>(control);
  const std::wstring caption = Wide(box.Caption());
  const int length = GetWindowTextLengthW(child.window);
  std::wstring shown(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(child.window, shown.data(), length + 1);
  shown.resize(static_cast<std::size_t>(length));
  if (shown != caption) SetWindowTextW(child.window, caption.c_str());
  // BM_SETCHECK sends no BN_CLICKED, so this cannot come back as a click.
  if (IsChecked(child.window) != box.Checked()) {
    SendMessageW(child.window, BM_SETCHECK, box.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void NativeChildren::SyncMemo(Control& control, Child& child) {
  const auto& memo = static_cast<const Memo&>(control);
  const std::size_t lines = memo.Lines().Count();
  if (lines < child.linesShown || child.linesShown == 0) {
    // Cleared, or never filled: the whole text anew.
    SetWindowTextW(child.window, MemoText(memo, 0).c_str());
  } else if (lines > child.linesShown) {
    // Only what is new, at the end, so the user's scrolling position and the edit
    // control's undo are disturbed as little as possible. The text starts with the
    // line break that ends the last line shown.
    const std::wstring added = MemoText(memo, child.linesShown);
    const int end = GetWindowTextLengthW(child.window);
    SendMessageW(child.window, EM_SETSEL, end, end);
    SendMessageW(child.window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  }
  child.linesShown = lines;
}

}  // namespace tintara::win32
