#include <gtest/gtest.h>

#include <algorithm>

#include "app/startup/AutostartEntry.h"
#include "app/startup/LaunchSwitch.h"
#include "platform/PlatformError.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

constexpr std::u16string_view kRun = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::u16string_view kOwnEntry = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" autostart";

TEST(AutostartCommandLine, QuotesThePathSoTheSwitchArrivesAsArgumentOne) {
  const std::u16string path = u"C:\\Program Files\\My Tools\\Tintara.exe";
  const std::u16string data = AutostartCommandLine(path);
  EXPECT_EQ(data, u"\"C:\\Program Files\\My Tools\\Tintara.exe\" autostart");
  EXPECT_EQ(CommandLineArgument(data, 0), path);
  EXPECT_TRUE(HasLaunchSwitch(data));
}

class AutostartEntryTest : public ::testing::Test {
 protected:
  MemoryRegistryKey& RunKey() { return desktop.userKeys.at(std::u16string(kRun)); }
  bool EntryPresent() { return RunKey().values.count(u"Tintara") != 0; }
  std::size_t CountCalls(std::string_view name) const {
    return static_cast<std::size_t>(std::count(desktop.calls.begin(), desktop.calls.end(), name));
  }
  void ExpectErrorBoxes(std::size_t count) const {
    ASSERT_EQ(desktop.messageBoxes.size(), count);
    for (const MemoryMessageBox& box : desktop.messageBoxes) {
      EXPECT_EQ(box.caption, u"Error");
      EXPECT_EQ(box.text, u"Failed to change the auto-start state.");
      EXPECT_EQ(box.icon, MessageIcon::Error);
      EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }
  }
  void ExpectOwnStringEntry() {
    ASSERT_TRUE(EntryPresent());
    const MemoryRegistryValue& value = RunKey().values.at(u"Tintara");
    EXPECT_EQ(value.type, RegistryValueType::String);
    EXPECT_EQ(value.Text(), kOwnEntry);
    EXPECT_EQ(value.data.size(), (kOwnEntry.size() + 1) * 2);
  }

  MemoryDesktop desktop;
  CheckBox CheckBox_Autostart{u"Run program at Windows startup"};
  AutostartEntry autostart{desktop, CheckBox_Autostart};
};

TEST_F(AutostartEntryTest, AnEntryFoundAtStartUpChecksTheBoxAndTakesTheEntryOver) {
  desktop.AddUserKey(kRun).values[u"Tintara"] =
      MemoryRegistryValue::String(u"\"D:\\old place\\Tintara.exe\" autostart");
  desktop.AddUserKey(kRun).values[u"Other"] = MemoryRegistryValue::String(u"other.exe");
  autostart.SyncAtStartup();
  EXPECT_TRUE(CheckBox_Autostart.Checked());
  ExpectOwnStringEntry();
  EXPECT_EQ(RunKey().values.at(u"Other").Text(), u"other.exe");
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_TRUE(desktop.openKeys.empty());  // every key opened was closed
}

TEST_F(AutostartEntryTest, AnEntryOfAnotherTypeIsReplacedByAString) {
  desktop.AddUserKey(kRun).values[u"TINTARA"] = MemoryRegistryValue::Dword(1);
  autostart.SyncAtStartup();
  EXPECT_TRUE(CheckBox_Autostart.Checked());
  ExpectOwnStringEntry();
  EXPECT_EQ(RunKey().values.size(), 1u);  // value names ignore letter case
}

TEST_F(AutostartEntryTest, WithoutEntryOrKeyStartUpChangesAndWritesNothing) {
  autostart.SyncAtStartup();  // no Run key at all
  EXPECT_FALSE(CheckBox_Autostart.Checked());
  desktop.AddUserKey(kRun);
  autostart.SyncAtStartup();  // key without the value
  EXPECT_FALSE(CheckBox_Autostart.Checked());
  EXPECT_FALSE(EntryPresent());
  EXPECT_EQ(CountCalls("SetRegistryString") + CountCalls("DeleteRegistryValue"), 0u);
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_TRUE(desktop.openKeys.empty());
}

