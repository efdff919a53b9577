// The backend's services on their own: timers, the general error report for what
// escapes a tick or a handler, native check boxes and memos kept in line with their
// controls, the system's colour and save dialogs, and settings changes reaching the
// windowless controls.
#include <gtest/gtest.h>
#include <windows.h>
// The ids of the save dialog's boxes.
#include <dlgs.h>

#include <stdexcept>
#include <string>

#include "DialogWatcher.h"
#include "MainWindowHarness.h"
#include "MessageBoxWatcher.h"
#include "SyntheticInput.h"
#include "gradient/Gradient.h"
#include "platform/PlatformError.h"
#include "platform/win32/HandleCast.h"
#include "widgets/CheckBox.h"
#include "widgets/Memo.h"
#include "widgets/win32/ColorChooser.h"
#include "widgets/win32/SaveFileChooser.h"
#include "widgets/win32/Win32FormWindow.h"

namespace tintara::test {
namespace {

// A plain form with a check box and a memo, as a window of the backend.
class ToolkitTestForm : public Form {
 public:
  explicit ToolkitTestForm(Application& application) : Form(application) {
    SetTitle(u"Toolkit test");
    SetBounds({30, 30, 320, 200});
    box.SetBounds({10, 10, 200, 17});
    box.SetCaption(u"Check me");
    box.SetParent(this);
    memo.SetBounds({10, 40, 280, 120});
    memo.SetParent(this);
    CreateHandle();
  }
  ~ToolkitTestForm() override { DestroyHandle(); }

  CheckBox box;
  Memo memo;
};

struct Toolkit {
  Toolkit() : backend(GetModuleHandleW(nullptr), desktop), application(backend, u"Tintara") {
    backend.AttachApplication(application);
  }
  Win32Desktop desktop;
  win32::Win32Backend backend;
  Application application;
};

HWND NativeWindowOf(Form& form, const Control& control) {
  return static_cast<win32::Win32FormWindow*>(form.Window())->Natives().WindowOf(control);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(text.size() - 1);
  return text;
}

TEST(Win32Backend, ATickIsNeverDeliveredInsideATickOfTheSameTimer) {
  Toolkit toolkit;
  int depth = 0;
  int deepest = 0;
  int ticks = 0;
  const TimerId timer = toolkit.backend.StartTimer(10, [&] {
    ++depth;
    ++ticks;
    deepest = std::max(deepest, depth);
    // A modal loop inside the tick, as a message box would run one.
    if (ticks == 1) PumpMessagesFor(200);
    --depth;
  });
  PumpMessagesUntil([&] { return ticks >= 4; }, 3000);
  toolkit.backend.StopTimer(timer);
  EXPECT_GE(ticks, 4);
  EXPECT_EQ(deepest, 1);
}

TEST(Win32Backend, ATickMayStopItsOwnTimer) {
  Toolkit toolkit;
  int ticks = 0;
  TimerId timer = 0;
  timer = toolkit.backend.StartTimer(10, [&] {
    ++ticks;
    toolkit.backend.StopTimer(timer);
  });
  PumpMessagesFor(300);
  EXPECT_EQ(ticks, 1);
}

TEST(Win32Backend, WhatEscapesATickIsReportedAndTheTimerGoesOn) {
  Toolkit toolkit;
  int ticks = 0;
  const TimerId timer = toolkit.backend.StartTimer(20, [&] {
    if (++ticks == 1) throw PlatformError("The tick failed");
  });
  std::vector<SeenBox> seen;
  {
    MessageBoxWatcher watcher(MessageBoxWatcher::kPressEnter);
    PumpMessagesUntil([&] { return ticks >= 3; }, 5000);
    seen = watcher.Seen();
  }
  toolkit.backend.StopTimer(timer);
  EXPECT_GE(ticks, 3);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"Tintara");
  EXPECT_EQ(seen[0].text, L"The tick failed.");
}

TEST(Win32Backend, WhatEscapesAClickHandlerIsReportedAndTheWindowStaysUsable) {
  MainWindowHarness harness;
  harness.ShowAsAtStart();
  int clicks = 0;
  harness.Form().Label_Tittle.OnClick = [&](Control&) {
    ++clicks;
    throw PlatformError("Broken handler");
  };
  std::vector<SeenBox> seen;
  {
    MessageBoxWatcher watcher(MessageBoxWatcher::kPressEnter);
    for (int round = 0; round < 2; ++round) {
      MovePointerTo(harness.OnScreen(80, 24));
      PumpMessagesFor(50);
      PressButton(Button::Left);
      ReleaseButton(Button::Left);
      PumpMessagesUntil(
          [&] { return clicks > round && watcher.Seen().size() > static_cast<std::size_t>(round); },
          5000);
      PumpMessagesFor(200);
    }
    seen = watcher.Seen();
  }
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].caption, L"Tintara");
  EXPECT_EQ(seen[0].text, L"Broken handler.");
  EXPECT_TRUE(IsWindowVisible(harness.Window()));
}

