#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/HandleCast.h"
#include "platform/win32/OwnButtonTexts.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using win32::FromNative;
using win32::ToNative;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is shared with the system as is");

// The system calls want terminated strings; views carry none.
std::wstring Terminated(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::u16string FromSystem(const wchar_t* text, std::size_t length) {
  return std::u16string(text, text + length);
}

UINT MessageBoxStyle(MessageIcon icon, MessageButtons buttons) {
  UINT style = MB_DEFBUTTON1;
  style |= buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  if (icon == MessageIcon::Warning) style |= MB_ICONWARNING;
  if (icon == MessageIcon::Error) style |= MB_ICONERROR;
  return style;
}

MessageAnswer AnswerFrom(int result) {
  switch (result) {
    case IDOK:
      return MessageAnswer::Ok;
    case IDYES:
      return MessageAnswer::Yes;
    case IDNO:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Closed;
  }
}

}  // namespace

std::u16string Win32Desktop::ReadProfileValue(std::u16string_view file, std::u16string_view section,
                                              std::u16string_view key,
                                              std::u16string_view defaultValue, int capacity) {
  if (capacity <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(capacity), L'\0');
  const DWORD copied = GetPrivateProfileStringW(
      Terminated(section).c_str(), Terminated(key).c_str(), Terminated(defaultValue).c_str(),
      buffer.data(), static_cast<DWORD>(capacity), Terminated(file).c_str());
  return FromSystem(buffer.data(), std::min<std::size_t>(copied, buffer.size() - 1));
}

bool Win32Desktop::WriteProfileValue(std::u16string_view file, std::u16string_view section,
                                     std::u16string_view key, std::u16string_view value) {
  return WritePrivateProfileStringW(Terminated(section).c_str(), Terminated(key).c_str(),
                                    Terminated(value).c_str(), Terminated(file).c_str()) != FALSE;
}

void Win32Desktop::FlushProfile(std::u16string_view file) {
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, Terminated(file).c_str());
}

RegistryKeyHandle Win32Desktop::OpenUserKey(std::u16string_view path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Terminated(path).c_str(), 0, KEY_ALL_ACCESS, &key) !=
      ERROR_SUCCESS) {
    return 0;
  }
  return FromNative(key);
}

bool Win32Desktop::RegistryValueExists(RegistryKeyHandle key, std::u16string_view name) {
  if (key == 0) return false;
  return RegQueryValueExW(ToNative<HKEY>(key), Terminated(name).c_str(), nullptr, nullptr, nullptr,
                          nullptr) == ERROR_SUCCESS;
}

bool Win32Desktop::SetRegistryString(RegistryKeyHandle key, std::u16string_view name,
                                     std::u16string_view data) {
  if (key == 0) return false;
  const std::wstring text = Terminated(data);
  // The stored data carries the terminating NUL that c_str() guarantees.
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(ToNative<HKEY>(key), Terminated(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Desktop::DeleteRegistryValue(RegistryKeyHandle key, std::u16string_view name) {
  if (key == 0) return false;
  return RegDeleteValueW(ToNative<HKEY>(key), Terminated(name).c_str()) == ERROR_SUCCESS;
}

void Win32Desktop::CloseRegistryKey(RegistryKeyHandle key) {
  if (key != 0) RegCloseKey(ToNative<HKEY>(key));
}

std::u16string Win32Desktop::ModuleFileName() {
  // A path longer than MAX_PATH is possible; grow until the name fits with its NUL.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return FromSystem(buffer.data(), length);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::u16string Win32Desktop::CommandLine() {
  const wchar_t* line = GetCommandLineW();
  return line == nullptr ? std::u16string() : FromSystem(line, std::wcslen(line));
}

MessageAnswer Win32Desktop::ShowMessageBox(std::u16string_view caption, std::u16string_view text,
                                           MessageIcon icon, MessageButtons buttons) {
  return AnswerFrom(MessageBoxWithOwnButtonTexts(GetActiveWindow(), Terminated(text).c_str(),
                                                 Terminated(caption).c_str(),
                                                 MessageBoxStyle(icon, buttons)));
}

}  // namespace tintara
