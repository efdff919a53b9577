// A form's input entry point: hover, presses, clicks, the error report.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/memory/MemoryDesktop.h"
#include "widgets/CheckBox.h"
#include "widgets/Form.h"
#include "widgets/Label.h"
#include "widgets/Panel.h"
#include "widgets/Shape.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

using headless::Press;

class InputTest : public ::testing::Test {
 protected:
  InputTest() {
    form.SetClientSize(300, 200);
    panel.SetName("panel");
    panel.SetBounds(0, 0, 300, 50);
    panel.SetParent(&form);
    label.SetName("label");
    label.SetAutoSize(false);
    label.SetBounds(10, 10, 40, 20);
    label.SetParent(&panel);
    shape.SetName("shape");
    shape.SetBounds(100, 100, 20, 20);
    shape.SetParent(&form);
    box.SetName("box");
    box.SetBounds(10, 150, 100, 17);
    box.SetParent(&form);
    for (Control* c : std::vector<Control*>{&form, &panel, &label, &shape, &box}) Record(*c);
    form.CreateHandle();
  }

  void Record(Control& c) {
    const std::string name = c.Name().empty() ? "form" : c.Name();
    c.OnMouseEnter = [this, name](Control&) { events.push_back("enter " + name); };
    c.OnMouseLeave = [this, name](Control&) { events.push_back("leave " + name); };
  }

  MemoryDesktop desktop;
  headless::HeadlessBackend backend{desktop};
  Application app{backend, u"Tintara"};
  Form form{app};
  Panel panel;
  Label label{u"label"};
  Shape shape;
  CheckBox box{u"box"};
  std::vector<std::string> events;
};

TEST_F(InputTest, PointerMovesRaiseEnterAndLeaveForTheControlUnderThePointerOnly) {
  form.PointerMove({20, 20});
  form.PointerMove({25, 22});  // still on the label: nothing new
  form.PointerMove({200, 20});
  form.PointerMove({110, 110});
  form.PointerMove({200, 150});
  form.PointerLeave();
  EXPECT_EQ(events,
            (std::vector<std::string>{"enter label", "leave label", "enter panel", "leave panel",
                                      "enter shape", "leave shape", "enter form", "leave form"}));
  EXPECT_EQ(form.HoveredControl(), nullptr);
}

TEST_F(InputTest, APressGoesToTheControlUnderThePointerAndNeverFallsThrough) {
  std::vector<std::string> presses;
  auto recordPress = [&](const char* who) {
    return [&presses, who](Control& sender, MouseButton button, ShiftState shift, int x, int y) {
      presses.push_back(std::string(who) + " " + std::to_string(static_cast<int>(button)) + " " +
                        std::to_string(x) + "," + std::to_string(y) + (shift.right ? " R" : ""));
      (void)sender;
    };
  };
  form.OnMouseDown = recordPress("form");
  label.OnMouseDown = recordPress("label");

  Press(form, MouseButton::Right, {15, 12});     // label: its own coordinates
  Press(form, MouseButton::Left, {200, 20});     // panel without a handler: swallowed
  Press(form, MouseButton::Middle, {105, 105});  // shape without a handler: swallowed
  Press(form, MouseButton::Left, {200, 120});    // the form's own background
  EXPECT_EQ(presses, (std::vector<std::string>{"label 1 5,2 R", "form 0 200,120"}));

  // A control transparent to the mouse lets the press through to what lies below.
  shape.SetMouseTransparent(true);
  Press(form, MouseButton::Middle, {105, 105});
  EXPECT_EQ(presses.back(), "form 2 105,105");
  // A disabled control takes the press and does nothing with it.
  label.SetEnabled(false);
  Press(form, MouseButton::Left, {15, 12});
  EXPECT_EQ(presses.size(), 3u);
}

TEST_F(InputTest, AClickIsALeftPressAndReleaseOnTheSameControl) {
  int clicks = 0;
  label.OnClick = [&](Control& sender) {
    EXPECT_EQ(&sender, &label);
    ++clicks;
  };
  Press(form, MouseButton::Left, {15, 15});
  EXPECT_EQ(clicks, 1);
  Press(form, MouseButton::Right, {15, 15});
  Press(form, MouseButton::Middle, {15, 15});
  EXPECT_EQ(clicks, 1);
  form.ButtonDown(MouseButton::Left, {}, {15, 15});
  form.ButtonUp(MouseButton::Left, {}, {200, 20});  // released elsewhere
  EXPECT_EQ(clicks, 1);
  form.ButtonUp(MouseButton::Left, {}, {15, 15});  // a release without a press
  EXPECT_EQ(clicks, 1);
}

TEST_F(InputTest, AClickOnTheCheckBoxTurnsItOverAndFocusesIt) {
  std::vector<bool> seen;
  box.OnClick = [&](Control&) { seen.push_back(box.Checked()); };
  form.SetActiveControl(nullptr);
  headless::PressOn(box);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(form.ActiveControl(), &box);
  headless::PressOn(box, MouseButton::Right);
  EXPECT_TRUE(box.Checked());
  headless::PressOn(box);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  // Labels and shapes never take the focus.
  form.SetActiveControl(&label);
  EXPECT_EQ(form.ActiveControl(), &box);
  // The native button follows every change, whoever made it.
  headless::HeadlessWindow* window = backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  window->nativeChanges.clear();
  box.SetChecked(true);
  ASSERT_EQ(window->nativeChanges.size(), 1u);
  EXPECT_EQ(window->nativeChanges[0], &box);
}

TEST_F(InputTest, WhatEscapesAHandlerGoesToTheGeneralErrorReportAndInputGoesOn) {
  label.OnClick = [](Control&) {
    throw std::runtime_error("Cannot remove shell notification icon");
  };
  shape.OnMouseEnter = [](Control&) { throw std::runtime_error("Stream write error."); };
  Press(form, MouseButton::Left, {15, 15});
  form.PointerMove({105, 105});
  ASSERT_EQ(desktop.messageBoxes.size(), 2u);
  EXPECT_EQ(desktop.messageBoxes[0].caption, u"Tintara");
  EXPECT_EQ(desktop.messageBoxes[0].text, u"Cannot remove shell notification icon.");
  EXPECT_EQ(desktop.messageBoxes[0].icon, MessageIcon::Error);
  EXPECT_EQ(desktop.messageBoxes[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(desktop.messageBoxes[1].text, u"Stream write error.");
  EXPECT_EQ(form.HoveredControl(), &shape);
}

}  // namespace
}  // namespace tintara
