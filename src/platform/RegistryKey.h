#pragma once

#include <string_view>

#include "platform/DesktopServices.h"

namespace tintara {

// An opened per-user registry key, closed when the object goes. A key that could not
// be opened is still an object: it finds no value and refuses every change, which is
// exactly how the program treats a missing key.
class RegistryKey {
 public:
  // Opens the key under HKEY_CURRENT_USER for full access, never creating it.
  static RegistryKey OpenUser(DesktopServices& desktop, std::u16string_view path);

  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() { Close(); }

  bool IsOpen() const { return handle_ != 0; }
  bool ValueExists(std::u16string_view name) const;
  // Stores the text as REG_SZ; false when refused or when the key is not open.
  bool SetString(std::u16string_view name, std::u16string_view data);
  // False when the value is absent, the delete is refused, or the key is not open.
  bool DeleteValue(std::u16string_view name);

 private:
  RegistryKey(DesktopServices& desktop, RegistryKeyHandle handle)
      : desktop_(&desktop), handle_(handle) {}
  void Close();

  DesktopServices* desktop_;
  RegistryKeyHandle handle_;
};

}  // namespace tintara
