#include "TestPlaces.h"

#include <string>

namespace tintara::test {
namespace {

// Process id and a high-resolution tick: no two places of one run, nor of two runs
// side by side, get the same name.
std::wstring UniqueSuffix() {
  LARGE_INTEGER tick{};
  QueryPerformanceCounter(&tick);
  return std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(tick.QuadPart);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + L"\\");
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
}

constexpr wchar_t kTestRoot[] = L"Software\\TintaraTests";

}  // namespace

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  path_ = std::wstring(temp) + L"tintara-settings-" + UniqueSuffix() + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  RemoveTree(path_);
}

std::vector<char> ReadFileBytes(const std::wstring& path) {
  std::vector<char> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
    bytes.insert(bytes.end(), chunk, chunk + read);
  }
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

UniqueKey& UniqueKey::operator=(UniqueKey&& other) noexcept {
  if (this != &other) {
    Reset();
    key_ = other.key_;
    other.key_ = nullptr;
  }
  return *this;
}

void UniqueKey::Reset() {
  if (key_ != nullptr) RegCloseKey(key_);
  key_ = nullptr;
}

TestRegistryPath::TestRegistryPath() : path_(std::wstring(kTestRoot) + L"\\Run-" + UniqueSuffix()) {
  UniqueKey key;
  RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  key.out(), nullptr);
}

TestRegistryPath::~TestRegistryPath() {
  RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
  // The common parent goes when no other test run still uses it.
  RegDeleteKeyW(HKEY_CURRENT_USER, kTestRoot);
}

RawValue QueryRawValue(const std::wstring& keyPath, const std::wstring& name) {
  RawValue value;
  UniqueKey key;
  value.status = RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.out());
  if (value.status != ERROR_SUCCESS) return value;
  DWORD size = 0;
  value.status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size);
  if (value.status != ERROR_SUCCESS) return value;
  value.bytes.resize(size);
  value.status =
      RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
  value.bytes.resize(size);
  return value;
}

}  // namespace tintara::test
