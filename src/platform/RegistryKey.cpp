#include "platform/RegistryKey.h"

#include <utility>

namespace tintara {

RegistryKey RegistryKey::OpenUser(DesktopServices& desktop, std::u16string_view path) {
  return RegistryKey(desktop, desktop.OpenUserKey(path));
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : desktop_(other.desktop_), handle_(std::exchange(other.handle_, 0)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    desktop_ = other.desktop_;
    handle_ = std::exchange(other.handle_, 0);
  }
  return *this;
}

bool RegistryKey::ValueExists(std::u16string_view name) const {
  return IsOpen() && desktop_->RegistryValueExists(handle_, name);
}

bool RegistryKey::SetString(std::u16string_view name, std::u16string_view data) {
  return IsOpen() && desktop_->SetRegistryString(handle_, name, data);
}

bool RegistryKey::DeleteValue(std::u16string_view name) {
  return IsOpen() && desktop_->DeleteRegistryValue(handle_, name);
}

void RegistryKey::Close() {
  if (handle_ != 0) desktop_->CloseRegistryKey(std::exchange(handle_, 0));
}

}  // namespace tintara
