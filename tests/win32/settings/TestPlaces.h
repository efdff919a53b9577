#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tintara::test {

// Text shared with the system calls and the services alike.
inline std::wstring Wide(std::u16string_view text) {
  return {text.begin(), text.end()};
}
inline std::u16string Utf16(std::wstring_view text) {
  return {text.begin(), text.end()};
}

// A folder of its own under the temporary folder, removed with everything in it
// (read-only files included) when the test ends.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path ending in "\".
  const std::wstring& Path() const { return path_; }
  std::wstring File(std::wstring_view name) const { return path_ + std::wstring(name); }

 private:
  std::wstring path_;
};

std::vector<char> ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, std::string_view bytes);

// A registry key opened with the system calls, closed on every path.
class UniqueKey {
 public:
  UniqueKey() = default;
  explicit UniqueKey(HKEY key) : key_(key) {}
  UniqueKey(UniqueKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  UniqueKey& operator=(UniqueKey&& other) noexcept;
  UniqueKey(const UniqueKey&) = delete;
  UniqueKey& operator=(const UniqueKey&) = delete;
  ~UniqueKey() { Reset(); }

  HKEY get() const { return key_; }
  HKEY* out() {
    Reset();
    return &key_;
  }
  void Reset();

 private:
  HKEY key_ = nullptr;
};

// A key of its own under HKEY_CURRENT_USER\Software\TintaraTests, deleted with its
// values and subkeys when the test ends; the tests never touch the real start-up list.
class TestRegistryPath {
 public:
  TestRegistryPath();
  ~TestRegistryPath();
  TestRegistryPath(const TestRegistryPath&) = delete;
  TestRegistryPath& operator=(const TestRegistryPath&) = delete;

  // Relative to HKEY_CURRENT_USER.
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// Type and raw bytes of a value as RegQueryValueExW reports them.
struct RawValue {
  LONG status = ERROR_FILE_NOT_FOUND;
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
};
RawValue QueryRawValue(const std::wstring& keyPath, const std::wstring& name);

}  // namespace tintara::test
