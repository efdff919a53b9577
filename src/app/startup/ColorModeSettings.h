#pragma once

#include <string>
#include <string_view>

#include "platform/DesktopServices.h"
#include "widgets/Label.h"

namespace tintara {

// What a click on the colour-mode label makes of its caption: "(most used color)"
// turns into "(use center color)", any other text into "(most used color)".
std::u16string ToggledColorMode(std::u16string_view caption);

// The program's one persistent setting, the colour mode, and the settings file beside
// the executable that carries it from one run to the next. The mode itself lives only
// in the caption of the colour-mode label: it is read there when needed and changed
// there, never copied. Binds itself to the label's click.
class ColorModeSettings {
 public:
  static constexpr std::u16string_view kFileName = u"Tintara.ini";
  static constexpr std::u16string_view kSection = u"General";
  static constexpr std::u16string_view kKey = u"Color_Mode";
  // Characters of the read buffer, terminator included.
  static constexpr int kReadCapacity = 2048;
  static constexpr std::u16string_view kWriteFailedText = u"Failed to creat configuration file.";

  ColorModeSettings(DesktopServices& desktop, Label& Label_Color_Mode);
  ColorModeSettings(const ColorModeSettings&) = delete;
  ColorModeSettings& operator=(const ColorModeSettings&) = delete;

  // First step of start-up: takes the folder of the running executable.
  void SetAppPath();
  const std::u16string& AppPath() const { return Path_App; }
  std::u16string SettingsFilePath() const;

  // Last step of start-up: the stored mode, or "(use center color)" when nothing can
  // be read, becomes the caption. Reports nothing.
  void ReadSettings();
  // On close: writes the caption into the file, whether or not it changed. A refused
  // write shows the warning box and is not retried.
  void SaveSettings();
  // The same write without a warning; false when the file refused it.
  bool SaveSettingsSilently();
  void Label_Color_ModeClick();

 private:
  // False when the file refused the value.
  bool WriteSettingsFile();

  DesktopServices& desktop_;
  Label& modeLabel_;
  std::u16string Path_App;
};

}  // namespace tintara
