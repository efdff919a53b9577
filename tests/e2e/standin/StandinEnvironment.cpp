#include "StandinEnvironment.h"

#include <cwchar>

#include "StandinHandles.h"

namespace standin {

std::wstring EnvironmentText(const wchar_t* name) {
  const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed == 0) return {};
  std::wstring value(needed, L'\0');
  const DWORD copied = GetEnvironmentVariableW(name, value.data(), needed);
  value.resize(copied < needed ? copied : 0);
  return value;
}

DWORD EnvironmentNumber(const wchar_t* name, DWORD fallback) {
  const std::wstring text = EnvironmentText(name);
  if (text.empty()) return fallback;
  wchar_t* end = nullptr;
  const unsigned long value = std::wcstoul(text.c_str(), &end, 10);
  return (end != nullptr && *end == L'\0') ? static_cast<DWORD>(value) : fallback;
}

std::wstring ToWindowsPath(std::wstring path) {
  if (path.empty() || path.front() != L'/') return path;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + path;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), needed, nullptr, nullptr);
  }
  return result;
}

void AppendLogLine(const std::string& line) {
  const std::wstring path = ToWindowsPath(EnvironmentText(kLogVariable));
  if (path.empty()) return;
  const FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace standin