TEST(Win32Backend, TheNativeCheckBoxAndTheControlStayInStep) {
  Toolkit toolkit;
  ToolkitTestForm form(toolkit.application);
  int clicks = 0;
  form.box.OnClick = [&](Control&) { ++clicks; };
  form.Show();
  PumpMessagesFor(300);
  const HWND box = NativeWindowOf(form, form.box);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), L"Check me");
  EXPECT_TRUE(IsWindowVisible(box));
  EXPECT_EQ(GetParent(box), win32::ToNative<HWND>(form.Handle()));

  // The program sets it: the native box follows.
  form.box.SetChecked(true);
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(clicks, 1);

  // The user clicks it: the control follows and its click runs.
  RECT place{};
  GetWindowRect(box, &place);
  MovePointerTo({place.left + 6, place.top + 8});
  PumpMessagesFor(50);
  PressButton(Button::Left);
  ReleaseButton(Button::Left);
  PumpMessagesUntil([&] { return !form.box.Checked(); }, 3000);
  EXPECT_FALSE(form.box.Checked());
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(form.ActiveControl(), &form.box);
  EXPECT_EQ(GetFocus(), box);

  form.box.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(box));
}

TEST(Win32Backend, ANativeControlHiddenWhileTheFormIsHiddenStaysHiddenWhenItShows) {
  Toolkit toolkit;
  ToolkitTestForm form(toolkit.application);
  form.memo.SetVisible(false);
  form.Show();
  PumpMessagesFor(200);
  EXPECT_FALSE(IsWindowVisible(NativeWindowOf(form, form.memo)));
  EXPECT_TRUE(IsWindowVisible(NativeWindowOf(form, form.box)));
  form.memo.SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(NativeWindowOf(form, form.memo)));
}

TEST(Win32Backend, ASettingsChangeReachesTheWindowlessControls) {
  Toolkit toolkit;
  ToolkitTestForm form(toolkit.application);
  TGradient gradient(toolkit.desktop);
  gradient.SetParent(&form);
  const INT element = COLOR_ACTIVECAPTION;
  const COLORREF original = GetSysColor(element);
  gradient.SetUseSysColors(true);
  EXPECT_EQ(gradient.ColorBegin(), original);
  const COLORREF changed = original ^ 0x00FFFFFF;
  ASSERT_TRUE(SetSysColors(1, &element, &changed));
  SendMessageW(win32::ToNative<HWND>(form.Handle()), WM_SETTINGCHANGE, 0, 0);
  EXPECT_EQ(gradient.ColorBegin(), changed);
  SetSysColors(1, &element, &original);
}

TEST(Win32Backend, TheColourDialogOpensWithTheColourGivenAndKeepsTheCustomColours) {
  Toolkit toolkit;
  ToolkitTestForm form(toolkit.application);
  form.Show();
  PumpMessagesFor(200);
  std::array<TColor, 16> custom{};
  custom.fill(0xFFFFFF);
  custom[3] = 0xABCDEF;
  std::optional<TColor> chosen;
  DialogWatcher watcher(GetCurrentThreadId(), [](HWND dialog) { PressDialogButton(dialog, IDOK); });
  chosen = toolkit.backend.RunColorDialog(form.Handle(), 0x123456, custom);
  EXPECT_EQ(chosen, std::optional<TColor>(0x123456));
  EXPECT_EQ(custom[3], 0xABCDEFu);
  EXPECT_EQ(custom[0], 0xFFFFFFu);
}

TEST(Win32Backend, TheSaveDialogShowsTheFilterAndAppendsNothingToTheName) {
  Toolkit toolkit;
  ToolkitTestForm form(toolkit.application);
  form.Show();
  PumpMessagesFor(200);
  EXPECT_EQ(win32::NativeFileFilter(L"ICON|*.ico"), std::wstring(L"ICON\0*.ico\0\0", 12));

  SaveDialogRequest request;
  request.owner = form.Handle();
  request.filter = u"ICON|*.ico";
  request.fileName = u"first";
  std::wstring typeShown;
  std::wstring nameShown;
  {
    DialogWatcher watcher(GetCurrentThreadId(), [&](HWND dialog) {
      // The file type box and the file name box of the system's save dialog.
      wchar_t text[128] = {};
      SendMessageW(GetDlgItem(dialog, cmb1), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
      typeShown = text;
      HWND name = GetDlgItem(dialog, cmb13);
      if (name == nullptr) name = GetDlgItem(dialog, edt1);
      SendMessageW(name, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
      nameShown = text;
      PressDialogButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(toolkit.backend.RunSaveDialog(request), std::nullopt);
  }
  EXPECT_EQ(typeShown, L"ICON");
  EXPECT_EQ(nameShown, L"first");

  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring target = std::wstring(folder) + L"tintara-save-test";
  {
    DialogWatcher watcher(GetCurrentThreadId(), [&](HWND dialog) {
      HWND name = GetDlgItem(dialog, cmb13);
      if (name == nullptr) name = GetDlgItem(dialog, edt1);
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target.c_str()));
      PressDialogButton(dialog, IDOK);
    });
    const std::optional<std::u16string> chosen = toolkit.backend.RunSaveDialog(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(std::wstring(chosen->begin(), chosen->end()), target);
  }
}

// The dialog library is loaded on first use; when that fails, the dialog is not taken
// for cancelled but fails with a message for the general error report.
TEST(Win32Backend, ADialogLibraryThatCannotBeLoadedIsAnError) {
  win32::CommonDialogLibrary missing(L"tintara-no-such-dialogs.dll");
  win32::CustomColors custom{};
  try {
    win32::ChooseColorModal(missing, nullptr, 0x123456, custom);
    ADD_FAILURE() << "no error";
  } catch (const PlatformError& error) {
    EXPECT_STREQ(error.what(), "The system's dialog library could not be loaded");
  }
  EXPECT_THROW(win32::ChooseSaveFileModal(missing, nullptr, L"ICON|*.ico", L"", L"name"),
               PlatformError);
}

}  // namespace
}  // namespace tintara::test
