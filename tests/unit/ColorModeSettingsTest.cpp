#include <gtest/gtest.h>

#include <algorithm>

#include "app/startup/AppPath.h"
#include "app/startup/ColorModeSettings.h"
#include "engine/IconColorPicker.h"
#include "platform/PlatformError.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

TEST(AppPath, KeepsThePathUpToTheLastBackslashOrColonAndEndsInABackslash) {
  EXPECT_EQ(AppFolderFromModulePath(u"C:\\Program Files\\Tintara\\Tintara.exe"),
            u"C:\\Program Files\\Tintara\\");
  EXPECT_EQ(AppFolderFromModulePath(u"\\\\server\\share\\t.exe"), u"\\\\server\\share\\");
  EXPECT_EQ(AppFolderFromModulePath(u"C:\\Tintara.exe"), u"C:\\");
  // A drive-relative name ends at its colon, which gets a backslash.
  EXPECT_EQ(AppFolderFromModulePath(u"C:tintara.exe"), u"C:\\");
  // A slash is no separator here: the colon is the last one.
  EXPECT_EQ(AppFolderFromModulePath(u"C:/apps/tintara.exe"), u"C:\\");
  EXPECT_EQ(AppFolderFromModulePath(u"C:\\apps\\"), u"C:\\apps\\");
  EXPECT_EQ(AppFolderFromModulePath(u"tintara.exe"), u"\\");
  EXPECT_EQ(AppFolderFromModulePath(u""), u"\\");
}

class ColorModeSettingsTest : public ::testing::Test {
 protected:
  static constexpr std::u16string_view kIni = u"C:\\Program Files\\Tintara\\Tintara.ini";

  void SetUp() override { settings.SetAppPath(); }

  std::size_t CountCalls(std::string_view name) const {
    return static_cast<std::size_t>(std::count(desktop.calls.begin(), desktop.calls.end(), name));
  }
  std::u16string StoredMode() {
    return desktop.ReadProfileValue(kIni, u"General", u"Color_Mode", u"<none>", 4096);
  }
  void ExpectWarningShown() const {
    ASSERT_EQ(desktop.messageBoxes.size(), 1u);
    const MemoryMessageBox& box = desktop.messageBoxes[0];
    EXPECT_EQ(box.caption, u"Warning");
    EXPECT_EQ(box.text, u"Failed to creat configuration file.");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
  }

  MemoryDesktop desktop;
  Label Label_Color_Mode{std::u16string(kModeInitial)};
  ColorModeSettings settings{desktop, Label_Color_Mode};
};

TEST_F(ColorModeSettingsTest, TheFileLivesBesideTheExecutableUnderAFixedName) {
  EXPECT_EQ(settings.AppPath(), u"C:\\Program Files\\Tintara\\");
  EXPECT_EQ(settings.SettingsFilePath(), kIni);
  desktop.moduleFileName = u"D:\\Other Place\\renamed.EXE";
  settings.SetAppPath();
  EXPECT_EQ(settings.SettingsFilePath(), u"D:\\Other Place\\Tintara.ini");
}

TEST_F(ColorModeSettingsTest, WithoutAFileStartUpShowsCentreModeAndCloseCreatesTheFile) {
  EXPECT_EQ(Label_Color_Mode.Caption(), u"(color mode)");  // until the file is read
  settings.ReadSettings();
  EXPECT_EQ(Label_Color_Mode.Caption(), u"(use center color)");
  EXPECT_TRUE(desktop.messageBoxes.empty());

  settings.SaveSettings();
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_EQ(desktop.profileFiles.at(std::u16string(kIni)),
            u"[General]\r\nColor_Mode=(use center color)\r\n");
  // The value is written first, then the file is flushed.
  const auto write = std::find(desktop.calls.begin(), desktop.calls.end(), "WriteProfileValue");
  ASSERT_NE(write, desktop.calls.end());
  EXPECT_NE(std::find(write, desktop.calls.end(), "FlushProfile"), desktop.calls.end());
}

TEST_F(ColorModeSettingsTest, TheStoredTextBecomesTheCaptionAsItIs) {
  const auto readWith = [&](std::u16string text) {
    desktop.profileFiles[std::u16string(kIni)] = std::move(text);
    settings.ReadSettings();
    return Label_Color_Mode.Caption();
  };
  EXPECT_EQ(readWith(u"[General]\r\nColor_Mode=(most used color)\r\n"), u"(most used color)");
  EXPECT_TRUE(SelectsMostUsedColor(Label_Color_Mode.Caption()));

  // Another letter case is kept, and selects the centre pixel.
  EXPECT_EQ(readWith(u"[General]\r\nColor_Mode=(Most Used Color)\r\n"), u"(Most Used Color)");
  EXPECT_FALSE(SelectsMostUsedColor(Label_Color_Mode.Caption()));

  EXPECT_EQ(readWith(u"[General]\r\nColor_Mode=\r\n"), u"");
  EXPECT_EQ(readWith(u"[General]\r\nColor_Mode=anything at all\r\n"), u"anything at all");
  EXPECT_EQ(readWith(u"[Other]\r\nColor_Mode=(most used color)\r\n"), u"(use center color)");
  EXPECT_EQ(readWith(u"[General]\r\nColour_Mode=(most used color)\r\n"), u"(use center color)");
  EXPECT_EQ(readWith(u"garbage without sections"), u"(use center color)");

  // A value longer than the buffer is cut to its first 2047 characters.
  std::u16string longValue(3000, u'x');
  longValue[2046] = u'y';
  EXPECT_EQ(readWith(u"[General]\r\nColor_Mode=" + longValue + u"\r\n"), longValue.substr(0, 2047));
  EXPECT_EQ(Label_Color_Mode.Caption().back(), u'y');

  // A file that cannot be read yields the default and no report.
  desktop.Fail("ReadProfileValue");
  EXPECT_EQ(readWith(u"[General]\r\nColor_Mode=(most used color)\r\n"), u"(use center color)");
  EXPECT_TRUE(desktop.messageBoxes.empty());
}

