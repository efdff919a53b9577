#include <gtest/gtest.h>

#include <vector>

#include "widgets/CheckBox.h"
#include "widgets/Label.h"

namespace tintara {
namespace {

TEST(Label, ClickRunsTheBoundHandlerWithTheLabelAsSender) {
  Label label(u"(color mode)");
  EXPECT_EQ(label.Caption(), u"(color mode)");
  label.Click();  // nothing bound: nothing happens

  std::vector<const Control*> senders;
  label.OnClick = [&](Control& sender) { senders.push_back(&sender); };
  label.Click();
  label.Click();
  ASSERT_EQ(senders.size(), 2u);
  EXPECT_EQ(senders[0], &label);
  label.SetCaption(u"");
  EXPECT_EQ(label.Caption(), u"");
}

TEST(CheckBox, EveryChangeOfStateRunsOnClickWhichSeesTheNewState) {
  CheckBox box(u"Run program at Windows startup");
  EXPECT_FALSE(box.Checked());

  std::vector<bool> seen;
  box.OnClick = [&](Control& sender) {
    EXPECT_EQ(&sender, &box);
    seen.push_back(box.Checked());
  };
  box.SetChecked(false);  // no change: no click
  EXPECT_TRUE(seen.empty());
  box.SetChecked(true);  // by code
  box.SetChecked(true);  // again: no change
  box.Toggle();          // by the user
  box.Toggle();
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(box.Checked());

  box.OnClick = nullptr;
  box.Toggle();  // unbound: the state still changes
  EXPECT_FALSE(box.Checked());
}

}  // namespace
}  // namespace tintara
