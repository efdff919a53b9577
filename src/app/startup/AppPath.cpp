#include "app/startup/AppPath.h"

namespace tintara {

std::u16string AppFolderFromModulePath(std::u16string_view modulePath) {
  const std::size_t last = modulePath.find_last_of(u"\\:");
  std::u16string folder(last == std::u16string_view::npos ? std::u16string_view()
                                                          : modulePath.substr(0, last + 1));
  if (folder.empty() || folder.back() != u'\\') folder.push_back(u'\\');
  return folder;
}

}  // namespace tintara
