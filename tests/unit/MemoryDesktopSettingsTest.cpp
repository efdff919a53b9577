#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "platform/RegistryKey.h"
#include "platform/memory/MemoryDesktop.h"
#include "platform/memory/ProfileText.h"

namespace tintara {
namespace {

constexpr std::u16string_view kFile = u"C:\\App\\Settings.ini";

// The profile rules of the in-memory desktop stand in for the platform's profile
// service in every settings test, so they are checked on their own here.
TEST(MemoryProfile, ReadsLikeThePlatformsProfileReader) {
  MemoryDesktop desktop;
  const auto read = [&](std::u16string_view section, std::u16string_view key, int capacity = 64) {
    return desktop.ReadProfileValue(kFile, section, key, u"dflt", capacity);
  };
  EXPECT_EQ(read(u"General", u"Color_Mode"), u"dflt");  // no file

  desktop.profileFiles[std::u16string(kFile)] =
      u"top=ignored\n"
      u" [ general ] \r\n"
      u"  color_mode  =  spaced value  \r\n"
      u"quoted=\"  kept blanks  \"\r\n"
      u"single='x'\r\n"
      u"half=\"x\r\n"
      u"bare\r\n"
      u"eq=a=b\r\n"
      u";color_mode=comment\r\n"
      u"[General]\r\n"
      u"second=from a repeated section\r\n"
      u"[Other]\r\n"
      u"Color_Mode=other section\r\n";
  EXPECT_EQ(read(u"GENERAL", u"COLOR_MODE"), u"spaced value");
  EXPECT_EQ(read(u"General", u"quoted"), u"  kept blanks  ");
  EXPECT_EQ(read(u"General", u"single"), u"x");
  EXPECT_EQ(read(u"General", u"half"), u"\"x");
  EXPECT_EQ(read(u"General", u"bare"), u"");
  EXPECT_EQ(read(u"General", u"eq"), u"a=b");
  EXPECT_EQ(read(u"Other", u"color_mode"), u"other section");
  EXPECT_EQ(read(u"General", u"top"), u"dflt");  // before any section
  EXPECT_EQ(read(u"Missing", u"Color_Mode"), u"dflt");
  EXPECT_EQ(read(u"General", u"missing"), u"dflt");

  // The buffer holds capacity - 1 units; the default is cut the same way.
  EXPECT_EQ(read(u"General", u"Color_Mode", 7), u"spaced");
  EXPECT_EQ(read(u"General", u"missing", 3), u"df");
  EXPECT_EQ(read(u"General", u"Color_Mode", 1), u"");
  EXPECT_EQ(read(u"General", u"Color_Mode", 0), u"");

  desktop.Fail("ReadProfileValue");
  EXPECT_EQ(read(u"General", u"Color_Mode"), u"dflt");
}

TEST(MemoryProfile, WritesCreateFileAndSectionAndReadBackUnchanged) {
  MemoryDesktop desktop;
  ASSERT_TRUE(desktop.WriteProfileValue(kFile, u"General", u"Color_Mode", u"(most used color)"));
  EXPECT_EQ(desktop.profileFiles.at(std::u16string(kFile)),
            u"[General]\r\nColor_Mode=(most used color)\r\n");

  for (const std::u16string_view value :
       {u"", u"a=b;c [d]", u"(Most Used Color)", u"\u00E4\u4E2D\U0001F600"}) {
    ASSERT_TRUE(desktop.WriteProfileValue(kFile, u"general", u"COLOR_MODE", value));
    EXPECT_EQ(desktop.ReadProfileValue(kFile, u"General", u"Color_Mode", u"-", 2048), value);
  }
  // An existing key keeps its place and spelling; other sections and keys stay.
  desktop.profileFiles[std::u16string(kFile)] =
      u"[A]\r\nk=1\r\n\r\n[General]\r\nColor_Mode = old\r\nz=2\r\n\r\n[B]\r\nk=3";
  ASSERT_TRUE(desktop.WriteProfileValue(kFile, u"GENERAL", u"color_mode", u"new"));
  ASSERT_TRUE(desktop.WriteProfileValue(kFile, u"A", u"added", u"4"));
  ASSERT_TRUE(desktop.WriteProfileValue(kFile, u"C", u"k", u"5"));
  EXPECT_EQ(desktop.profileFiles.at(std::u16string(kFile)),
            u"[A]\r\nk=1\r\nadded=4\r\n\r\n[General]\r\nColor_Mode=new\r\nz=2\r\n\r\n[B]\r\nk=3\r\n"
            u"\r\n[C]\r\nk=5\r\n");
  EXPECT_EQ(FindProfileValue(desktop.profileFiles.at(std::u16string(kFile)), u"b", u"K"), u"3");
}

TEST(MemoryProfile, ReadOnlyFilesAndRefusingFoldersRefuseWrites) {
  MemoryDesktop desktop;
  desktop.profileFiles[std::u16string(kFile)] = u"[General]\r\nColor_Mode=x\r\n";
  desktop.readOnlyFiles.insert(u"c:\\app\\SETTINGS.INI");
  EXPECT_FALSE(desktop.WriteProfileValue(kFile, u"General", u"Color_Mode", u"y"));
  EXPECT_EQ(desktop.ReadProfileValue(kFile, u"General", u"Color_Mode", u"", 64), u"x");

  desktop.refusingFolders.insert(u"C:\\Locked\\");
  EXPECT_FALSE(desktop.WriteProfileValue(u"C:\\Locked\\a.ini", u"S", u"k", u"v"));
  EXPECT_FALSE(desktop.WriteProfileValue(u"c:\\locked\\deeper\\a.ini", u"S", u"k", u"v"));
  EXPECT_EQ(desktop.profileFiles.count(u"C:\\Locked\\a.ini"), 0u);
  // A folder whose name merely starts the same way is not affected.
  EXPECT_TRUE(desktop.WriteProfileValue(u"C:\\Locked2\\a.ini", u"S", u"k", u"v"));

  desktop.Fail("WriteProfileValue");
  EXPECT_FALSE(desktop.WriteProfileValue(u"C:\\Free\\a.ini", u"S", u"k", u"v"));
  desktop.FlushProfile(kFile);
  EXPECT_EQ(desktop.calls.back(), "FlushProfile");
}

TEST(MemoryRegistry, KeepsTypedValuesAndRefusesWhatItIsToldTo) {
  MemoryDesktop desktop;
  EXPECT_EQ(desktop.OpenUserKey(u"Software\\Missing"), 0u);
  MemoryRegistryKey& run = desktop.AddUserKey(u"Software\\Run");
  run.values[u"Counter"] = MemoryRegistryValue::Dword(0x01020304);
  EXPECT_EQ(run.values[u"Counter"].data, (std::vector<std::uint8_t>{4, 3, 2, 1}));

  const RegistryKeyHandle key = desktop.OpenUserKey(u"software\\RUN");
  ASSERT_NE(key, 0u);
  EXPECT_TRUE(desktop.RegistryValueExists(key, u"counter"));
  ASSERT_TRUE(desktop.SetRegistryString(key, u"COUNTER", u"ab"));
  EXPECT_EQ(run.values.size(), 1u);
  const MemoryRegistryValue& value = run.values.at(u"Counter");
  EXPECT_EQ(value.type, RegistryValueType::String);
  EXPECT_EQ(value.data, (std::vector<std::uint8_t>{'a', 0, 'b', 0, 0, 0}));
  EXPECT_EQ(value.Text(), u"ab");

  run.refusesWrites = true;
  EXPECT_FALSE(desktop.SetRegistryString(key, u"Counter", u"cd"));
  EXPECT_EQ(value.Text(), u"ab");
  run.refusesDeletes = true;
  EXPECT_FALSE(desktop.DeleteRegistryValue(key, u"Counter"));
  run.refusesDeletes = false;
  EXPECT_TRUE(desktop.DeleteRegistryValue(key, u"Counter"));
  EXPECT_FALSE(desktop.DeleteRegistryValue(key, u"Counter"));  // already gone
  EXPECT_FALSE(desktop.RegistryValueExists(key, u"Counter"));

  // No key, or a closed one, finds nothing and changes nothing.
  desktop.CloseRegistryKey(key);
  EXPECT_TRUE(desktop.openKeys.empty());
  run.refusesWrites = false;
  for (const RegistryKeyHandle none : {RegistryKeyHandle{0}, key}) {
    EXPECT_FALSE(desktop.SetRegistryString(none, u"x", u"y"));
    EXPECT_FALSE(desktop.RegistryValueExists(none, u"x"));
    EXPECT_FALSE(desktop.DeleteRegistryValue(none, u"x"));
  }
  EXPECT_TRUE(run.values.empty());
  desktop.Fail("OpenUserKey");
  EXPECT_EQ(desktop.OpenUserKey(u"Software\\Run"), 0u);
}

TEST(RegistryKey, ClosesItsKeyExactlyOnceWhereverItEnds) {
  MemoryDesktop desktop;
  desktop.AddUserKey(u"Software\\Run");
  {
    RegistryKey key = RegistryKey::OpenUser(desktop, u"Software\\Run");
    EXPECT_TRUE(key.IsOpen());
    EXPECT_EQ(desktop.openKeys.size(), 1u);
    RegistryKey moved = std::move(key);
    EXPECT_FALSE(key.IsOpen());  // a moved-from key holds nothing
    EXPECT_TRUE(moved.SetString(u"v", u"data"));
    RegistryKey other = RegistryKey::OpenUser(desktop, u"Software\\Run");
    EXPECT_EQ(desktop.openKeys.size(), 2u);
    other = std::move(moved);  // closes what `other` held
    EXPECT_EQ(desktop.openKeys.size(), 1u);
    EXPECT_TRUE(other.ValueExists(u"v"));
  }
  EXPECT_TRUE(desktop.openKeys.empty());
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "CloseRegistryKey"), 2);

