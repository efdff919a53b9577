#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ColorizationLog.h"

namespace tintara {

class TForm_Details;

// What the tracker and the colorization control write into the details window. That
// window is made after the main window, whose timer and start-up message boxes may
// already run, so until it is attached the captions and lines wait here; attaching
// moves them into it, oldest first, and from then on everything goes straight there.
class DetailsRelay final : public ColorizationLog {
 public:
  // nullptr detaches (what arrives later waits again).
  void Attach(TForm_Details* details);
  TForm_Details* Details() const { return details_; }

  void SetHandleCaption(const std::u16string& text);
  void SetClassCaption(const std::u16string& text);
  void AppendLine(std::string_view line) override;

  // What waits for the window.
  std::size_t PendingLines() const { return lines_.size(); }

 private:
  TForm_Details* details_ = nullptr;
  std::optional<std::u16string> handleCaption_;
  std::optional<std::u16string> classCaption_;
  std::vector<std::string> lines_;
};

}  // namespace tintara