TEST_F(AutostartEntryTest, AFailedRewriteAtStartUpIsReportedAndTheBoxStaysChecked) {
  MemoryRegistryKey& run = desktop.AddUserKey(kRun);
  run.values[u"Tintara"] = MemoryRegistryValue::String(u"\"D:\\old\\Tintara.exe\" autostart");
  run.refusesWrites = true;
  autostart.SyncAtStartup();
  EXPECT_TRUE(CheckBox_Autostart.Checked());
  ExpectErrorBoxes(1);
  EXPECT_EQ(RunKey().values.at(u"Tintara").Text(), u"\"D:\\old\\Tintara.exe\" autostart");
  EXPECT_TRUE(desktop.openKeys.empty());
}

TEST_F(AutostartEntryTest, CheckingWritesTheEntryAndUncheckingRemovesIt) {
  desktop.AddUserKey(kRun);
  CheckBox_Autostart.Toggle();
  ExpectOwnStringEntry();
  CheckBox_Autostart.Toggle();
  EXPECT_FALSE(EntryPresent());

  // The path is taken afresh on every write.
  desktop.moduleFileName = u"E:\\moved\\Tintara.exe";
  CheckBox_Autostart.SetChecked(true);
  EXPECT_EQ(RunKey().values.at(u"Tintara").Text(), u"\"E:\\moved\\Tintara.exe\" autostart");
  CheckBox_Autostart.SetChecked(false);
  EXPECT_FALSE(EntryPresent());

  // Unchecking with no entry present writes and deletes nothing.
  const std::size_t deletes = CountCalls("DeleteRegistryValue");
  CheckBox_Autostart.SetChecked(true);
  RunKey().values.clear();
  CheckBox_Autostart.SetChecked(false);
  EXPECT_EQ(CountCalls("DeleteRegistryValue"), deletes);
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_TRUE(desktop.openKeys.empty());
}

TEST_F(AutostartEntryTest, ARefusedWriteOrMissingKeyWhenCheckingShowsTheErrorBox) {
  CheckBox_Autostart.Toggle();  // no Run key
  ExpectErrorBoxes(1);
  EXPECT_TRUE(CheckBox_Autostart.Checked());  // never set back

  desktop.AddUserKey(kRun).refusesWrites = true;
  CheckBox_Autostart.SetChecked(false);
  CheckBox_Autostart.SetChecked(true);
  ExpectErrorBoxes(2);
  EXPECT_FALSE(EntryPresent());

  RunKey().refusesWrites = false;
  desktop.Fail("SetRegistryString");
  CheckBox_Autostart.SetChecked(false);
  CheckBox_Autostart.SetChecked(true);
  ExpectErrorBoxes(3);
  EXPECT_TRUE(desktop.openKeys.empty());
}

TEST_F(AutostartEntryTest, UncheckingWithoutAKeyStaysSilent) {
  CheckBox_Autostart.Toggle();  // checked: the missing key is reported
  ExpectErrorBoxes(1);
  CheckBox_Autostart.Toggle();  // unchecked: the value counts as absent
  ExpectErrorBoxes(1);
  EXPECT_EQ(CountCalls("DeleteRegistryValue"), 0u);
}

TEST_F(AutostartEntryTest, ARefusedDeleteIsReportedInsteadOfPassedOverInSilence) {
  MemoryRegistryKey& run = desktop.AddUserKey(kRun);
  run.values[u"Tintara"] = MemoryRegistryValue::String(kOwnEntry);
  autostart.SyncAtStartup();
  ASSERT_TRUE(CheckBox_Autostart.Checked());
  run.refusesDeletes = true;
  CheckBox_Autostart.Toggle();
  EXPECT_FALSE(CheckBox_Autostart.Checked());  // the box keeps the user's state
  ExpectErrorBoxes(1);
  EXPECT_TRUE(EntryPresent());

  run.refusesDeletes = false;
  desktop.Fail("DeleteRegistryValue");
  CheckBox_Autostart.SetChecked(true);
  CheckBox_Autostart.SetChecked(false);
  ExpectErrorBoxes(2);
  EXPECT_TRUE(EntryPresent());
  EXPECT_TRUE(desktop.openKeys.empty());
}

TEST_F(AutostartEntryTest, AFailureRaisedInsideTheHandlerEndsInTheErrorBox) {
  desktop.AddUserKey(kRun);
  desktop.beforeCall = [](std::string_view operation) {
    if (operation == "ModuleFileName") throw PlatformError("The module cannot be named");
  };
  EXPECT_NO_THROW(CheckBox_Autostart.Toggle());
  ExpectErrorBoxes(1);
  EXPECT_FALSE(EntryPresent());
  EXPECT_TRUE(desktop.openKeys.empty());  // the key is closed on the way out
}

}  // namespace
}  // namespace tintara
