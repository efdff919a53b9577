// The gradient control: its builds (and when they are held back), the system colours,
// the custom style and the geometry of its painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "gradient/Gradient.h"
#include "platform/memory/MemoryDesktop.h"
#include "widgets/Form.h"
#include "widgets/Painter.h"
#include "widgets/RecordingCanvas.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

using Op = CanvasCall::Op;
using S = TGradientStyle;

constexpr TColor kButtonFace = 0xD4D0C8;
constexpr TColor kActiveBorder = 0x808080;
constexpr TColor kCaption = 0x6A240A;
constexpr TColor kCaptionGradient = 0xF0CAA6;

tagRGBQUAD Quad(TColor c) {
  return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
          static_cast<std::uint8_t>(c), 0};
}

class GradientTest : public ::testing::Test {
 protected:
  GradientTest() {
    desktop.systemColors[15] = kButtonFace;
    desktop.systemColors[10] = kActiveBorder;
    desktop.systemColors[kColorActiveCaption] = kCaption;
    desktop.systemColors[kColorGradientActiveCaption] = kCaptionGradient;
  }

  // Counts the builds of a gsCustom gradient through its handler.
  void CountBuilds(TGradient& g) {
    g.SetStyle(S::gsCustom);
    g.SetOnCustom([this](TGradient&, const TGradientColors&, PatternBitmap& pattern) {
      ++builds;
      pattern.SetSize(1, 1);
    });
  }

  // The next SystemColor reads after this one: the `failing`-th of them throws.
  void FailSystemColorRead(int failing) {
    int reads = 0;
    desktop.beforeCall = [reads, failing](std::string_view operation) mutable {
      if (operation == "SystemColor" && ++reads == failing) {
        throw std::runtime_error("No such colour");
      }
    };
  }

  int SystemColorReads() const {
    return static_cast<int>(std::count(desktop.calls.begin(), desktop.calls.end(), "SystemColor"));
  }

  MemoryDesktop desktop;
  int builds = 0;
};

TEST_F(GradientTest, StartsAsARadialPatternFromWhiteToTheButtonFace) {
  TGradient g(desktop);
  EXPECT_EQ(g.Bounds(), (Rect{0, 0, 100, 100}));
  ASSERT_EQ(g.Pattern().Width(), 362);
  ASSERT_EQ(g.Pattern().Height(), 362);
  EXPECT_EQ(g.Pattern().Pixel(180, 181), Quad(0xFFFFFF));
  EXPECT_EQ(g.Pattern().Pixel(361, 0), Quad(kButtonFace)) << "the system colour, read";
  PatternBitmap copy;
  EXPECT_TRUE(g.CopyPatternTo(&copy));
  EXPECT_EQ(copy, g.Pattern());
  EXPECT_FALSE(g.CopyPatternTo(nullptr));
}

TEST_F(GradientTest, SettersClampAndOnlyADifferentValueRebuilds) {
  TGradient g(desktop);
  CountBuilds(g);
  EXPECT_EQ(builds, 0) << "assigning the handler builds nothing";
  g.InvalidatePattern();
  EXPECT_EQ(builds, 1);

  g.SetShift(120);
  EXPECT_EQ(g.Shift(), 100);
  g.SetShift(127);  // clamps to the value it has
  g.SetRotation(-128);
  EXPECT_EQ(g.Rotation(), -100);
  g.SetRotation(-100);
  EXPECT_EQ(builds, 3);
  g.SetReverse(true);
  g.SetReverse(true);
  g.SetColorBegin(0xFFFFFF);  // the default it has
  g.SetColorEnd(0x123456);
  g.SetStyle(S::gsCustom);
  EXPECT_EQ(builds, 5);
  // Look only: repainted, not rebuilt.
  g.SetShape(TShapeType::stCircle);
  g.SetBorderWidth(3);
  g.SetBorderColor(0x00FF00);
  EXPECT_EQ(builds, 5);
  EXPECT_THROW(g.SetStyle(static_cast<S>(25)), std::invalid_argument);
  EXPECT_EQ(g.Style(), S::gsCustom);
}

TEST_F(GradientTest, UpdatesAndLoadingFoldChangesIntoOneBuild) {
  TGradient g(desktop);
  CountBuilds(g);
  PatternBitmap copy;
  g.BeginUpdate();
  g.BeginUpdate();
  g.SetShift(20);
  g.SetRotation(7);
  g.SetReverse(true);
  EXPECT_FALSE(g.CopyPatternTo(&copy));
  g.EndUpdate();
  EXPECT_EQ(builds, 0);
  EXPECT_FALSE(g.CopyPatternTo(&copy)) << "still stale";
  g.EndUpdate();
  EXPECT_EQ(builds, 1);
  EXPECT_TRUE(g.CopyPatternTo(&copy));

  g.BeginUpdate();
  EXPECT_FALSE(g.CopyPatternTo(&copy)) << "refused while an update is open, ready or not";
  g.EndUpdate();
  EXPECT_EQ(builds, 1) << "nothing changed, nothing built";

  TGradient loaded(desktop);
  loaded.BeginLoading();
  loaded.SetStyle(S::gsLinearV);
  loaded.SetColorBegin(0x0000FF);
  loaded.SetRotation(-40);
  EXPECT_FALSE(loaded.CopyPatternTo(&copy));
  EXPECT_EQ(loaded.Pattern().Width(), 362) << "the constructor's pattern, untouched";
  loaded.Loaded();
  ASSERT_TRUE(loaded.CopyPatternTo(&copy));
  EXPECT_EQ(copy.Width(), 1);
  EXPECT_EQ(copy.Height(), 256);
}

