// The program's whole run on the headless backend: module start, windows, message loop,
// close or session end, shutdown; and the notification-area icon through its states.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/FormMain.h"
#include "app/Program.h"
#include "app/startup/ColorModeSettings.h"
#include "platform/memory/MemoryDesktop.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

using headless::HeadlessBackend;
using headless::HeadlessWindow;
using headless::PressOn;

constexpr char16_t kIni[] = u"C:\\Program Files\\Tintara\\Tintara.ini";
constexpr int kShowDefault = 10, kShowMaximized = 3, kShowMinNoActive = 7, kShowNormal = 1;

class ProgramRunTest : public ::testing::Test {
 protected:
  // Runs the whole program; `user` acts while the message loop runs.
  int Run(const std::function<void(TForm_Main&)>& user, int showCommand = kShowDefault) {
    backend.messageLoopUser = [&] {
      user(static_cast<TForm_Main&>(*backend.AttachedApplication()->MainForm()));
    };
    return RunProgram(backend, u"Tintara", showCommand);
  }

  std::size_t Index(const std::string& call) const {
    const auto it = std::find(desktop.calls.begin(), desktop.calls.end(), call);
    EXPECT_NE(it, desktop.calls.end()) << call;
    return static_cast<std::size_t>(it - desktop.calls.begin());
  }
  std::size_t Count(const std::string& call) const {
    return static_cast<std::size_t>(std::count(desktop.calls.begin(), desktop.calls.end(), call));
  }
  void ExpectInOrder(const std::vector<std::string>& calls) const {
    for (std::size_t i = 1; i < calls.size(); ++i) {
      EXPECT_LT(Index(calls[i - 1]), Index(calls[i])) << calls[i - 1] << " before " << calls[i];
    }
  }
  HeadlessWindow& WindowOf(const Form& form) const { return *backend.WindowOf(form); }

  MemoryDesktop desktop;
  HeadlessBackend backend{desktop};
};

TEST_F(ProgramRunTest, StartRunAndEndFollowTheirOrderAndTheLastColourStays) {
  desktop.profileFiles[kIni] = u"[General]\r\nColor_Mode=(most used color)\r\n";
  MemoryWindow peer;
  peer.className = u"Peer";
  peer.classSmallIcon = desktop.AddIcon(MemoryIcon::Solid(16, 16, 0x3366CC));
  desktop.SetForeground(desktop.AddWindow(peer));
  const int code = Run([&](TForm_Main& f) {
    EXPECT_TRUE(WindowOf(f).IsVisible());
    EXPECT_EQ(WindowOf(f).Bounds(), (Rect{660, 439, 600, 202}));
    EXPECT_EQ(f.Label_Color_Mode.Caption(), u"(most used color)");
    EXPECT_EQ(backend.ShownIcon(f.TrayIcon), nullptr);
    backend.Advance(100);
    desktop.messageAnswers = {MessageAnswer::Yes};
    PressOn(f.Label_Close);
  });
  EXPECT_EQ(code, 0);
  // The details window has no title; the About window's is "About...".
  ExpectInOrder({"LoadColorizationLibrary",
                 "FindEntry(DwmIsCompositionEnabled)",
                 "FindEntry(#127)",
                 "FindEntry(#131)",
                 "CreateWindow(Tintara)",
                 "SetWindowRegion",
                 "ModuleFileName",
                 "OpenUserKey",
                 "CommandLine",
                 "ReadProfileValue",
                 "CreateWindow()",
                 "CreateWindow(About...)",
                 "ShowWindow(Tintara)",
                 "ColorizationWrite",
                 "ShowMessageBox",
                 "WriteProfileValue",
                 "DestroyWindow(About...)",
                 "DestroyWindow()",
                 "DestroyWindow(Tintara)",
                 "ReleaseLibrary"});
  EXPECT_EQ(Count("ShowWindow()") + Count("ShowWindow(About...)"), 0u);
  EXPECT_EQ(desktop.library.loads, 1);
  EXPECT_EQ(desktop.library.releases, 1);
  // Nothing puts the colorization back.
  ASSERT_EQ(desktop.library.writes.size(), 1u);
  EXPECT_EQ(desktop.library.record.Color, 0xCC6633u);
  EXPECT_NE(desktop.profileFiles.at(kIni).find(u"Color_Mode=(most used color)"),
            std::u16string::npos);
}

