#include "widgets/Memo.h"

namespace tintara {

void Memo::Append(std::u16string_view line) {
  lines_.Append(line);
  Invalidate();
}

void Memo::Clear() {
  lines_.Clear();
  Invalidate();
}

}  // namespace tintara
