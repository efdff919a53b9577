#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "widgets/Form.h"

namespace tintara {

// The system colour chooser, owned by a form. It opens with the colour confirmed last
// (black at first) and the sixteen custom colours as the user left them (all empty,
// white, at first); both live as long as the dialog object, that is for the run.
class ColorDialog {
 public:
  static constexpr TColor kEmptyCustomColor = 0xFFFFFF;

  explicit ColorDialog(Form& owner) : owner_(owner) { customColors_.fill(kEmptyCustomColor); }
  ColorDialog(const ColorDialog&) = delete;
  ColorDialog& operator=(const ColorDialog&) = delete;

  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  const std::array<TColor, 16>& CustomColors() const { return customColors_; }

  // Shows the dialog modally: the confirmed colour, which becomes Color(), or nothing
  // when cancelled (Color() stays).
  std::optional<TColor> Execute();

 private:
  Form& owner_;
  TColor color_ = 0x000000;
  std::array<TColor, 16> customColors_{};
};

// The save-file dialog, owned by a form. It opens with the name it returned the last
// time it was confirmed (empty at first).
class SaveDialog {
 public:
  explicit SaveDialog(Form& owner) : owner_(owner) {}
  SaveDialog(const SaveDialog&) = delete;
  SaveDialog& operator=(const SaveDialog&) = delete;

  const std::u16string& Filter() const { return filter_; }
  void SetFilter(std::u16string filter) { filter_ = std::move(filter); }
  const std::u16string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(std::u16string ext) { defaultExt_ = std::move(ext); }
  const std::u16string& FileName() const { return fileName_; }
  void SetFileName(std::u16string name) { fileName_ = std::move(name); }

  // Shows the dialog modally: the chosen full path, which becomes FileName(), or
  // nothing when cancelled.
  std::optional<std::u16string> Execute();

 private:
  Form& owner_;
  std::u16string filter_;
  std::u16string defaultExt_;
  std::u16string fileName_;
};

}  // namespace tintara
