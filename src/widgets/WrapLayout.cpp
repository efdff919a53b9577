#include "widgets/WrapLayout.h"

#include <algorithm>

namespace tintara {
namespace {

bool IsBlank(char16_t unit) {
  return unit == u' ' || unit == u'\t';
}

}  // namespace

void WrapRows(std::u16string_view text, int width, const UnitWidth& widthOf,
              std::vector<std::size_t>& starts) {
  starts.assign(1, 0);
  if (width < 1) return;
  std::size_t rowStart = 0;
  // Just after the last blank of the row, where the row may end; 0: none yet.
  std::size_t breakAfter = 0;
  int x = 0;
  int sinceBreak = 0;  // width of the units after that blank
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int w = widthOf(text[i]);
    if (IsBlank(text[i])) {
      x += w;
      breakAfter = i + 1;
      sinceBreak = 0;
      continue;
    }
    while (x + w > width && i > rowStart) {
      if (breakAfter > rowStart) {
        // The word moves down whole; it may still be too wide, then it is cut too.
        rowStart = breakAfter;
        x = sinceBreak;
      } else {
        rowStart = i;
        x = 0;
        sinceBreak = 0;
      }
      breakAfter = 0;
      starts.push_back(rowStart);
    }
    x += w;
    sinceBreak += w;
  }
}

std::size_t ColumnAt(std::u16string_view row, int x, const UnitWidth& widthOf) {
  int left = 0;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int w = widthOf(row[i]);
    // Past the middle of a unit, the boundary after it is nearer.
    if (x < left + (w + 1) / 2) return i;
    left += w;
  }
  return row.size();
}

void RowIndex::AppendLine(std::uint32_t rows) {
  ends_.push_back(Rows() + rows);
}

void RowIndex::Clear() {
  ends_.clear();
  ends_.shrink_to_fit();
}

std::pair<std::size_t, std::size_t> RowIndex::LineOfRow(std::uint64_t row) const {
  if (row >= Rows()) row = Rows() - 1;
  // The first line whose running total passes the row.
  const auto it = std::upper_bound(ends_.begin(), ends_.end(), row);
  const auto line = static_cast<std::size_t>(it - ends_.begin());
  return {line, static_cast<std::size_t>(row - FirstRow(line))};
}

}  // namespace tintara
