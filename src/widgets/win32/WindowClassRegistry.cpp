#include "widgets/win32/WindowClassRegistry.h"

#include "platform/PlatformError.h"

namespace tintara::win32 {

WindowClassRegistry::~WindowClassRegistry() {
  for (const auto& [name, atom] : registered_) {
    UnregisterClassW(MAKEINTATOM(atom), instance_);
  }
}

ATOM WindowClassRegistry::Ensure(const std::wstring& name, UINT style, WNDPROC procedure,
                                 HICON icon) {
  if (const auto found = registered_.find(name); found != registered_.end()) return found->second;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name.c_str();
  const ATOM atom = RegisterClassExW(&windowClass);
  if (atom == 0) throw PlatformError("The window class could not be registered");
  registered_.emplace(name, atom);
  return atom;
}

}  // namespace tintara::win32
