#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace tintara::win32 {

// Registers each window class the first time a window of it is wanted and unregisters
// them all when it goes. The class is identified by name; a second request for the same
// name hands back the same atom, whatever style it asks for.
class WindowClassRegistry {
 public:
  explicit WindowClassRegistry(HINSTANCE instance) : instance_(instance) {}
  ~WindowClassRegistry();
  WindowClassRegistry(const WindowClassRegistry&) = delete;
  WindowClassRegistry& operator=(const WindowClassRegistry&) = delete;

  // Throws PlatformError when the system refuses the class.
  ATOM Ensure(const std::wstring& name, UINT style, WNDPROC procedure, HICON icon = nullptr);

  HINSTANCE instance() const { return instance_; }

 private:
  HINSTANCE instance_;
  std::map<std::wstring, ATOM> registered_;
};

}  // namespace tintara::win32
