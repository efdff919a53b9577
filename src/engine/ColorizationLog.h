#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tintara {

// Where the colorization control writes its log: lines are only ever added at the end.
// The details window's memo takes them on screen; holders without a window keep them
// in a plain list.
class ColorizationLog {
 public:
  virtual ~ColorizationLog() = default;
  virtual void AppendLine(std::string_view line) = 0;
};

// A log kept as a plain list of lines, oldest first.
class LogLines final : public ColorizationLog {
 public:
  void AppendLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

}  // namespace tintara