TEST_F(ColorModeSettingsTest, AClickTogglesTheCaptionAndNothingElse) {
  for (const std::u16string_view start : {kModeCenter, kModeMostUsed}) {
    Label_Color_Mode.SetCaption(std::u16string(start));
    Label_Color_Mode.Click();
    EXPECT_NE(Label_Color_Mode.Caption(), start);
    Label_Color_Mode.Click();
    EXPECT_EQ(Label_Color_Mode.Caption(), start);
  }
  for (const std::u16string_view other :
       {kModeInitial, std::u16string_view(u""), std::u16string_view(u"(Most Used Color)"),
        std::u16string_view(u"(most used color) ")}) {
    Label_Color_Mode.SetCaption(std::u16string(other));
    settings.Label_Color_ModeClick();
    EXPECT_EQ(Label_Color_Mode.Caption(), u"(most used color)");
  }
  Label_Color_Mode.Click();
  EXPECT_EQ(Label_Color_Mode.Caption(), u"(use center color)");
  // Clicking neither reads nor writes the settings file.
  EXPECT_EQ(CountCalls("WriteProfileValue") + CountCalls("ReadProfileValue"), 0u);
  EXPECT_TRUE(desktop.profileFiles.empty());
}

TEST_F(ColorModeSettingsTest, SavingWritesTheCaptionBackUnchangedEveryTime) {
  desktop.profileFiles[std::u16string(kIni)] =
      u"; kept\r\n[General]\r\nColor_Mode=odd mode\r\n[Other]\r\nx=1\r\n";
  settings.ReadSettings();
  settings.SaveSettings();
  EXPECT_EQ(desktop.profileFiles.at(std::u16string(kIni)),
            u"; kept\r\n[General]\r\nColor_Mode=odd mode\r\n[Other]\r\nx=1\r\n");

  Label_Color_Mode.SetCaption(u"");
  settings.SaveSettings();
  EXPECT_EQ(StoredMode(), u"");
  Label_Color_Mode.Click();
  settings.SaveSettings();
  EXPECT_EQ(StoredMode(), u"(most used color)");
  EXPECT_EQ(CountCalls("WriteProfileValue"), 3u);
  EXPECT_EQ(CountCalls("FlushProfile"), 3u);
  EXPECT_TRUE(desktop.messageBoxes.empty());

  // What was saved is what the next run reads.
  Label next;
  ColorModeSettings nextRun(desktop, next);
  nextRun.SetAppPath();
  nextRun.ReadSettings();
  EXPECT_EQ(next.Caption(), u"(most used color)");
}

TEST_F(ColorModeSettingsTest, ARefusedWriteWarnsOnceAndLeavesTheFileAsItWas) {
  const std::u16string before = u"[General]\r\nColor_Mode=(most used color)\r\n";
  desktop.profileFiles[std::u16string(kIni)] = before;
  desktop.readOnlyFiles.insert(std::u16string(kIni));
  Label_Color_Mode.SetCaption(u"(use center color)");
  settings.SaveSettings();
  ExpectWarningShown();
  EXPECT_EQ(desktop.profileFiles.at(std::u16string(kIni)), before);
  EXPECT_EQ(CountCalls("FlushProfile"), 0u);  // the remaining steps are skipped

  // Every later close warns again; nothing is retried within one.
  settings.SaveSettings();
  EXPECT_EQ(desktop.messageBoxes.size(), 2u);
  EXPECT_EQ(CountCalls("WriteProfileValue"), 2u);
}

TEST_F(ColorModeSettingsTest, AFolderThatRefusesFilesWarnsAndCreatesNothing) {
  desktop.refusingFolders.insert(u"c:\\program files\\TINTARA");
  settings.SaveSettings();
  ExpectWarningShown();
  EXPECT_TRUE(desktop.profileFiles.empty());
}

TEST_F(ColorModeSettingsTest, AnyFailureInsideTheSaveEndsInTheSameWarning) {
  desktop.beforeCall = [](std::string_view operation) {
    if (operation == "FlushProfile") throw PlatformError("Disk full");
  };
  EXPECT_NO_THROW(settings.SaveSettings());
  ExpectWarningShown();
  EXPECT_EQ(desktop.messageBoxes[0].text, u"Failed to creat configuration file.");
}

}  // namespace
}  // namespace tintara
