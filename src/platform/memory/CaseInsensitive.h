#pragma once

#include <algorithm>
#include <string_view>

namespace tintara {

// Names of profile sections and keys, registry keys and values, and file paths are
// compared without regard to letter case on the desktop; the in-memory desktop folds
// the Latin letters, which is all its scenes use.
inline char16_t FoldCase(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

inline bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
  }
};

}  // namespace tintara