TEST_F(GradientTest, SystemColoursAreFollowedUntilAColourIsSetByHand) {
  TGradient g(desktop);
  CountBuilds(g);
  g.SetUseSysColors(true);
  EXPECT_EQ(g.ColorBegin(), kCaption);
  EXPECT_EQ(g.ColorEnd(), kCaptionGradient);
  EXPECT_TRUE(g.UseSysColors());
  EXPECT_EQ(builds, 1) << "both colours changed, one build";

  desktop.systemColors[kColorActiveCaption] = 0x111111;
  g.NotifySettingsChanged();
  EXPECT_EQ(g.ColorBegin(), 0x111111u);
  EXPECT_EQ(builds, 2);

  g.SetColorEnd(kCaptionGradient);  // the value it has: still following
  EXPECT_TRUE(g.UseSysColors());
  g.SetColorEnd(0x00FF00);
  EXPECT_FALSE(g.UseSysColors());
  EXPECT_EQ(g.ColorBegin(), 0x111111u) << "the other colour stays";
  const int reads = SystemColorReads();
  g.NotifySettingsChanged();
  EXPECT_EQ(SystemColorReads(), reads) << "no longer following";

  g.SetUseSysColors(true);
  g.SetUseSysColors(false);
  EXPECT_EQ(g.ColorEnd(), kCaptionGradient) << "turning it off keeps the colours";
}

TEST_F(GradientTest, AnUnreadableSecondCaptionColourGivesOneColourAtBothEnds) {
  TGradient g(desktop);
  g.SetStyle(S::gsLinearH);
  FailSystemColorRead(2);
  EXPECT_NO_THROW(g.SetUseSysColors(true));
  EXPECT_EQ(g.ColorBegin(), kCaption);
  EXPECT_EQ(g.ColorEnd(), kCaption);
  EXPECT_FALSE(g.UseSysColors());
  PatternBitmap copy;
  ASSERT_TRUE(g.CopyPatternTo(&copy));
  EXPECT_EQ(copy.Pixel(0, 0), Quad(kCaption));
  EXPECT_EQ(copy.Pixel(255, 0), Quad(kCaption));

  // The first colour failing is the caller's; the update is closed all the same.
  FailSystemColorRead(1);
  EXPECT_THROW(g.SetUseSysColors(true), std::runtime_error);
  desktop.beforeCall = nullptr;
  g.SetStyle(S::gsLinearV);
  EXPECT_TRUE(g.CopyPatternTo(&copy));
}

TEST_F(GradientTest, TheCustomStyleWithoutAHandlerShowsFourQuadrantsOfThePlainColours) {
  TGradient g(desktop);
  g.SetColorBegin(0x0000FF);
  g.SetShift(50);
  g.SetRotation(30);
  g.SetStyle(S::gsCustom);
  const PatternBitmap& p = g.Pattern();
  ASSERT_EQ(p.Width(), 2);
  ASSERT_EQ(p.Height(), 2);
  EXPECT_EQ(p.Pixel(0, 0), Quad(0x0000FF));
  EXPECT_EQ(p.Pixel(1, 0), Quad(kButtonFace));
  EXPECT_EQ(p.Pixel(0, 1), Quad(kButtonFace));
  EXPECT_EQ(p.Pixel(1, 1), Quad(0x0000FF));
  g.SetReverse(true);
  EXPECT_EQ(p.Pixel(0, 0), Quad(kButtonFace));

  // A handler that fails: the error reaches the caller and nothing is painted until a
  // build succeeds.
  g.SetOnCustom([](TGradient&, const TGradientColors&, PatternBitmap&) {
    throw std::runtime_error("Cannot draw");
  });
  EXPECT_THROW(g.InvalidatePattern(), std::runtime_error);
  RecordingCanvas failed({0, 0, 100, 100});
  g.Paint(failed);
  EXPECT_TRUE(failed.calls.empty());
  g.SetOnCustom(nullptr);
  g.InvalidatePattern();
  RecordingCanvas painted({0, 0, 100, 100});
  g.Paint(painted);
  ASSERT_EQ(painted.calls.size(), 1u);
  EXPECT_EQ(painted.calls[0].imageSize, (Size{2, 2}));
}

