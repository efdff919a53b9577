// The control tree: z-order, docking, hit-testing, fonts and colours, label sizing.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/memory/MemoryDesktop.h"
#include "widgets/Form.h"
#include "widgets/Label.h"
#include "widgets/Panel.h"
#include "widgets/Shape.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

class TreeTest : public ::testing::Test {
 protected:
  TreeTest() { form.SetClientSize(300, 200); }

  MemoryDesktop desktop;
  headless::HeadlessBackend backend{desktop};
  Application app{backend, u"Test"};
  Form form{app};
};

TEST_F(TreeTest, ParentsKeepChildrenInZOrderAndChildrenUnhookWhenTheyGo) {
  Panel a, b, c;
  a.SetParent(&form);
  b.SetParent(&form);
  c.SetParent(&form);
  EXPECT_EQ(form.Children(), (std::vector<Control*>{&a, &b, &c}));
  a.BringToFront();
  EXPECT_EQ(form.Children(), (std::vector<Control*>{&b, &c, &a}));
  a.SendToBack();
  EXPECT_EQ(form.Children(), (std::vector<Control*>{&a, &b, &c}));
  b.SetParent(&a);
  EXPECT_EQ(form.Children(), (std::vector<Control*>{&a, &c}));
  EXPECT_EQ(b.Parent(), &a);
  EXPECT_EQ(b.OwnerForm(), &form);
  {
    Shape gone;
    gone.SetParent(&b);
    ASSERT_EQ(b.Children().size(), 1u);
  }
  EXPECT_TRUE(b.Children().empty());
  EXPECT_EQ(Panel().OwnerForm(), nullptr);
}

TEST_F(TreeTest, DockedControlsStackFromTheEdgesAndTheClientTakesTheRest) {
  Panel top1, top2, bottom, client, hiddenTop;
  top2.SetBounds(0, 50, 10, 20);
  top2.SetAlign(Align::Top);
  top1.SetBounds(5, 0, 10, 30);
  top1.SetAlign(Align::Top);
  bottom.SetBounds(0, 190, 10, 4);
  bottom.SetAlign(Align::Bottom);
  client.SetAlign(Align::Client);
  hiddenTop.SetBounds(0, 0, 10, 99);
  hiddenTop.SetAlign(Align::Top);
  hiddenTop.SetVisible(false);
  for (Control* c : std::vector<Control*>{&top2, &top1, &bottom, &client, &hiddenTop}) {
    c->SetParent(&form);
  }
  // Ordered by their top edges, whatever the z-order; at equal edges the control that
  // was placed last wins; hidden ones take no room.
  EXPECT_EQ(top1.Bounds(), (Rect{0, 0, 300, 30}));
  EXPECT_EQ(top2.Bounds(), (Rect{0, 30, 300, 20}));
  EXPECT_EQ(bottom.Bounds(), (Rect{0, 196, 300, 4}));
  EXPECT_EQ(client.Bounds(), (Rect{0, 50, 300, 146}));

  form.SetClientSize(400, 300);
  EXPECT_EQ(bottom.Bounds(), (Rect{0, 296, 400, 4}));
  EXPECT_EQ(client.Bounds(), (Rect{0, 50, 400, 246}));
  // Equal top edges: the control that is being placed goes first.
  hiddenTop.SetVisible(true);
  EXPECT_EQ(hiddenTop.Bounds(), (Rect{0, 0, 400, 99}));
  EXPECT_EQ(top1.Top(), 99);
  EXPECT_EQ(top2.Top(), 129);
}

TEST_F(TreeTest, HitTestingTakesTheTopmostDeepestControlAndSkipsHiddenAndMouseTransparent) {
  Panel panel;
  panel.SetBounds(10, 10, 100, 50);
  panel.SetParent(&form);
  Shape under, over;
  under.SetBounds(0, 0, 40, 40);
  over.SetBounds(20, 0, 40, 40);
  under.SetParent(&panel);
  over.SetParent(&panel);

  EXPECT_EQ(form.ControlAt({15, 15}), &under);
  EXPECT_EQ(form.ControlAt({35, 15}), &over);  // both there: the later one is on top
  EXPECT_EQ(form.ControlAt({105, 55}), &panel);
  EXPECT_EQ(form.ControlAt({200, 150}), &form);
  EXPECT_EQ(form.ControlAt({300, 10}), nullptr);
  over.SetVisible(false);
  EXPECT_EQ(form.ControlAt({35, 15}), &under);
  under.SetMouseTransparent(true);
  EXPECT_EQ(form.ControlAt({35, 15}), &panel);
  // A child reaching past its parent is cut off there.
  Shape sticking;
  sticking.SetBounds(90, 40, 50, 50);
  sticking.SetParent(&panel);
  EXPECT_EQ(form.ControlAt({140, 80}), &form);
  EXPECT_EQ(sticking.BoundsOnForm(), (Rect{100, 50, 50, 50}));
}

