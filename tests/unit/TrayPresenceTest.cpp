// The notification-area icon and its menu: every state of the main window with and
// without the icon, what the mouse over the icon does, and what the shell may refuse.
#include <string>
#include <vector>

#include "FormMainFixture.h"
#include "widgets/Menu.h"

namespace tintara {
namespace {

using headless::PressOn;

constexpr int kShowInterface = 0, kSeparator = 1, kExit = 2;

class TrayPresenceTest : public FormMainTest {
 protected:
  // The user right-clicks the icon and picks the menu item (or none with -1).
  void ChooseFromTrayMenu(TForm_Main& f, int item, Point cursor = {1500, 1060}) {
    backend.trayMenuUser = [item](const PopupMenu&, Point) { return item; };
    f.TrayIcon.Notify(TrayMouseEvent::RightDown, cursor);
    f.TrayIcon.Notify(TrayMouseEvent::RightUp, cursor);
  }
  bool IconShown(const TForm_Main& f) const { return backend.ShownIcon(f.TrayIcon) != nullptr; }
  headless::HeadlessWindow& Window(const TForm_Main& f) const { return *backend.WindowOf(f); }
};

TEST_F(TrayPresenceTest, MinimiseToTheTrayAndBackRestoresTheWindowWhereItWas) {
  TForm_Main& f = Create();
  app.ShowMainFormIfWanted();
  f.MoveTo({100, 200});
  PressOn(f.Label_Minimize);
  EXPECT_FALSE(Window(f).IsVisible());
  EXPECT_TRUE(Window(f).IsMinimized());
  ASSERT_TRUE(IconShown(f));
  EXPECT_EQ(backend.ShownIcon(f.TrayIcon)->tooltip, u"Tintara");
  EXPECT_EQ(backend.ShownIcon(f.TrayIcon)->iconResource, f.Image_Tittle.GetPicture().resourceId);

  // The tracker goes on in the notification area.
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF));
  backend.Advance(100);
  EXPECT_EQ(f.Shape_Color.Brush(), std::optional<TColor>(0x0000FF));

  ChooseFromTrayMenu(f, kShowInterface);
  ASSERT_EQ(backend.menuOpenings.size(), 1u);
  EXPECT_EQ(backend.menuOpenings[0].at, (Point{1500, 1060}));
  EXPECT_EQ(
      backend.menuOpenings[0].captions,
      (std::vector<std::u16string>{u"show program interface...", u"-", u"exit the program..."}));
  EXPECT_TRUE(Window(f).IsVisible());
  EXPECT_FALSE(Window(f).IsMinimized());
  EXPECT_EQ(Window(f).Bounds(), (Rect{100, 200, 600, 202}));
  EXPECT_EQ(desktop.restoredWindows, std::vector<WindowHandle>{f.Handle()});
  EXPECT_FALSE(IconShown(f));
  EXPECT_FALSE(f.TrayIcon.Visible());
}

TEST_F(TrayPresenceTest, AfterAHiddenStartTheFirstShowingIsAtTheDesignedPlace) {
  desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" autoSTART";
  TForm_Main& f = Create();
  app.ShowMainFormIfWanted();
  EXPECT_FALSE(Window(f).IsVisible());
  EXPECT_FALSE(Window(f).IsMinimized());
  EXPECT_TRUE(IconShown(f));
  ChooseFromTrayMenu(f, kShowInterface);
  EXPECT_TRUE(Window(f).IsVisible());
  EXPECT_EQ(Window(f).Bounds(), (Rect{660, 439, 600, 202}));
  EXPECT_FALSE(IconShown(f));
}

