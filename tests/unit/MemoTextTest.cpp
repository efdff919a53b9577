// The memo's text: lines packed as they are added, wrapping at a width, and the rows
// of wrapped lines found again by row number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/TextLines.h"
#include "widgets/WrapLayout.h"

namespace tintara {
namespace {

// Ten pixels a unit, so a row of 100 pixels holds ten.
int TenPixels(char16_t) {
  return 10;
}

std::vector<std::u16string> Rows(std::u16string_view text, int width) {
  std::vector<std::size_t> starts;
  WrapRows(text, width, TenPixels, starts);
  std::vector<std::u16string> rows;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
    rows.emplace_back(text.substr(starts[i], end - starts[i]));
  }
  return rows;
}

TEST(TextLines, KeepsNarrowAndWideLinesAndGivesTextBetweenPlaces) {
  TextLines lines;
  lines.Append(u"Intensity 70 - Color 00FF0000");
  lines.Append(u"");
  lines.Append(u"gr\u00FC\u00DF \u4E16\u754C \U0001F600");  // Latin-1, CJK, a surrogate pair
  lines.Append(u"last");
  ASSERT_EQ(lines.Count(), 4u);
  EXPECT_EQ(lines.Line(0), u"Intensity 70 - Color 00FF0000");
  EXPECT_EQ(lines.Length(1), 0u);
  EXPECT_EQ(lines.Line(2), u"gr\u00FC\u00DF \u4E16\u754C \U0001F600");
  EXPECT_EQ(lines.Length(2), 10u);
  EXPECT_EQ(lines.Line(3), u"last");

  EXPECT_EQ(lines.TextBetween({0, 15}, {0, 20}), u"Color");
  // Either order; across lines with CR LF; a place past the end is the end.
  EXPECT_EQ(lines.TextBetween({2, 5}, {0, 21}), u"00FF0000\r\n\r\ngr\u00FC\u00DF ");
  EXPECT_EQ(lines.TextBetween({3, 2}, {9, 0}), u"st");
  EXPECT_EQ(lines.Text(),
            u"Intensity 70 - Color 00FF0000\r\n\r\ngr\u00FC\u00DF \u4E16\u754C "
            u"\U0001F600\r\nlast");
  lines.Clear();
  EXPECT_TRUE(lines.Empty());
  EXPECT_EQ(lines.Text(), u"");
  lines.Append(u"again");
  EXPECT_EQ(lines.Text(), u"again");
}

TEST(WrapLayout, RowsEndAfterBlanksAndLongWordsAreCut) {
  EXPECT_EQ(Rows(u"", 100), (std::vector<std::u16string>{u""}));
  EXPECT_EQ(Rows(u"0123456789", 100), (std::vector<std::u16string>{u"0123456789"}));
  // The word that does not fit moves down whole, the blank stays behind.
  EXPECT_EQ(Rows(u"Color 00FF0000 - Color", 100),
            (std::vector<std::u16string>{u"Color ", u"00FF0000 - ", u"Color"}));
  // Blanks hang past the edge rather than starting a row.
  EXPECT_EQ(Rows(u"0123456789   x", 100), (std::vector<std::u16string>{u"0123456789   ", u"x"}));
  // A word wider than a row is cut, also after it moved down.
  EXPECT_EQ(Rows(u"abc 0123456789ABCDE", 100),
            (std::vector<std::u16string>{u"abc ", u"0123456789", u"ABCDE"}));
  // A row narrower than one unit still takes one; no width wraps nothing.
  EXPECT_EQ(Rows(u"abc", 5), (std::vector<std::u16string>{u"a", u"b", u"c"}));
  EXPECT_EQ(Rows(u"abc def", 0), (std::vector<std::u16string>{u"abc def"}));

  EXPECT_EQ(ColumnAt(u"abc", -3, TenPixels), 0u);
  EXPECT_EQ(ColumnAt(u"abc", 4, TenPixels), 0u);
  EXPECT_EQ(ColumnAt(u"abc", 5, TenPixels), 1u);
  EXPECT_EQ(ColumnAt(u"abc", 26, TenPixels), 3u);
  EXPECT_EQ(ColumnAt(u"abc", 500, TenPixels), 3u);
}

TEST(WrapLayout, TheRowIndexFindsTheLineOfEveryRow) {
  RowIndex index;
  for (std::uint32_t rows : {2u, 1u, 3u}) index.AppendLine(rows);
  EXPECT_EQ(index.Rows(), 6u);
  EXPECT_EQ(index.FirstRow(2), 3u);
  const std::vector<std::pair<std::size_t, std::size_t>> expected = {{0, 0}, {0, 1}, {1, 0},
                                                                     {2, 0}, {2, 1}, {2, 2}};
  for (std::uint64_t row = 0; row < 6; ++row) EXPECT_EQ(index.LineOfRow(row), expected[row]);
  EXPECT_EQ(index.LineOfRow(99), (std::pair<std::size_t, std::size_t>{2, 2}));
  index.Clear();
  EXPECT_EQ(index.Rows(), 0u);
}

}  // namespace
}  // namespace tintara