TEST_F(ProgramRunTest, WithoutTheColorizationLibraryTheProgramStartsAndEndsAllTheSame) {
  desktop.library.present = false;
  MemoryWindow peer;
  peer.classSmallIcon = desktop.AddIcon(MemoryIcon::Solid(16, 16, 0x3366CC));
  desktop.SetForeground(desktop.AddWindow(peer));
  Run([&](TForm_Main& f) {
    backend.Advance(300);
    EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0x3366CC));
    f.Close();  // a close message from outside
  });
  EXPECT_EQ(Count("ReleaseLibrary"), 0u);
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_EQ(desktop.profileFiles.count(kIni), 1u);
}

TEST_F(ProgramRunTest, TheShowCommandDecidesTheFirstShowingUnlessTheStartIsHidden) {
  for (const int command : {kShowMaximized, kShowMinNoActive, kShowNormal, 0}) {
    Run(
        [&](TForm_Main& f) {
          EXPECT_TRUE(WindowOf(f).IsVisible()) << command;
          EXPECT_EQ(WindowOf(f).IsMaximized(), command == kShowMaximized) << command;
          EXPECT_EQ(WindowOf(f).IsMinimized(), command == kShowMinNoActive) << command;
          // Minimised by the starter the window stays on the taskbar: no tray icon.
          EXPECT_FALSE(f.TrayIcon.Visible());
          f.Close();
        },
        command);
  }
  desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" \"AUTOSTART\"";
  for (const int command : {kShowMaximized, kShowMinNoActive, kShowNormal}) {
    Run(
        [&](TForm_Main& f) {
          EXPECT_FALSE(WindowOf(f).IsVisible()) << command;
          EXPECT_FALSE(WindowOf(f).IsMinimized()) << command;
          ASSERT_NE(backend.ShownIcon(f.TrayIcon), nullptr);
          EXPECT_EQ(backend.ShownIcon(f.TrayIcon)->tooltip, u"Tintara");
          f.Close();
        },
        command);
  }
}

TEST_F(ProgramRunTest, TheExitQuestionCanBeDeclinedAndARefusedSaveDoesNotStopTheEnd) {
  desktop.readOnlyFiles.insert(kIni);
  desktop.profileFiles[kIni] = u"[General]\r\nColor_Mode=(use center color)\r\n";
  Run([&](TForm_Main& f) {
    PressOn(f.Label_Color_Mode);
    desktop.messageAnswers = {MessageAnswer::No};
    PressOn(f.Label_Close);
    EXPECT_FALSE(backend.AttachedApplication()->Terminated());
    EXPECT_TRUE(WindowOf(f).IsVisible());
    EXPECT_EQ(Count("WriteProfileValue"), 0u);
    desktop.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Ok};
    PressOn(f.Label_Close);
    EXPECT_TRUE(backend.AttachedApplication()->Terminated());
  });
  ASSERT_EQ(desktop.messageBoxes.size(), 3u);
  EXPECT_EQ(desktop.messageBoxes[2].text, ColorModeSettings::kWriteFailedText);
  EXPECT_EQ(desktop.profileFiles.at(kIni), u"[General]\r\nColor_Mode=(use center color)\r\n");
}

TEST_F(ProgramRunTest, TheEndOfTheSessionKeepsTheModeWithoutAskingOrWarning) {
  for (const bool writable : {true, false}) {
    desktop.profileFiles.clear();
    desktop.readOnlyFiles.clear();
    desktop.messageBoxes.clear();
    if (!writable) {
      desktop.profileFiles[kIni] = u"";
      desktop.readOnlyFiles.insert(kIni);
    }
    desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" autostart";
    Run([&](TForm_Main& f) {
      PressOn(f.Label_Color_Mode);
      ASSERT_TRUE(f.TrayIcon.Visible());
      f.EndSession();
      EXPECT_TRUE(backend.AttachedApplication()->Terminated());
      EXPECT_EQ(backend.ShownIcon(f.TrayIcon), nullptr);
    });
    EXPECT_TRUE(desktop.messageBoxes.empty()) << writable;
    EXPECT_EQ(
        desktop.profileFiles.at(kIni).find(u"Color_Mode=(most used color)") != std::u16string::npos,
        writable);
  }
}

}  // namespace
}  // namespace tintara
