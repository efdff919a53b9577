#include "widgets/TextLines.h"

#include <algorithm>

namespace tintara {

std::uint64_t TextLines::End(std::size_t line) const {
  return line + 1 < starts_.size() ? Begin(line + 1) : bytes_.size();
}

std::size_t TextLines::Length(std::size_t line) const {
  const std::uint64_t bytes = End(line) - Begin(line);
  return static_cast<std::size_t>(Wide(line) ? bytes / 2 : bytes);
}

void TextLines::AppendUnits(std::size_t line, std::size_t from, std::size_t to,
                            std::u16string& out) const {
  to = std::min(to, Length(line));
  if (from >= to) return;
  const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(Begin(line));
  if (!Wide(line)) {
    out.append(begin + static_cast<std::ptrdiff_t>(from), begin + static_cast<std::ptrdiff_t>(to));
    return;
  }
  out.reserve(out.size() + (to - from));
  for (auto it = begin + static_cast<std::ptrdiff_t>(2 * from),
            end = begin + static_cast<std::ptrdiff_t>(2 * to);
       it != end; it += 2) {
    out.push_back(static_cast<char16_t>(it[0] | (it[1] << 8)));
  }
}

std::u16string TextLines::Line(std::size_t line) const {
  std::u16string out;
  CopyLine(line, out);
  return out;
}

void TextLines::CopyLine(std::size_t line, std::u16string& out) const {
  out.clear();
  AppendUnits(line, 0, Length(line), out);
}

void TextLines::Append(std::u16string_view line) {
  const bool wide =
      std::any_of(line.begin(), line.end(), [](char16_t unit) { return unit > 0xFF; });
  starts_.push_back(bytes_.size() | (wide ? kWide : 0));
  if (!wide) {
    bytes_.insert(bytes_.end(), line.begin(), line.end());
    return;
  }
  for (const char16_t unit : line) {
    bytes_.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
}

void TextLines::Clear() {
  bytes_.clear();
  starts_.clear();
  // A cleared log gives its memory back.
  bytes_.shrink_to_fit();
  starts_.shrink_to_fit();
}

std::u16string TextLines::TextBetween(TextPosition a, TextPosition b) const {
  std::u16string out;
  if (starts_.empty()) return out;
  if (b < a) std::swap(a, b);
  const std::size_t last = starts_.size() - 1;
  if (a.line > last) return out;
  if (b.line > last) b = {last, Length(last)};
  for (std::size_t line = a.line; line <= b.line; ++line) {
    if (line > a.line) out += u"\r\n";
    AppendUnits(line, line == a.line ? a.column : 0, line == b.line ? b.column : Length(line), out);
  }
  return out;
}

std::u16string TextLines::Text() const {
  if (starts_.empty()) return {};
  return TextBetween({0, 0}, {starts_.size() - 1, Length(starts_.size() - 1)});
}

}  // namespace tintara
