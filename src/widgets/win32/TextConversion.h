#pragma once

#include <string>
#include <string_view>

namespace tintara::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is shared with the system as is");

// The toolkit keeps text as UTF-16 in char16_t; the system takes the same units as
// wchar_t.
inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string Utf16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace tintara::win32
