#include "engine/ApplicationTitle.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace tintara {
namespace {

struct LowerCaseRun {
  std::uint32_t first;
  std::uint32_t last;
  std::uint32_t step;
  std::int32_t delta;
};

constexpr LowerCaseRun kLowerCaseRuns[] = {
#include "engine/LowerCaseTable.inc"
};

char32_t LowerCase(char32_t c) {
  // The last run that starts at or before c.
  const auto* run =
      std::upper_bound(std::begin(kLowerCaseRuns), std::end(kLowerCaseRuns), c,
                       [](char32_t code, const LowerCaseRun& r) { return code < r.first; });
  if (run == std::begin(kLowerCaseRuns)) return c;
  --run;
  if (c > run->last || (c - run->first) % run->step != 0) return c;
  return static_cast<char32_t>(static_cast<std::int32_t>(c) + run->delta);
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(c));
  }
}

}  // namespace

std::u16string LowerCaseText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    // An unpaired surrogate is kept as it is.
    AppendUtf16(out, LowerCase(c));
  }
  return out;
}

std::u16string ApplicationTitleFromPath(std::u16string_view modulePath) {
  const std::size_t slash = modulePath.find_last_of(u"\\/:");
  std::u16string_view name =
      slash == std::u16string_view::npos ? modulePath : modulePath.substr(slash + 1);
  name = name.substr(0, name.find(u'.'));
  if (name.empty()) return {};
  // The first character stays as it is, also when it takes two UTF-16 units.
  const bool pair = name.size() > 1 && name[0] >= 0xD800 && name[0] <= 0xDBFF &&
                    name[1] >= 0xDC00 && name[1] <= 0xDFFF;
  const std::size_t head = pair ? 2 : 1;
  return std::u16string(name.substr(0, head)) + LowerCaseText(name.substr(head));
}

}  // namespace tintara
