#include "app/startup/AutostartEntry.h"

#include <exception>

#include "app/startup/LaunchSwitch.h"
#include "platform/RegistryKey.h"
#include "widgets/MessageBoxes.h"

namespace tintara {

std::u16string AutostartCommandLine(std::u16string_view modulePath) {
  std::u16string data;
  data.reserve(modulePath.size() + 3 + kLaunchSwitch.size());
  data.append(u"\"").append(modulePath).append(u"\" ").append(kLaunchSwitch);
  return data;
}

AutostartEntry::AutostartEntry(DesktopServices& desktop, CheckBox& CheckBox_Autostart)
    : desktop_(desktop), box_(CheckBox_Autostart) {
  box_.OnClick = [this](Control&) { CheckBox_AutostartClick(); };
}

void AutostartEntry::SyncAtStartup() {
  const RegistryKey key = RegistryKey::OpenUser(desktop_, kRunKeyPath);
  if (key.ValueExists(kValueName)) box_.SetChecked(true);
}

void AutostartEntry::CheckBox_AutostartClick() {
  bool changed = false;
  try {
    changed = BringEntryInLine(box_.Checked());
  } catch (const std::exception&) {
    changed = false;
  }
  if (!changed) ShowMessage(desktop_, MessageKind::Error, kChangeFailedText, MessageButtons::Ok);
}

bool AutostartEntry::BringEntryInLine(bool checked) {
  RegistryKey key = RegistryKey::OpenUser(desktop_, kRunKeyPath);
  if (checked) {
    // The path is taken afresh, so a moved or copied program takes the entry over.
    return key.SetString(kValueName, AutostartCommandLine(desktop_.ModuleFileName()));
  }
  // No entry (or no key) is already what an unchecked box asks for. An entry that
  // stays after a refused delete would start the program with Windows while the box
  // says it will not, so that refusal is reported like a refused write.
  if (!key.ValueExists(kValueName)) return true;
  return key.DeleteValue(kValueName);
}

}  // namespace tintara
