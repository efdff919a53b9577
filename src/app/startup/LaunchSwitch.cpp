#include "app/startup/LaunchSwitch.h"

namespace tintara {
namespace {

bool BlankOrControl(char16_t c) {
  return c <= u' ';
}

// The position of the next argument's first character, or the end of the line.
std::size_t SkipToArgument(std::u16string_view line, std::size_t pos) {
  for (;;) {
    while (pos < line.size() && BlankOrControl(line[pos])) ++pos;
    if (pos + 1 < line.size() && line[pos] == u'"' && line[pos + 1] == u'"') {
      pos += 2;
    } else {
      return pos;
    }
  }
}

// Appends the argument starting at pos to `argument`; returns the position after it.
std::size_t ReadArgument(std::u16string_view line, std::size_t pos, std::u16string& argument) {
  while (pos < line.size() && !BlankOrControl(line[pos])) {
    if (line[pos] != u'"') {
      argument.push_back(line[pos++]);
      continue;
    }
    ++pos;
    while (pos < line.size() && line[pos] != u'"') argument.push_back(line[pos++]);
    if (pos < line.size()) ++pos;  // the closing quote
  }
  return pos;
}

}  // namespace

std::u16string CommandLineArgument(std::u16string_view commandLine, std::size_t index) {
  const std::u16string_view line = commandLine.substr(0, commandLine.find(u'\0'));
  std::size_t pos = 0;
  for (std::size_t i = 0;; ++i) {
    pos = SkipToArgument(line, pos);
    std::u16string argument;
    pos = ReadArgument(line, pos, argument);
    if (i == index) return argument;
    if (pos == line.size()) return {};
  }
}

std::u16string LowerCaseAsciiLetters(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lower;
}

bool HasLaunchSwitch(std::u16string_view commandLine) {
  return LowerCaseAsciiLetters(CommandLineArgument(commandLine, 1)) == kLaunchSwitch;
}

bool StartedWithLaunchSwitch(DesktopServices& desktop) {
  return HasLaunchSwitch(desktop.CommandLine());
}

}  // namespace tintara
