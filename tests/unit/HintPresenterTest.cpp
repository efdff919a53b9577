// The hint presenter's timing: wait, fade in, stay, fade out.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/memory/MemoryDesktop.h"
#include "widgets/HintPresenter.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

using Phase = HintPresenter::Phase;

class HintTest : public ::testing::Test {
 protected:
  std::vector<int> Opacities() const {
    std::vector<int> values;
    for (const HintFrame& f : backend.hintFrames) values.push_back(f.opacity);
    return values;
  }

  MemoryDesktop desktop;
  headless::HeadlessBackend backend{desktop};
  headless::TimerHintStage stage{backend};
  HintPresenter hints{stage};
};

TEST(HintOpacity, TenEvenStepsFromInvisibleToOpaque) {
  EXPECT_EQ(HintPresenter::OpacityAtStep(0), 0);
  EXPECT_EQ(HintPresenter::OpacityAtStep(1), 26);
  EXPECT_EQ(HintPresenter::OpacityAtStep(5), 128);
  EXPECT_EQ(HintPresenter::OpacityAtStep(9), 230);
  EXPECT_EQ(HintPresenter::OpacityAtStep(10), 255);
}

TEST_F(HintTest, NothingAppearsWhenThePointerLeavesWithinTheWait) {
  hints.PointerEntered(u"Click to change the mode.", {400, 300});
  backend.Advance(499);
  EXPECT_EQ(hints.CurrentPhase(), Phase::Waiting);
  hints.PointerLeft();
  backend.Advance(2000);
  EXPECT_EQ(hints.CurrentPhase(), Phase::Idle);
  EXPECT_TRUE(backend.hintFrames.empty());
  EXPECT_EQ(backend.RunningTimers(), 0u);
}

TEST_F(HintTest, AfterTheWaitItFadesInOverTenStepsAndStaysWhileThePointerStays) {
  hints.PointerEntered(u"Click here to save rendered icon.", {210, 90});
  backend.Advance(500);
  ASSERT_EQ(backend.hintFrames.size(), 1u);
  EXPECT_EQ(backend.hintFrames[0].text, u"Click here to save rendered icon.");
  EXPECT_EQ(backend.hintFrames[0].position, (Point{210, 90}));
  EXPECT_EQ(hints.CurrentPhase(), Phase::FadingIn);
  backend.Advance(20 * 8);
  EXPECT_EQ(hints.Level(), 9);
  backend.Advance(20);
  EXPECT_EQ(hints.CurrentPhase(), Phase::Shown);
  EXPECT_EQ(Opacities(), (std::vector<int>{26, 51, 77, 102, 128, 153, 179, 204, 230, 255}));
  // It never goes on its own.
  backend.Advance(60000);
  EXPECT_EQ(backend.hintFrames.size(), 10u);
  ASSERT_TRUE(backend.hintWindow.has_value());
  EXPECT_EQ(backend.hintWindow->opacity, 255);
  EXPECT_EQ(backend.RunningTimers(), 0u);
}

TEST_F(HintTest, LeavingFadesItOutOverTenStepsAndRemovesIt) {
  hints.PointerEntered(u"Click here to change Aero color manually.", {480, 90});
  backend.Advance(1000);
  backend.hintFrames.clear();
  hints.PointerLeft();
  EXPECT_EQ(hints.CurrentPhase(), Phase::FadingOut);
  backend.Advance(20 * 9);
  EXPECT_EQ(Opacities(), (std::vector<int>{230, 204, 179, 153, 128, 102, 77, 51, 26}));
  EXPECT_TRUE(backend.hintWindow.has_value());
  backend.Advance(20);
  EXPECT_FALSE(backend.hintWindow.has_value());
  EXPECT_EQ(backend.hintWindowsRemoved, 1);
  EXPECT_EQ(hints.CurrentPhase(), Phase::Idle);
  EXPECT_EQ(backend.RunningTimers(), 0u);
}

TEST_F(HintTest, EnteringAnotherControlStartsAFreshWait) {
  hints.PointerEntered(u"first", {1, 1});
  backend.Advance(1000);
  hints.PointerLeft();
  backend.Advance(40);
  hints.PointerEntered(u"second", {2, 2});
  EXPECT_FALSE(backend.hintWindow.has_value());  // the old one goes at once
  EXPECT_EQ(hints.CurrentPhase(), Phase::Waiting);
  backend.Advance(499);
  EXPECT_FALSE(backend.hintWindow.has_value());
  backend.Advance(1);
  ASSERT_TRUE(backend.hintWindow.has_value());
  EXPECT_EQ(backend.hintWindow->text, u"second");
}

// A stage that only records what it is asked, so the presenter's requests of any stage
// (a worker thread's clock among them) can be read off.
class RecordingStage final : public HintStage {
 public:
  void StartSteps(std::uint32_t intervalMs, std::function<void()> onStep) override {
    calls.push_back("start " + std::to_string(intervalMs));
    step = std::move(onStep);
  }
  void StopSteps() override {
    calls.push_back("stop");
    step = nullptr;
  }
  void Show(const HintFrame& frame) override {
    calls.push_back("show " + std::to_string(frame.opacity));
  }
  void Remove() override { calls.push_back("remove"); }

  std::vector<std::string> calls;
  std::function<void()> step;
};

TEST(HintStageRequests, OneCadenceAtATimeAndNoStepLeftRunningWhenItRests) {
  RecordingStage stage;
  {
    HintPresenter hints{stage};
    hints.PointerEntered(u"hint", {5, 6});
    ASSERT_TRUE(stage.step);
    stage.step();  // the wait is over
    for (int i = 0; i < 9; ++i) stage.step();
    EXPECT_EQ(hints.CurrentPhase(), Phase::Shown);
    EXPECT_FALSE(stage.step);
    hints.PointerLeft();
    for (int i = 0; i < 10; ++i) {
      ASSERT_TRUE(stage.step) << i;
      stage.step();
    }
    EXPECT_FALSE(stage.step);
  }
  const std::vector<std::string> expected{
      "start 500", "show 26",  "stop",     "start 20", "show 51",  "show 77",  "show 102",
      "show 128",  "show 153", "show 179", "show 204", "show 230", "show 255", "stop",
      "start 20",  "show 230", "show 204", "show 179", "show 153", "show 128", "show 102",
      "show 77",   "show 51",  "show 26",  "stop",     "remove"};
  EXPECT_EQ(stage.calls, expected);
}

TEST(HintStageRequests, GoingAwayRemovesAWindowThatIsUp) {
  RecordingStage stage;
  {
    HintPresenter hints{stage};
    hints.PointerEntered(u"hint", {5, 6});
    stage.step();
    stage.calls.clear();
  }
  EXPECT_EQ(stage.calls, (std::vector<std::string>{"stop", "remove"}));
}

}  // namespace
}  // namespace tintara
