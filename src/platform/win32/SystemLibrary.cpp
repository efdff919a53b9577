#include "platform/win32/SystemLibrary.h"

#include <windows.h>

#include <vector>

namespace tintara::win32 {

std::wstring SystemLibraryPath(const wchar_t* fileName) {
  std::vector<wchar_t> folder(MAX_PATH);
  UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {  // too small: the result is the size needed
    folder.resize(length + 1);
    length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  }
  if (length == 0 || length >= folder.size()) return {};
  std::wstring path(folder.data(), length);
  if (path.back() != L'\\') path += L'\\';
  return path + fileName;
}

}  // namespace tintara::win32
