// Forms' windows and lifecycle, timers, dialogs.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/memory/MemoryDesktop.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "widgets/Timer.h"
#include "widgets/WindowStyles.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

class FormTest : public ::testing::Test {
 protected:
  MemoryDesktop desktop;
  headless::HeadlessBackend backend{desktop};
  Application app{backend, u"Tintara"};
};

TEST(FirstShowPosition, CentredOnTheDesktopButNeverBeforeItsLeftOrTopEdge) {
  EXPECT_EQ(CenteredOnDesktop({600, 202}, {0, 0, 1920, 1080}), (Point{660, 439}));
  EXPECT_EQ(CenteredOnDesktop({600, 202}, {0, 0, 1366, 768}), (Point{383, 283}));
  // A second monitor to the left: the bounding rectangle starts at a negative x.
  EXPECT_EQ(CenteredOnDesktop({600, 202}, {-1280, 0, 3200, 1080}), (Point{20, 439}));
  EXPECT_EQ(CenteredOnDesktop({600, 202}, {0, 0, 500, 150}), (Point{0, 0}));
  EXPECT_EQ(CenteredOnDesktop({601, 203}, {-10, -20, 1001, 501}), (Point{190, 129}));
}

TEST_F(FormTest, CreationRealisesTheWindowWithItsParametersAndRunsOnCreateOnce) {
  Form form(app);
  form.SetTitle(u"Tintara");
  form.SetBounds(5, 6, 600, 202);
  std::vector<WindowHandle> seenInCreate;
  form.OnCreate = [&](Control&) { seenInCreate.push_back(form.Handle()); };
  EXPECT_EQ(form.Handle(), 0u);
  form.CreateHandle();
  form.CreateHandle();
  ASSERT_EQ(seenInCreate.size(), 1u);
  EXPECT_NE(seenInCreate[0], 0u);
  EXPECT_EQ(seenInCreate[0], form.Handle());
  EXPECT_EQ(desktop.windows.count(form.Handle()), 1u);
  const headless::HeadlessWindow* window = backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Params().caption, u"Tintara");
  EXPECT_EQ(window->Params().bounds, (Rect{5, 6, 600, 202}));
  EXPECT_EQ(window->Params().style, styles::kWsCaption | styles::kWsSysMenu |
                                        styles::kWsThickFrame | styles::kWsMinimizeBox |
                                        styles::kWsMaximizeBox | styles::kWsClipChildren);
  EXPECT_EQ(window->Params().classStyle, styles::kCsDblClks);
  EXPECT_FALSE(window->IsVisible());
  EXPECT_EQ(app.MainForm(), &form);  // the first form to be created

  const WindowHandle handle = form.Handle();
  form.DestroyHandle();
  EXPECT_EQ(desktop.windows.count(handle), 0u);
  EXPECT_EQ(app.MainForm(), nullptr);
}

TEST_F(FormTest, TheFirstShowingTakesTheCentredPositionLaterOnesKeepWhereItIs) {
  Form form(app);
  form.SetBounds(0, 0, 600, 202);
  form.SetPosition(FormPosition::DesktopCenter);
  form.CreateHandle();
  desktop.desktopBounds = {0, 0, 1366, 768};
  int shows = 0;
  form.OnShow = [&](Control&) { ++shows; };
  form.Show();
  EXPECT_EQ(shows, 1);
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(backend.WindowOf(form)->IsVisible());
  EXPECT_EQ(backend.WindowOf(form)->Bounds(), (Rect{383, 283, 600, 202}));
  form.Hide();
  EXPECT_FALSE(backend.WindowOf(form)->IsVisible());
  form.MoveTo({10, 20});
  form.Show();
  EXPECT_EQ(backend.WindowOf(form)->Bounds(), (Rect{10, 20, 600, 202}));

  form.Minimize();
  EXPECT_TRUE(backend.WindowOf(form)->IsMinimized());
  form.Restore();
  EXPECT_EQ(desktop.restoredWindows, (std::vector<WindowHandle>{form.Handle()}));
  EXPECT_FALSE(backend.WindowOf(form)->IsMinimized());
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgramOtherFormsHideAndOnCloseMayRefuse) {
  Form mainForm(app);
  mainForm.CreateHandle();
  Form other(app);
  other.CreateHandle();
  other.Show();
  mainForm.Show();
  std::vector<std::string> closes;
  other.OnClose = [&](Control&, CloseAction&) { closes.push_back("other"); };
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(app.Terminated());

  CloseAction answer = CloseAction::None;
  mainForm.OnClose = [&](Control&, CloseAction& action) {
    closes.push_back("main");
    action = answer;
  };
  mainForm.Close();
  EXPECT_FALSE(app.Terminated());
  answer = CloseAction::Hide;
  mainForm.Close();
  EXPECT_TRUE(app.Terminated());
  EXPECT_TRUE(backend.messageLoopEnded);
  EXPECT_TRUE(mainForm.Visible());  // not hidden on the way out
  EXPECT_EQ(closes, (std::vector<std::string>{"other", "main", "main"}));
}

