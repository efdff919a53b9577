#include "app/startup/ColorModeSettings.h"

#include <exception>

#include "app/startup/AppPath.h"
#include "engine/IconColorPicker.h"
#include "widgets/MessageBoxes.h"

namespace tintara {

std::u16string ToggledColorMode(std::u16string_view caption) {
  return std::u16string(caption == kModeMostUsed ? kModeCenter : kModeMostUsed);
}

ColorModeSettings::ColorModeSettings(DesktopServices& desktop, Label& Label_Color_Mode)
    : desktop_(desktop), modeLabel_(Label_Color_Mode) {
  modeLabel_.OnClick = [this](Control&) { Label_Color_ModeClick(); };
}

void ColorModeSettings::SetAppPath() {
  Path_App = AppFolderFromModulePath(desktop_.ModuleFileName());
}

std::u16string ColorModeSettings::SettingsFilePath() const {
  std::u16string path = Path_App;
  path.append(kFileName);
  return path;
}

void ColorModeSettings::ReadSettings() {
  modeLabel_.SetCaption(
      desktop_.ReadProfileValue(SettingsFilePath(), kSection, kKey, kModeCenter, kReadCapacity));
}

void ColorModeSettings::SaveSettings() {
  // The cause is not shown: whatever went wrong, the user learns the mode was not kept.
  if (!SaveSettingsSilently()) {
    ShowMessage(desktop_, MessageKind::Warning, kWriteFailedText, MessageButtons::Ok);
  }
}

bool ColorModeSettings::SaveSettingsSilently() {
  try {
    return WriteSettingsFile();
  } catch (const std::exception&) {
    return false;
  }
}

bool ColorModeSettings::WriteSettingsFile() {
  const std::u16string file = SettingsFilePath();
  const std::u16string mode = modeLabel_.Caption();
  if (!desktop_.WriteProfileValue(file, kSection, kKey, mode)) return false;
  desktop_.FlushProfile(file);
  return true;
}

void ColorModeSettings::Label_Color_ModeClick() {
  modeLabel_.SetCaption(ToggledColorMode(modeLabel_.Caption()));
}

}  // namespace tintara
