#include "widgets/win32/NativeChildren.h"

#include <string>

#include "platform/PlatformError.h"
#include "widgets/CheckBox.h"
#include "widgets/Memo.h"
#include "widgets/win32/TextConversion.h"

namespace tintara::win32 {

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
  const int id = nextId_++;
  if (control.Kind() == ControlKind::Memo) {
    auto memo = std::make_unique<MemoWindow>(parent_, id, static_cast<const Memo&>(control),
                                             classes_, bounds);
    const HWND window = memo->Window();
    children_.emplace_back(&control, Child{window, std::move(memo)});
    return children_.back().second;
  }
  if (control.Kind() != ControlKind::CheckBox) {
    throw PlatformError("The control has no native window");
  }
  const HWND window = CreateWindowExW(
      0, L"BUTTON", L"", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, bounds.left, bounds.top,
      bounds.width, bounds.height, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE)), nullptr);
  if (window == nullptr) throw PlatformError("The control's window could not be created");
  children_.emplace_back(&control, Child{window, nullptr});
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

void NativeChildren::SyncMemo(Control& /*control*/, Child& child) {
  // The window reads the lines from the memo itself, only those it has not laid out.
  child.memo->LinesChanged();
}

}  // namespace tintara::win32