TEST_F(FormTest, TheStartUpShowFlagDecidesWhetherTheMainFormAppears) {
  Form form(app);
  form.CreateHandle();
  app.SetShowMainForm(false);
  app.ShowMainFormIfWanted();
  EXPECT_FALSE(backend.WindowOf(form)->IsVisible());
  app.SetShowMainForm(true);
  app.ShowMainFormIfWanted();
  EXPECT_TRUE(backend.WindowOf(form)->IsVisible());
}

TEST_F(FormTest, TimersTickAtTheirIntervalWhileEnabledAndReportWhatTheirHandlerThrows) {
  Timer timer(app);
  std::vector<std::int64_t> ticks;
  timer.OnTimer = [&](Timer& sender) {
    EXPECT_EQ(&sender, &timer);
    ticks.push_back(backend.Now());
  };
  timer.SetInterval(100);
  EXPECT_TRUE(timer.Running());
  backend.Advance(350);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300}));
  timer.SetEnabled(false);
  backend.Advance(500);
  EXPECT_EQ(ticks.size(), 3u);
  EXPECT_EQ(backend.RunningTimers(), 0u);
  timer.SetEnabled(true);  // counts from now again
  backend.Advance(100);
  EXPECT_EQ(ticks.back(), 950);

  timer.OnTimer = [](Timer&) { throw std::runtime_error("Bitmap image is not valid"); };
  backend.Advance(200);
  ASSERT_EQ(desktop.messageBoxes.size(), 2u);
  EXPECT_EQ(desktop.messageBoxes[1].text, u"Bitmap image is not valid.");
  EXPECT_EQ(desktop.messageBoxes[1].caption, u"Tintara");
  EXPECT_TRUE(timer.Running());

  timer.SetInterval(0);
  EXPECT_FALSE(timer.Running());
}

TEST_F(FormTest, TheColourDialogKeepsTheLastConfirmedColourAndTheCustomColoursForTheRun) {
  Form form(app);
  form.CreateHandle();
  ColorDialog dialog(form);
  EXPECT_EQ(dialog.Color(), 0x000000u);
  EXPECT_EQ(dialog.CustomColors()[0], ColorDialog::kEmptyCustomColor);

  backend.colorDialogUser = [](TColor, std::array<TColor, 16>& custom) {
    custom[3] = 0x123456;
    return std::optional<TColor>(0x00FF00);
  };
  EXPECT_EQ(dialog.Execute(), std::optional<TColor>(0x00FF00));
  backend.colorDialogUser = nullptr;  // cancels
  EXPECT_EQ(dialog.Execute(), std::nullopt);
  EXPECT_EQ(dialog.Color(), 0x00FF00u);

  ASSERT_EQ(backend.colorDialogs.size(), 2u);
  EXPECT_EQ(backend.colorDialogs[0].owner, form.Handle());
  EXPECT_EQ(backend.colorDialogs[0].initial, 0x000000u);
  EXPECT_EQ(backend.colorDialogs[1].initial, 0x00FF00u);
  EXPECT_EQ(backend.colorDialogs[1].customColors[3], 0x123456u);
  EXPECT_EQ(backend.colorDialogs[1].customColors[2], ColorDialog::kEmptyCustomColor);
}

TEST_F(FormTest, TheSaveDialogOpensWithTheNameItReturnedLast) {
  Form form(app);
  form.CreateHandle();
  SaveDialog dialog(form);
  dialog.SetFilter(u"ICON|*.ico");
  backend.saveDialogUser = [](const SaveDialogRequest&) {
    return std::optional<std::u16string>(u"C:\\icons\\logo");
  };
  EXPECT_EQ(dialog.Execute(), std::optional<std::u16string>(u"C:\\icons\\logo"));
  backend.saveDialogUser = nullptr;
  EXPECT_EQ(dialog.Execute(), std::nullopt);
  EXPECT_EQ(dialog.FileName(), u"C:\\icons\\logo");
  ASSERT_EQ(backend.saveDialogs.size(), 2u);
  EXPECT_EQ(backend.saveDialogs[0].fileName, u"");
  EXPECT_EQ(backend.saveDialogs[0].filter, u"ICON|*.ico");
  EXPECT_EQ(backend.saveDialogs[0].defaultExt, u"");
  EXPECT_EQ(backend.saveDialogs[1].fileName, u"C:\\icons\\logo");
  EXPECT_EQ(backend.saveDialogs[1].owner, form.Handle());
}

}  // namespace
}  // namespace tintara
