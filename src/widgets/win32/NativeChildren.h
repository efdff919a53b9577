#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "widgets/Control.h"
#include "widgets/win32/GdiResources.h"
#include "widgets/win32/MemoWindow.h"
#include "widgets/win32/WindowClassRegistry.h"

namespace tintara::win32 {

// The native child windows that realise a form's check boxes (themed BUTTON,
// BS_AUTOCHECKBOX) and memos (MemoWindow). The form's window owns them: they go when it
// is destroyed.
class NativeChildren {
 public:
  NativeChildren(HWND parent, GdiResources& resources, WindowClassRegistry& classes)
      : parent_(parent), resources_(resources), classes_(classes) {}
  NativeChildren(const NativeChildren&) = delete;
  NativeChildren& operator=(const NativeChildren&) = delete;

  // Makes the windows for every native control in the tree below `root`.
  void CreateAll(Control& root);
  // Creates the control's window if it has none yet, then brings it in line with the
  // control's caption, state, text, font, bounds, visibility and enabling.
  void Sync(Control& control);

  // The control a child window realises; nullptr for windows this object did not make.
  Control* ControlOf(HWND child) const;
  HWND WindowOf(const Control& control) const;
  // The windows of the controls that show now, for leaving them out of the parent's
  // painting.
  // In the order they were made.
  template <typename Visit>
  void ForEachShowing(Visit visit) const {
    for (const auto& [control, child] : children_) {
      if (IsWindowVisible(child.window)) visit(*control, child.window);
    }
  }

  // The state a check box's window shows now.
  static bool IsChecked(HWND child);

 private:
  struct Child {
    HWND window = nullptr;
    // A memo's window object.
    std::unique_ptr<MemoWindow> memo;
  };

  Child* Find(const Control& control);
  Child& Create(Control& control);
  void SyncCheckBox(Control& control, Child& child);
  void SyncMemo(Control& control, Child& child);

  HWND parent_;
  GdiResources& resources_;
  WindowClassRegistry& classes_;
  int nextId_ = 100;
  // In creation order, which is the tree's order.
  std::vector<std::pair<Control*, Child>> children_;
};

}  // namespace tintara::win32
