// The About window on the memory desktop: its click catcher, its width at each showing,
// the animation step and the modal showing from the main window's "?".
#include <gtest/gtest.h>

#include "FormMainFixture.h"
#include "app/FormAbout.h"

namespace tintara {
namespace {

using headless::PressOn;

tagRGBQUAD Quad(TColor c) {
  return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
          static_cast<std::uint8_t>(c), 0};
}

class FormAboutTest : public FormMainTest {
 protected:
  FormAboutTest() { desktop.systemColors[15] = kButtonFace; }

  static constexpr TColor kButtonFace = 0xF0F0F0;
};

TEST_F(FormAboutTest, AClickAnywhereAboveTheBottomStripLandsOnTheClickCatcher) {
  Form mainForm(app);
  mainForm.CreateHandle();
  TForm_About about(app);
  ASSERT_EQ(about.Children().back(), &about.Image_Over) << "on top of every control";
  EXPECT_EQ(about.Image_Over.Bounds(), (Rect{0, 0, 559, 204}));
  EXPECT_EQ(about.Gradient_BG.Bounds(), (Rect{0, 0, 559, 204}));
  EXPECT_EQ(about.Shape_Bottom.Bounds(), (Rect{0, 204, 559, 6}));
  const std::vector<const Control*> below = {&about.Label_Tittle, &about.Label9,
                                             &about.Image_TittleIcon, &about.Gradient_BG};
  for (const Control* over : below) {
    EXPECT_EQ(about.ControlAt(headless::CenterOf(*over)), &about.Image_Over) << over->Name();
  }
  EXPECT_EQ(about.ControlAt({300, 207}), &about.Shape_Bottom);
  EXPECT_EQ(about.ControlAt({300, 203}), &about.Image_Over);
  EXPECT_EQ(about.App().MainForm(), &mainForm);
}

TEST_F(FormAboutTest, EveryShowingMakesItAsWideAsThePrimaryScreenOnlyTheFirstCentresIt) {
  Form mainForm(app);
  mainForm.CreateHandle();
  TForm_About about(app);
  desktop.primaryScreenWidth = 1366;
  desktop.desktopBounds = {0, 0, 1366, 768};
  about.Show();
  EXPECT_EQ(backend.WindowOf(about)->Bounds(), (Rect{0, 279, 1366, 210}));
  EXPECT_EQ(about.Gradient_BG.Bounds(), (Rect{0, 0, 1366, 204}));
  EXPECT_EQ(about.Shape_Bottom.Bounds(), (Rect{0, 204, 1366, 6}));
  EXPECT_EQ(about.Label5.Left(), 289) << "labels keep their place";
  about.Hide();

  desktop.primaryScreenWidth = 1920;
  desktop.desktopBounds = {0, 0, 3286, 1080};
  about.MoveTo({5, 6});
  about.Show();
  EXPECT_EQ(backend.WindowOf(about)->Bounds(), (Rect{5, 6, 1920, 210}));
}

TEST_F(FormAboutTest, TheTimerRollsTheBandsThroughA199StepCycleShownOrNot) {
  Form mainForm(app);
  mainForm.CreateHandle();
  TForm_About about(app);
  TGradient& g = about.Gradient_BG;
  const PatternBitmap& pattern = g.Pattern();
  ASSERT_EQ(pattern.Width(), 1);
  ASSERT_EQ(pattern.Height(), 256);
  EXPECT_EQ(pattern.Pixel(0, 0), Quad(TForm_About::kLightBlue));
  EXPECT_EQ(pattern.Pixel(0, 255), Quad(kButtonFace));

  backend.Advance(30 * 99);
  EXPECT_EQ(g.Rotation(), -99);
  EXPECT_EQ(pattern.Pixel(0, 0), Quad(kButtonFace));
  EXPECT_EQ(pattern.Pixel(0, 252), Quad(TForm_About::kLightBlue)) << "the light band, low down";
  backend.Advance(30);
  EXPECT_EQ(g.Rotation(), 99);
  EXPECT_EQ(pattern.Pixel(0, 0), Quad(TForm_About::kLightBlue));
  EXPECT_EQ(pattern.Pixel(0, 3), Quad(kButtonFace)) << "the button-face band, high up";
  backend.Advance(30 * 98);
  EXPECT_EQ(g.Rotation(), 1);
  backend.Advance(30);
  EXPECT_EQ(g.Rotation(), 0);
  EXPECT_EQ(pattern.Pixel(0, 255), Quad(kButtonFace));
  EXPECT_FALSE(about.Visible());
}

TEST_F(FormAboutTest, TheQuestionMarkShowsItModallyUntilAClickAboveTheStrip) {
  TForm_Main& main = Create();
  TForm_About about(app);
  main.SetAboutWindow(&about);
  std::vector<TGradientRotation> seen;
  backend.modalUser = [&](Form& shown) {
    EXPECT_EQ(&shown, &about);
    EXPECT_TRUE(backend.WindowOf(about)->IsVisible());
    backend.Advance(300);  // the animation goes on inside the modal loop
    seen.push_back(about.Gradient_BG.Rotation());
    PressOn(about.Shape_Bottom);
    EXPECT_FALSE(about.ModalLoopDone()) << "the strip does not close it";
    PressOn(about.Label7);
    EXPECT_TRUE(about.ModalLoopDone());
  };
  PressOn(main.Label_About);
  EXPECT_FALSE(about.Visible());
  EXPECT_FALSE(backend.WindowOf(about)->IsVisible());
  PressOn(main.Label_About);
  EXPECT_EQ(backend.modalForms, (std::vector<const Form*>{&about, &about}));
  EXPECT_EQ(seen, (std::vector<TGradientRotation>{-10, -20}));
  EXPECT_FALSE(app.Terminated());
}

}  // namespace
}  // namespace tintara