  // A key that could not be opened is never handed to the platform.
  desktop.calls.clear();
  RegistryKey missing = RegistryKey::OpenUser(desktop, u"Software\\Missing");
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_FALSE(missing.ValueExists(u"v"));
  EXPECT_FALSE(missing.SetString(u"v", u"x"));
  EXPECT_FALSE(missing.DeleteValue(u"v"));
  EXPECT_EQ(desktop.calls, (std::vector<std::string>{"OpenUserKey"}));
}

TEST(MemoryMessageBoxes, RecordEveryBoxAndAnswerFromTheScript) {
  MemoryDesktop desktop;
  desktop.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
  EXPECT_EQ(desktop.ShowMessageBox(u"Warning", u"Are you sure?", MessageIcon::Warning,
                                   MessageButtons::YesNo),
            MessageAnswer::No);
  EXPECT_EQ(
      desktop.ShowMessageBox(u"Warning", u"Really?", MessageIcon::Warning, MessageButtons::YesNo),
      MessageAnswer::Yes);
  // Once the script is used up, boxes answer with their default button.
  EXPECT_EQ(desktop.ShowMessageBox(u"Error", u"E", MessageIcon::Error, MessageButtons::Ok),
            MessageAnswer::Ok);
  EXPECT_EQ(desktop.ShowMessageBox(u"Q", u"?", MessageIcon::None, MessageButtons::YesNo),
            MessageAnswer::Yes);
  desktop.Fail("ShowMessageBox");
  EXPECT_EQ(desktop.ShowMessageBox(u"Q", u"?", MessageIcon::None, MessageButtons::YesNo),
            MessageAnswer::Closed);

  ASSERT_EQ(desktop.messageBoxes.size(), 5u);
  const MemoryMessageBox& first = desktop.messageBoxes[0];
  EXPECT_EQ(first.caption, u"Warning");
  EXPECT_EQ(first.text, u"Are you sure?");
  EXPECT_EQ(first.icon, MessageIcon::Warning);
  EXPECT_EQ(first.buttons, MessageButtons::YesNo);
  EXPECT_EQ(first.answer, MessageAnswer::No);
  EXPECT_EQ(desktop.messageBoxes[2].icon, MessageIcon::Error);
  EXPECT_EQ(desktop.messageBoxes[4].answer, MessageAnswer::Closed);
}

TEST(MemoryProgram, ReportsTheModulePathAndCommandLineItIsGiven) {
  MemoryDesktop desktop;
  EXPECT_EQ(desktop.ModuleFileName(), u"C:\\Program Files\\Tintara\\Tintara.exe");
  desktop.moduleFileName = u"D:\\x.exe";
  desktop.commandLine = u"D:\\x.exe autostart";
  EXPECT_EQ(desktop.ModuleFileName(), u"D:\\x.exe");
  EXPECT_EQ(desktop.CommandLine(), u"D:\\x.exe autostart");
  desktop.Fail("ModuleFileName");
  EXPECT_EQ(desktop.ModuleFileName(), u"");
}

}  // namespace
}  // namespace tintara