TEST_F(GradientTest, PaintFillsTheShapeBoxClipsToTheShapeAndOutlinesIt) {
  TGradient g(desktop);
  g.SetBounds(0, 0, 100, 60);
  auto paint = [&g] {
    RecordingCanvas canvas({0, 0, 100, 60});
    g.Paint(canvas);
    return canvas;
  };
  {
    const RecordingCanvas plain = paint();
    ASSERT_EQ(plain.calls.size(), 1u);
    EXPECT_EQ(plain.calls[0].op, Op::DrawScaledBgrx);
    EXPECT_EQ(plain.calls[0].rect, (Rect{0, 0, 100, 60}));
    EXPECT_EQ(plain.calls[0].imageSize, (Size{362, 362}));
    EXPECT_FALSE(plain.calls[0].shapeClip.has_value());
  }
  g.SetBorderWidth(1);
  {
    const RecordingCanvas framed = paint();
    ASSERT_EQ(framed.calls.size(), 2u);
    EXPECT_EQ(framed.calls[0].rect, (Rect{0, 0, 100, 60}));
    EXPECT_FALSE(framed.calls[0].shapeClip.has_value());
    EXPECT_EQ(framed.calls[1].op, Op::DrawRectangle);
    EXPECT_EQ(framed.calls[1].rect, (Rect{0, 0, 100, 60})) << "on the outermost pixels";
    EXPECT_EQ(framed.calls[1].pen, (Pen{kActiveBorder, PenStyle::Solid, 1}));
    EXPECT_FALSE(framed.calls[1].brush.has_value());
  }
  g.SetBorderWidth(4);
  g.SetShape(TShapeType::stCircle);
  {
    // Box 97 x 57, m = 57, centred: (22, 2) to (79, 59).
    const RecordingCanvas circle = paint();
    ASSERT_EQ(circle.calls.size(), 2u);
    EXPECT_EQ(circle.calls[0].rect, (Rect{22, 2, 57, 57}));
    EXPECT_EQ(circle.calls[0].shapeClip,
              (CanvasCall::ShapeClip{RegionShape::Ellipse, {22, 2, 57, 57}, {14, 14}}));
    EXPECT_EQ(circle.calls[1].op, Op::DrawEllipse);
    EXPECT_EQ(circle.calls[1].rect, (Rect{22, 2, 57, 57}));
    EXPECT_EQ(circle.calls[1].pen.width, 4);
    EXPECT_FALSE(circle.calls[1].shapeClip.has_value()) << "the outline is not clipped";
  }
  g.SetBorderWidth(0);
  g.SetShape(TShapeType::stRoundRect);
  {
    const RecordingCanvas round = paint();
    ASSERT_EQ(round.calls.size(), 1u);
    EXPECT_EQ(round.calls[0].rect, (Rect{0, 0, 100, 60}));
    EXPECT_EQ(round.calls[0].shapeClip,
              (CanvasCall::ShapeClip{RegionShape::RoundRect, {0, 0, 100, 60}, {15, 15}}));
  }
  g.BeginUpdate();
  g.SetStyle(S::gsDiamond);
  EXPECT_TRUE(paint().calls.empty()) << "a stale pattern paints nothing";
  g.EndUpdate();
  EXPECT_EQ(paint().calls[0].imageSize, (Size{256, 256}));
}

TEST_F(GradientTest, OnlyARectangleHidesWhatLiesBeneathAndHoverFiresItsEvents) {
  headless::HeadlessBackend backend(desktop);
  Application app(backend);
  Form form(app);
  form.SetClientSize(100, 60);
  TGradient g(desktop);
  g.SetAlign(Align::Client);
  g.SetParent(&form);
  form.CreateHandle();
  auto formBackgrounds = [&form] {
    RecordingCanvas canvas({0, 0, 100, 60});
    PaintControlTree(form, canvas);
    return canvas.Calls(Op::FillRect).size();
  };
  EXPECT_EQ(formBackgrounds(), 0u);
  g.SetShape(TShapeType::stEllipse);
  EXPECT_EQ(formBackgrounds(), 1u) << "the form shows around the ellipse";
  g.SetShape(TShapeType::stRectangle);
  EXPECT_EQ(formBackgrounds(), 0u);
  g.BeginUpdate();
  g.SetStyle(S::gsDiamond);
  EXPECT_EQ(formBackgrounds(), 1u) << "a stale pattern paints nothing: the form shows";
  g.EndUpdate();
  EXPECT_EQ(formBackgrounds(), 0u);

  std::vector<std::string> seen;
  g.OnMouseEnter = [&](Control& sender) { seen.push_back(&sender == &g ? "enter" : "?"); };
  g.OnMouseLeave = [&](Control& sender) { seen.push_back(&sender == &g ? "leave" : "?"); };
  headless::MovePointer(form, {50, 30});
  headless::MovePointer(form, {500, 30});
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));
}

}  // namespace
}  // namespace tintara