TEST_F(TrayPresenceTest, TheMenusExitAsksAndOnlyYesSavesRemovesTheIconAndEnds) {
  desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" autostart";
  TForm_Main& f = Create();
  app.ShowMainFormIfWanted();
  desktop.messageAnswers = {MessageAnswer::No};
  ChooseFromTrayMenu(f, kExit);
  ASSERT_EQ(desktop.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.messageBoxes[0].text, u"Are you sure to exit?");
  EXPECT_FALSE(app.Terminated());
  EXPECT_TRUE(IconShown(f));

  // The separator and a menu closed without a choice do nothing.
  ChooseFromTrayMenu(f, kSeparator);
  ChooseFromTrayMenu(f, -1);
  EXPECT_EQ(desktop.messageBoxes.size(), 1u);

  desktop.messageAnswers = {MessageAnswer::Yes};
  ChooseFromTrayMenu(f, kExit);
  EXPECT_TRUE(app.Terminated());
  EXPECT_FALSE(Window(f).IsVisible());  // hidden throughout
  EXPECT_EQ(desktop.profileFiles.count(u"C:\\Program Files\\Tintara\\Tintara.ini"), 1u);
  form.reset();  // shutdown: the icon goes with the main window
  EXPECT_TRUE(backend.trayIcons.empty());
}

TEST_F(TrayPresenceTest, OnlyTheRightButtonsReleaseOpensTheMenu) {
  TForm_Main& f = Create();
  PressOn(f.Label_Minimize);
  backend.trayMenuUser = [](const PopupMenu&, Point) { return kShowInterface; };
  for (const TrayMouseEvent event :
       {TrayMouseEvent::Move, TrayMouseEvent::LeftDown, TrayMouseEvent::LeftUp,
        TrayMouseEvent::LeftDoubleClick, TrayMouseEvent::RightDown,
        TrayMouseEvent::RightDoubleClick, TrayMouseEvent::MiddleUp}) {
    f.TrayIcon.Notify(event, {10, 10});
  }
  EXPECT_TRUE(backend.menuOpenings.empty());
  EXPECT_TRUE(IconShown(f));
  EXPECT_FALSE(Window(f).IsVisible());
}

TEST_F(TrayPresenceTest, WhatTheShellRefusesOrForgets) {
  TForm_Main& f = Create();
  app.ShowMainFormIfWanted();
  // No taskbar: the icon is not taken, nothing is reported, and it comes with the next
  // taskbar.
  backend.shellTakesIcons = false;
  PressOn(f.Label_Minimize);
  EXPECT_FALSE(IconShown(f));
  EXPECT_TRUE(desktop.messageBoxes.empty());
  backend.shellTakesIcons = true;
  backend.RestartShell();
  EXPECT_TRUE(IconShown(f));

  // A refused removal reaches the general error report; the window is back all the
  // same and the icon counts as hidden, so a new taskbar does not bring it back.
  backend.shellRefusesRemoval = true;
  ChooseFromTrayMenu(f, kShowInterface);
  ASSERT_EQ(desktop.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.messageBoxes[0].caption, u"Tintara");
  EXPECT_EQ(desktop.messageBoxes[0].text, u"Cannot remove shell notification icon.");
  EXPECT_EQ(desktop.messageBoxes[0].icon, MessageIcon::Error);
  EXPECT_TRUE(Window(f).IsVisible());
  EXPECT_FALSE(f.TrayIcon.Visible());
  backend.shellRefusesRemoval = false;
  backend.RestartShell();
  EXPECT_FALSE(IconShown(f));
  // "_" works again afterwards.
  PressOn(f.Label_Minimize);
  EXPECT_TRUE(IconShown(f));
}

TEST(TrayIconText, TooltipAndMenuAccelerators) {
  MemoryDesktop desktop;
  headless::HeadlessBackend backend(desktop);
  Application app(backend);
  TrayIcon icon(app);
  icon.SetTooltip(std::u16string(200, u'x'));
  EXPECT_EQ(icon.Tooltip().size(), 127u);
  // A character of two UTF-16 units is never cut in half.
  icon.SetTooltip(std::u16string(126, u'x') + u"\U0001F308");
  EXPECT_EQ(icon.Tooltip(), std::u16string(126, u'x'));

  MenuItem show(u"show program interface..."), line(u"-"), exit(u"exit the program...");
  MenuItem again(u"Save & see"), digits(u"...2s");
  PopupMenu menu;
  for (MenuItem* item : {&show, &line, &exit, &again, &digits}) menu.Add(*item);
  EXPECT_EQ(CaptionsWithAccelerators(menu),
            (std::vector<std::u16string>{u"&show program interface...", u"-",
                                         u"&exit the program...", u"S&ave && see", u"...&2s"}));
}

}  // namespace
}  // namespace tintara
