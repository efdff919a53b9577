#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace tintara {

// The advance of one UTF-16 unit in pixels, in the font the text is shown in.
using UnitWidth = std::function<int(char16_t unit)>;

// Where the rows of one line begin when it is wrapped at `width` pixels, the way an
// edit control wraps: a row ends after the last blank that still fits (blanks may hang
// past the edge), a word wider than a whole row is cut before the first unit that does
// not fit, and every row holds at least one unit. An empty line is one row; a width
// below 1 wraps nothing. `starts` receives the first unit of each row, 0 first.
void WrapRows(std::u16string_view text, int width, const UnitWidth& widthOf,
              std::vector<std::size_t>& starts);

// The unit boundary in `row` nearest to x pixels from its left edge (0 .. size).
std::size_t ColumnAt(std::u16string_view row, int x, const UnitWidth& widthOf);

// How many rows each wrapped line takes, kept as running totals, so the line that
// holds a row is found by binary search and adding a line costs the same however many
// there are.
class RowIndex {
 public:
  void AppendLine(std::uint32_t rows);
  void Clear();
  std::size_t Lines() const { return ends_.size(); }
  std::uint64_t Rows() const { return ends_.empty() ? 0 : ends_.back(); }
  // The rows of the lines before this one.
  std::uint64_t FirstRow(std::size_t line) const { return line == 0 ? 0 : ends_[line - 1]; }
  // The line that holds the row, and the row's place within that line. Rows past the
  // end give the last row; call only when there is a line.
  std::pair<std::size_t, std::size_t> LineOfRow(std::uint64_t row) const;

 private:
  std::deque<std::uint64_t> ends_;
};

}  // namespace tintara
