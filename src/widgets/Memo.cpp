#include "widgets/Memo.h"

namespace tintara {

void Memo::Append(std::u16string line) {
  lines_.push_back(std::move(line));
  Invalidate();
}

void Memo::Clear() {
  lines_.clear();
  Invalidate();
}

}  // namespace tintara
