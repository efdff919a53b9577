// The real profile service: GetPrivateProfileStringW and WritePrivateProfileStringW
// behind the desktop's profile operations, on files in a folder of the test's own.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "MessageBoxWatcher.h"
#include "TestPlaces.h"
#include "app/startup/ColorModeSettings.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::Utf16;
using test::Wide;
using test::WriteFileBytes;

bool Contains(const std::vector<char>& bytes, std::string_view text) {
  return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

TEST(Win32Profile, WritesCreateFileAndSectionAndReadBackUnchanged) {
  Win32Desktop desktop;
  TempFolder folder;
  const std::u16string file = Utf16(folder.File(L"Tintara.ini"));

  EXPECT_EQ(desktop.ReadProfileValue(file, u"General", u"Color_Mode", u"(use center color)", 2048),
            u"(use center color)");
  EXPECT_EQ(desktop.ReadProfileValue(file, u"General", u"Color_Mode", u"(use center color)", 5),
            u"(use");

  ASSERT_TRUE(desktop.WriteProfileValue(file, u"General", u"Color_Mode", u"(most used color)"));
  desktop.FlushProfile(file);
  const std::vector<char> bytes = ReadFileBytes(Wide(file));
  EXPECT_TRUE(Contains(bytes, "[General]")) << std::string(bytes.begin(), bytes.end());
  EXPECT_TRUE(Contains(bytes, "Color_Mode=(most used color)"));

  EXPECT_EQ(desktop.ReadProfileValue(file, u"general", u"COLOR_MODE", u"-", 2048),
            u"(most used color)");
  EXPECT_EQ(desktop.ReadProfileValue(file, u"Other", u"Color_Mode", u"-", 2048), u"-");
  EXPECT_EQ(desktop.ReadProfileValue(file, u"General", u"Missing", u"-", 2048), u"-");

  for (const std::u16string_view value : {u"", u"(Most Used Color)", u"a=b;c", u"odd mode"}) {
    ASSERT_TRUE(desktop.WriteProfileValue(file, u"General", u"Color_Mode", value));
    EXPECT_EQ(desktop.ReadProfileValue(file, u"General", u"Color_Mode", u"-", 2048), value);
  }
}

TEST(Win32Profile, AValueLongerThanTheBufferIsCutToItsCapacityLessOne) {
  Win32Desktop desktop;
  TempFolder folder;
  const std::u16string file = Utf16(folder.File(L"Tintara.ini"));
  std::u16string value;
  for (int i = 0; i < 3000; ++i) value.push_back(static_cast<char16_t>(u'a' + i % 26));
  ASSERT_TRUE(desktop.WriteProfileValue(file, u"General", u"Color_Mode", value));
  const std::u16string read = desktop.ReadProfileValue(file, u"General", u"Color_Mode", u"-", 2048);
  EXPECT_EQ(read.size(), 2047u);
  EXPECT_EQ(read, value.substr(0, 2047));
}

// Whether the system keeps writers out of a read-only file. Wine run by root does
// not: it relies on the file's Unix permissions, which root passes.
bool ReadOnlyAttributeEnforced(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  CloseHandle(file);
  return false;
}

TEST(Win32Profile, AReadOnlyFileRefusesTheWrite) {
  Win32Desktop desktop;
  TempFolder folder;
  const std::wstring path = folder.File(L"Tintara.ini");
  const std::string before = "[General]\r\nColor_Mode=(most used color)\r\n";
  WriteFileBytes(path, before);
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  if (!ReadOnlyAttributeEnforced(path)) {
    // The test command repeats this test as an unprivileged user, where it must run.
    if (GetEnvironmentVariableW(L"TINTARA_REQUIRE_READ_ONLY", nullptr, 0) != 0) {
      FAIL() << "the read-only attribute is not enforced for this user";
    }
    GTEST_SKIP() << "read-only files are writable for this user (root under Wine)";
  }

  const std::u16string file = Utf16(path);
  EXPECT_FALSE(desktop.WriteProfileValue(file, u"General", u"Color_Mode", u"(use center color)"));
  desktop.FlushProfile(file);
  const std::vector<char> bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), before);
  EXPECT_EQ(desktop.ReadProfileValue(file, u"General", u"Color_Mode", u"-", 2048),
            u"(most used color)");
}

TEST(Win32Profile, ALockedFileOrAMissingFolderRefusesTheWrite) {
  Win32Desktop desktop;
  TempFolder folder;
  const std::wstring path = folder.File(L"Tintara.ini");
  const std::string before = "[General]\r\nColor_Mode=(most used color)\r\n";
  WriteFileBytes(path, before);
  const std::u16string file = Utf16(path);
  {
    // Another program holds the file open and lets others only read it.
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(desktop.WriteProfileValue(file, u"General", u"Color_Mode", u"(use center color)"));
    desktop.FlushProfile(file);
    EXPECT_EQ(desktop.ReadProfileValue(file, u"General", u"Color_Mode", u"-", 2048),
              u"(most used color)");
    CloseHandle(holder);
  }
  const std::vector<char> bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), before);

  const std::u16string nowhere = Utf16(folder.File(L"no such folder\\Tintara.ini"));
  EXPECT_FALSE(desktop.WriteProfileValue(nowhere, u"General", u"Color_Mode", u"x"));
  EXPECT_EQ(desktop.ReadProfileValue(nowhere, u"General", u"Color_Mode", u"dflt", 2048), u"dflt");
}

// The settings of the program itself go into "Tintara.ini" beside the running
// executable; saving and reading them back goes through the real services.
TEST(Win32Profile, TheColourModeSurvivesFromOneRunToTheNext) {
  Win32Desktop desktop;
  test::MessageBoxWatcher watcher(IDOK);
  Label firstRunLabel(u"(color mode)");
  ColorModeSettings firstRun(desktop, firstRunLabel);
  firstRun.SetAppPath();
  const std::wstring path = Wide(firstRun.SettingsFilePath());
  DeleteFileW(path.c_str());

  firstRun.ReadSettings();
  EXPECT_EQ(firstRunLabel.Caption(), u"(use center color)");
  firstRunLabel.Click();
  firstRun.SaveSettings();
  EXPECT_TRUE(watcher.Seen().empty());  // no warning: the file was written

  Label nextRunLabel(u"(color mode)");
  ColorModeSettings nextRun(desktop, nextRunLabel);
  nextRun.SetAppPath();
  nextRun.ReadSettings();
  EXPECT_EQ(nextRunLabel.Caption(), u"(most used color)");
  EXPECT_TRUE(DeleteFileW(path.c_str()));
}

}  // namespace
}  // namespace tintara
