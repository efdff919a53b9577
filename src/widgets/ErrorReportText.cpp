#include "widgets/ErrorReportText.h"

namespace tintara {

std::u16string ErrorReportText(std::u16string_view message) {
  std::u16string text(message);
  if (!text.empty() && text.back() > u'.') text.push_back(u'.');
  return text;
}

}  // namespace tintara
