// Fuzzes the command-line splitter against a plain one-pass reference written from the
// splitting rules, and checks the launch switch test on top of it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup/LaunchSwitch.h"

namespace {

// Every argument of the line, in one pass over it: between arguments, skip codes 1 to
// 32 and pairs of double quotes; inside one, a quote toggles a quoted run, and a code
// of 32 or less outside a run ends the argument. The line ends at the first NUL.
std::vector<std::u16string> ReferenceSplit(std::u16string_view line) {
  if (const std::size_t nul = line.find(u'\0'); nul != std::u16string_view::npos) {
    line = line.substr(0, nul);
  }
  std::vector<std::u16string> arguments;
  std::size_t i = 0;
  for (;;) {
    for (;;) {
      if (i < line.size() && line[i] <= u' ') {
        i += 1;
      } else if (i + 1 < line.size() && line[i] == u'"' && line[i + 1] == u'"') {
        i += 2;
      } else {
        break;
      }
    }
    std::u16string argument;
    bool quoted = false;
    for (; i < line.size(); ++i) {
      const char16_t c = line[i];
      if (c == u'"') {
        quoted = !quoted;
      } else if (quoted || c > u' ') {
        argument += c;
      } else {
        break;
      }
    }
    arguments.push_back(argument);
    if (i >= line.size()) return arguments;
  }
}

std::u16string ReferenceLower(const std::u16string& text) {
  static const std::u16string_view upper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  static const std::u16string_view lower = u"abcdefghijklmnopqrstuvwxyz";
  std::u16string result;
  for (const char16_t c : text) {
    const std::size_t at = upper.find(c);
    result += at == std::u16string_view::npos ? c : lower[at];
  }
  return result;
}

// Bytes below 0xF0 are characters of those codes, so blanks, controls, quotes and NULs
// come up often; a byte from 0xF0 up joins the next byte into a code far above them.
std::u16string Decode(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] >= 0xF0 && i + 1 < size) {
      text += static_cast<char16_t>(((data[i] & 0x0Fu) << 12) | (data[i + 1] << 4) | 0x0Fu);
      ++i;
    } else {
      text += static_cast<char16_t>(data[i]);
    }
  }
  return text;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string line = Decode(data, size);
  const std::vector<std::u16string> expected = ReferenceSplit(line);
  for (std::size_t index = 0; index <= expected.size() + 1; ++index) {
    const std::u16string argument = tintara::CommandLineArgument(line, index);
    Check(argument == (index < expected.size() ? expected[index] : std::u16string()));
    Check(argument.find(u'"') == std::u16string::npos);
  }
  const std::u16string first = expected.size() > 1 ? expected[1] : std::u16string();
  Check(tintara::LowerCaseAsciiLetters(first) == ReferenceLower(first));
  Check(tintara::HasLaunchSwitch(line) == (ReferenceLower(first) == u"autostart"));
  return 0;
}
