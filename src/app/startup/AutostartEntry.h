#pragma once

#include <string>
#include <string_view>

#include "platform/DesktopServices.h"
#include "widgets/CheckBox.h"

namespace tintara {

// The entry's data: the executable's path in double quotes, then " autostart", so a
// path with blanks stays one argument and the switch arrives as argument 1.
std::u16string AutostartCommandLine(std::u16string_view modulePath);

// The start-with-Windows entry: one string value in the per-user start-up list, shown
// and changed by the autostart check box. Binds itself to the box's click, which runs
// on every change of the box's state.
class AutostartEntry {
 public:
  static constexpr std::u16string_view kRunKeyPath =
      u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  static constexpr std::u16string_view kValueName = u"Tintara";
  static constexpr std::u16string_view kChangeFailedText =
      u"Failed to change the auto-start state.";

  AutostartEntry(DesktopServices& desktop, CheckBox& CheckBox_Autostart);
  AutostartEntry(const AutostartEntry&) = delete;
  AutostartEntry& operator=(const AutostartEntry&) = delete;

  // Start-up: an existing entry checks the box, and the click that follows rewrites
  // the entry at once with the path of the executable running now. Without an entry
  // (or without the key) nothing changes and nothing is written.
  void SyncAtStartup();

  // Brings the entry in line with the box: checked writes it, unchecked deletes an
  // existing one. A refused write or a refused delete shows the error box; the box
  // keeps the state the user gave it.
  void CheckBox_AutostartClick();

 private:
  // False when the change the box asks for was refused.
  bool BringEntryInLine(bool checked);

  DesktopServices& desktop_;
  CheckBox& box_;
};

}  // namespace tintara
