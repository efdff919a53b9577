#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace tintara {

// A place in the lines: the line and the UTF-16 unit before which it lies.
struct TextPosition {
  std::size_t line = 0;
  std::size_t column = 0;
  friend auto operator<=>(const TextPosition&, const TextPosition&) = default;
};

// Lines of text that grow only at the end, as a log does, for runs of weeks. They are
// packed one after another: a line whose UTF-16 units all lie below 0x100 takes one
// byte per unit, any other two. Storage grows in small blocks, so adding a line costs
// the same however many there are, and nothing already stored is ever copied again.
class TextLines {
 public:
  std::size_t Count() const { return starts_.size(); }
  bool Empty() const { return starts_.empty(); }
  // Length of a line in UTF-16 units.
  std::size_t Length(std::size_t line) const;
  std::u16string Line(std::size_t line) const;
  // The line into `out` (replacing what it held), reusing its storage.
  void CopyLine(std::size_t line, std::u16string& out) const;

  void Append(std::u16string_view line);
  void Clear();

  // The text from one place to another (in either order, each clamped to the text),
  // lines joined by CR LF.
  std::u16string TextBetween(TextPosition a, TextPosition b) const;
  // All lines joined by CR LF.
  std::u16string Text() const;

 private:
  // Bit 63 of a start marks a line of two-byte units; the rest is its first byte.
  static constexpr std::uint64_t kWide = std::uint64_t{1} << 63;
  std::uint64_t Begin(std::size_t line) const { return starts_[line] & ~kWide; }
  std::uint64_t End(std::size_t line) const;
  bool Wide(std::size_t line) const { return (starts_[line] & kWide) != 0; }
  // Units [from, to) of a line, appended to `out`.
  void AppendUnits(std::size_t line, std::size_t from, std::size_t to, std::u16string& out) const;

  std::deque<std::uint8_t> bytes_;
  std::deque<std::uint64_t> starts_;
};

}  // namespace tintara