TEST_F(TreeTest, FontsAndColoursComeFromTheParentUntilAControlHasItsOwn) {
  Font formFont;
  formFont.family = u"Segoe UI";
  formFont.heightPx = 11;
  form.SetFont(formFont);
  form.SetColor(0xFFFFFF);
  Panel panel;
  panel.SetParent(&form);
  Label label(u"x");
  label.SetParent(&panel);
  EXPECT_EQ(label.GetFont(), formFont);
  EXPECT_EQ(label.Color(), 0xFFFFFFu);
  panel.SetColor(0xFFF5ED);
  EXPECT_EQ(label.Color(), 0xFFF5EDu);

  label.SetFontColor(0x808080);
  EXPECT_TRUE(label.HasOwnFont());
  EXPECT_EQ(label.GetFont().color, 0x808080u);
  EXPECT_EQ(label.GetFont().family, u"Segoe UI");
  formFont.family = u"Consolas";
  form.SetFont(formFont);
  EXPECT_EQ(label.GetFont().family, u"Segoe UI");  // it has its own now
}

TEST(LabelSizing, AutoSizedBoundsKeepTheEdgeTheAlignmentNames) {
  const Rect design{384, 93, 64, 13};
  EXPECT_EQ(AutoSizedBounds(design, {96, 13}, TextAlign::Left), (Rect{384, 93, 96, 13}));
  EXPECT_EQ(AutoSizedBounds(design, {96, 13}, TextAlign::Right), (Rect{352, 93, 96, 13}));
  EXPECT_EQ(AutoSizedBounds(design, {40, 13}, TextAlign::Right), (Rect{408, 93, 40, 13}));
  EXPECT_EQ(AutoSizedBounds(design, {40, 15}, TextAlign::Center), (Rect{396, 93, 40, 15}));
}

TEST_F(TreeTest, LabelsMeasureThemselvesOnceTheWindowExistsAndOnEveryChange) {
  std::vector<std::u16string> measured;
  backend.textMeasurer = [&](std::u16string_view text, const Font& font) {
    measured.emplace_back(text);
    return Size{static_cast<int>(text.size()) * 5, font.heightPx + 2};
  };
  Label left(u"abc");
  left.SetBounds(10, 10, 64, 13);
  left.SetParent(&form);
  Label right(u"abcd");
  right.SetBounds(100, 10, 64, 13);
  right.SetAlignment(TextAlign::Right);
  right.SetParent(&form);
  EXPECT_TRUE(measured.empty());  // no window, no measuring
  EXPECT_EQ(left.Bounds(), (Rect{10, 10, 64, 13}));

  form.CreateHandle();
  EXPECT_EQ(left.Bounds(), (Rect{10, 10, 15, 13}));
  EXPECT_EQ(right.Bounds(), (Rect{144, 10, 20, 13}));
  right.SetCaption(u"abcdefgh");
  EXPECT_EQ(right.Bounds(), (Rect{124, 10, 40, 13}));
  Font big = right.GetFont();
  big.heightPx = 20;
  right.SetFont(big);
  EXPECT_EQ(right.Bounds(), (Rect{124, 10, 40, 22}));
  const std::size_t before = measured.size();
  right.SetFontColor(0x000000);  // colour only: nothing to measure
  EXPECT_EQ(measured.size(), before);

  Label fixed(u"long text here");
  fixed.SetAutoSize(false);
  fixed.SetBounds(0, 30, 20, 13);
  fixed.SetParent(&form);
  EXPECT_EQ(fixed.Bounds(), (Rect{0, 30, 20, 13}));
  // Joining a realised form measures at once.
  Label late(u"ab");
  late.SetParent(&form);
  EXPECT_EQ(late.Width(), 10);
}

TEST_F(TreeTest, ChangesReachTheWindowAsRepaintsOrAsNativeUpdates) {
  Label label(u"a");
  label.SetBounds(10, 20, 30, 13);
  label.SetParent(&form);
  label.SetAutoSize(false);
  form.CreateHandle();
  headless::HeadlessWindow* window = backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  window->invalidated.clear();
  label.SetFontColor(0x000000);
  ASSERT_FALSE(window->invalidated.empty());
  EXPECT_EQ(window->invalidated.back(), (Rect{10, 20, 30, 13}));
  window->invalidated.clear();
  label.SetBounds(50, 20, 30, 13);
  // Both the old and the new place.
  EXPECT_NE(std::find(window->invalidated.begin(), window->invalidated.end(), Rect{10, 20, 30, 13}),
            window->invalidated.end());
  EXPECT_NE(std::find(window->invalidated.begin(), window->invalidated.end(), Rect{50, 20, 30, 13}),
            window->invalidated.end());
}

}  // namespace
}  // namespace tintara
