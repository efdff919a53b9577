#include "engine/ApplicationTitle.h"

namespace tintara {
namespace {

char16_t LowerCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  // Latin-1 capitals, the only others an executable's name plausibly carries.
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return static_cast<char16_t>(c + 0x20);
  return c;
}

}  // namespace

std::u16string ApplicationTitleFromPath(std::u16string_view modulePath) {
  const std::size_t slash = modulePath.find_last_of(u"\\/:");
  std::u16string_view name =
      slash == std::u16string_view::npos ? modulePath : modulePath.substr(slash + 1);
  name = name.substr(0, name.find(u'.'));
  std::u16string title(name);
  for (std::size_t i = 1; i < title.size(); ++i) title[i] = LowerCase(title[i]);
  return title;
}

}  // namespace tintara
