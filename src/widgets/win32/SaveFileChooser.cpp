#include "widgets/win32/SaveFileChooser.h"

#include <algorithm>
#include <vector>

#include "platform/PlatformError.h"

namespace tintara::win32 {
namespace {

// Long paths are allowed by the dialog; 32767 is the most any path can hold.
constexpr std::size_t kPathCapacity = 32768;

}  // namespace

std::wstring NativeFileFilter(std::wstring_view filter) {
  std::wstring native(filter);
  for (wchar_t& character : native) {
    if (character == L'|') character = L'\0';
  }
  native.push_back(L'\0');
  native.push_back(L'\0');
  return native;
}

std::optional<std::wstring> ChooseSaveFileModal(CommonDialogLibrary& dialogs, HWND owner,
                                                std::wstring_view filter,
                                                std::wstring_view defaultExtension,
                                                std::wstring_view fileName) {
  const std::wstring nativeFilter = NativeFileFilter(filter);
  const std::wstring extension(defaultExtension);
  std::vector<wchar_t> path(kPathCapacity, L'\0');
  fileName.copy(path.data(), std::min(fileName.size(), path.size() - 1));

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = nativeFilter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (dialogs.ShowSaveDialog(dialog)) return std::wstring(path.data());
  if (dialogs.ExtendedError() != 0) throw PlatformError("The save dialog could not be opened");
  return std::nullopt;
}

}  // namespace tintara::win32
