// The real message boxes: caption, text, icon, buttons and default button as the
// program asks for them, and the answer the user gives.

#include <gtest/gtest.h>

#include "MessageBoxWatcher.h"
#include "app/startup/AutostartEntry.h"
#include "app/startup/ColorModeSettings.h"
#include "platform/win32/Win32Desktop.h"
#include "widgets/MessageBoxes.h"

namespace tintara {
namespace {

using test::MessageBoxWatcher;
using test::SeenBox;

TEST(Win32MessageBox, AWarningWithOkShowsWhatTheProgramAskedFor) {
  Win32Desktop desktop;
  MessageBoxWatcher watcher(IDOK);
  EXPECT_EQ(ShowMessage(desktop, MessageKind::Warning, ColorModeSettings::kWriteFailedText,
                        MessageButtons::Ok),
            MessageAnswer::Ok);
  const std::vector<SeenBox> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"Warning");
  EXPECT_EQ(seen[0].text, L"Failed to creat configuration file.");
  EXPECT_EQ(seen[0].buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_EQ(seen[0].defaultButton, IDOK);
  EXPECT_EQ(seen[0].icon, LoadIconW(nullptr, IDI_WARNING));
}

TEST(Win32MessageBox, EnterPressesOk) {
  Win32Desktop desktop;
  MessageBoxWatcher watcher(MessageBoxWatcher::kPressEnter);
  EXPECT_EQ(desktop.ShowMessageBox(u"Warning", u"x", MessageIcon::Warning, MessageButtons::Ok),
            MessageAnswer::Ok);
  ASSERT_EQ(watcher.Seen().size(), 1u);
}

TEST(Win32MessageBox, AnErrorWithOkShowsTheErrorIcon) {
  Win32Desktop desktop;
  MessageBoxWatcher watcher(IDOK);
  EXPECT_EQ(ShowMessage(desktop, MessageKind::Error, AutostartEntry::kChangeFailedText,
                        MessageButtons::Ok),
            MessageAnswer::Ok);
  const std::vector<SeenBox> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"Error");
  EXPECT_EQ(seen[0].text, L"Failed to change the auto-start state.");
  EXPECT_EQ(seen[0].buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_EQ(seen[0].icon, LoadIconW(nullptr, IDI_ERROR));
}

TEST(Win32MessageBox, AQuestionDefaultsToYesAndReportsTheButtonPressed) {
  Win32Desktop desktop;
  for (const auto& [press, answer] :
       {std::pair{IDNO, MessageAnswer::No}, std::pair{IDYES, MessageAnswer::Yes},
        std::pair{MessageBoxWatcher::kPressEnter, MessageAnswer::Yes}}) {
    MessageBoxWatcher watcher(press);
    EXPECT_EQ(desktop.ShowMessageBox(u"Warning", u"Are you sure to exit?", MessageIcon::Warning,
                                     MessageButtons::YesNo),
              answer);
    const std::vector<SeenBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, L"Are you sure to exit?");
    EXPECT_EQ(seen[0].buttons, (std::vector<std::wstring>{L"&Yes", L"&No"}));
    EXPECT_EQ(seen[0].defaultButton, IDYES);
  }
}

}  // namespace
}  // namespace tintara

namespace tintara {
namespace {

TEST(Win32MessageBox, TheButtonsKeepTheirEnglishTextsOnAGermanSystem) {
  // Run on its own with a German user language (Wine takes it from LANG).
  {
    // The system's own box speaks German here, or this test could not tell.
    MessageBoxWatcher watcher(IDNO);
    MessageBoxW(nullptr, L"x", L"Warning", MB_YESNO);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].buttons, (std::vector<std::wstring>{L"&Ja", L"&Nein"}));
  }
  Win32Desktop desktop;
  for (const auto& [buttons, texts] :
       {std::pair{MessageButtons::YesNo, std::vector<std::wstring>{L"&Yes", L"&No"}},
        std::pair{MessageButtons::Ok, std::vector<std::wstring>{L"OK"}}}) {
    MessageBoxWatcher watcher(MessageBoxWatcher::kPressEnter);
    desktop.ShowMessageBox(u"Warning", u"Are you sure to exit?", MessageIcon::Warning, buttons);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].buttons, texts);
  }
}

}  // namespace
}  // namespace tintara
