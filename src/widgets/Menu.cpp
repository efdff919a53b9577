#include "widgets/Menu.h"

#include <set>

namespace tintara {
namespace {

bool CanBeAccelerator(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

char16_t Folded(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

}  // namespace

std::vector<std::u16string> CaptionsWithAccelerators(const PopupMenu& menu) {
  std::vector<std::u16string> captions;
  std::set<char16_t> taken;
  for (const MenuItem* item : menu.Items()) {
    const std::u16string& caption = item->Caption();
    if (item->IsSeparator()) {
      captions.push_back(caption);
      continue;
    }
    std::u16string shown;
    bool marked = false;
    for (const char16_t c : caption) {
      if (c == u'&') {
        shown += u"&&";
        continue;
      }
      if (!marked && CanBeAccelerator(c) && taken.insert(Folded(c)).second) {
        shown.push_back(u'&');
        marked = true;
      }
      shown.push_back(c);
    }
    captions.push_back(std::move(shown));
  }
  return captions;
}

}  // namespace tintara
