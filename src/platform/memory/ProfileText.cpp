#include "platform/memory/ProfileText.h"

#include <vector>

#include "platform/memory/CaseInsensitive.h"

namespace tintara {
namespace {

std::u16string_view Trim(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::u16string_view> Lines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(u'\n');
    std::u16string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::u16string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The section a "[name]" line opens, or nullopt for any other line.
std::optional<std::u16string_view> SectionName(std::u16string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != u'[') return std::nullopt;
  line.remove_prefix(1);
  return Trim(line.substr(0, line.find(u']')));
}

struct Entry {
  std::u16string_view name;
  std::u16string_view value;
};

// A line inside a section; blank lines and ";" comments hold no entry.
std::optional<Entry> EntryOf(std::u16string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == u';') return std::nullopt;
  const std::size_t equals = line.find(u'=');
  if (equals == std::u16string_view::npos) return Entry{line, {}};
  std::u16string_view value = Trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return Entry{Trim(line.substr(0, equals)), value};
}

// Index of the header line of the first section of that name, or lines.size().
std::size_t FindSection(const std::vector<std::u16string_view>& lines,
                        std::u16string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (name && EqualIgnoringCase(*name, section)) return i;
  }
  return lines.size();
}

// "name=value"; built by appending, which also keeps GCC 12's -Wrestrict quiet.
std::u16string EntryLine(std::u16string_view name, std::u16string_view value) {
  std::u16string line;
  line.reserve(name.size() + 1 + value.size());
  line.append(name).append(u"=").append(value);
  return line;
}

std::u16string HeaderLine(std::u16string_view section) {
  std::u16string line;
  line.reserve(section.size() + 2);
  line.append(u"[").append(section).append(u"]");
  return line;
}

std::size_t SectionEnd(const std::vector<std::u16string_view>& lines, std::size_t header) {
  std::size_t i = header + 1;
  while (i < lines.size() && !SectionName(lines[i])) ++i;
  return i;
}

}  // namespace

std::optional<std::u16string> FindProfileValue(std::u16string_view text,
                                               std::u16string_view section,
                                               std::u16string_view key) {
  const auto lines = Lines(text);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) return std::nullopt;
  const std::size_t end = SectionEnd(lines, header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const auto entry = EntryOf(lines[i]);
    if (entry && EqualIgnoringCase(entry->name, key)) return std::u16string(entry->value);
  }
  return std::nullopt;
}

std::u16string WithProfileValue(std::u16string_view text, std::u16string_view section,
                                std::u16string_view key, std::u16string_view value) {
  std::vector<std::u16string> lines;
  for (const auto line : Lines(text)) lines.emplace_back(line);
  const std::vector<std::u16string_view> views(lines.begin(), lines.end());
  const std::u16string newLine = EntryLine(key, value);

  const std::size_t header = FindSection(views, section);
  if (header == views.size()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back(HeaderLine(section));
    lines.push_back(newLine);
  } else {
    const std::size_t end = SectionEnd(views, header);
    std::size_t insertAt = header + 1;
    bool replaced = false;
    for (std::size_t i = header + 1; i < end && !replaced; ++i) {
      const auto entry = EntryOf(views[i]);
      if (!entry) continue;
      if (EqualIgnoringCase(entry->name, key)) {
        lines[i] = EntryLine(entry->name, value);
        replaced = true;
      }
      insertAt = i + 1;
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
  }

  std::u16string result;
  for (const auto& line : lines) result.append(line).append(u"\r\n");
  return result;
}

}  // namespace tintara
