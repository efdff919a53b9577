// Painting through the canvas: the tree walk, images, shapes, labels, scaled pixels.
#include <gtest/gtest.h>

#include "platform/memory/MemoryDesktop.h"
#include "widgets/CheckBox.h"
#include "widgets/Form.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/NearestScaling.h"
#include "widgets/Painter.h"
#include "widgets/Panel.h"
#include "widgets/RecordingCanvas.h"
#include "widgets/Shape.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {
namespace {

using Op = CanvasCall::Op;

class PaintTest : public ::testing::Test {
 protected:
  PaintTest() {
    form.SetClientSize(300, 200);
    form.SetColor(0xFFFFFF);
  }

  RecordingCanvas Paint() {
    RecordingCanvas canvas({0, 0, 300, 200});
    PaintControlTree(form, canvas);
    return canvas;
  }

  MemoryDesktop desktop;
  headless::HeadlessBackend backend{desktop};
  Application app{backend};
  Form form{app};
};

TEST(RecordingCanvas, RecordsAbsoluteGeometryUnderTheCurrentOriginAndClip) {
  RecordingCanvas canvas({0, 0, 100, 100});
  canvas.Save();
  canvas.Translate(10, 20);
  canvas.IntersectClip({0, 0, 30, 30});
  canvas.FillRect({5, 5, 50, 50}, 0x123456);
  canvas.Save();
  canvas.Translate(25, 25);
  canvas.IntersectClip({0, 0, 30, 30});
  canvas.DrawBorrowedIcon(7, {-8, -8, 0, 0}, {0, 0, 32, 32});
  canvas.Restore();
  canvas.FrameRect({0, 0, 2, 2}, {0x00FF00, PenStyle::Dot});
  canvas.Restore();
  canvas.FillRect({0, 0, 1, 1}, 0);

  ASSERT_EQ(canvas.calls.size(), 4u);
  EXPECT_EQ(canvas.calls[0].rect, (Rect{15, 25, 50, 50}));
  EXPECT_EQ(canvas.calls[0].clip, (Rect{10, 20, 30, 30}));
  EXPECT_EQ(canvas.calls[0].color, 0x123456u);
  EXPECT_EQ(canvas.calls[1].rect.TopLeft(), (Point{27, 37}));
  EXPECT_EQ(canvas.calls[1].clip, (Rect{35, 45, 5, 5}));
  EXPECT_EQ(canvas.calls[2].clip, (Rect{10, 20, 30, 30}));
  EXPECT_EQ(canvas.calls[2].pen, (Pen{0x00FF00, PenStyle::Dot}));
  EXPECT_EQ(canvas.calls[3].clip, (Rect{0, 0, 100, 100}));
}

TEST_F(PaintTest, TheTreeIsPaintedBottomToTopEachControlInItsOwnCoordinates) {
  Panel panel;
  panel.SetBounds(10, 10, 100, 50);
  panel.SetColor(0xFFF5ED);
  panel.SetParent(&form);
  Shape shape;
  shape.SetBounds(90, 40, 30, 30);  // reaches past the panel
  shape.SetParent(&panel);
  Label hidden(u"hidden");
  hidden.SetParent(&form);
  hidden.SetVisible(false);
  CheckBox box(u"native");
  box.SetParent(&form);
  Label label(u"text");
  label.SetAutoSize(false);
  label.SetBounds(200, 100, 50, 13);
  label.SetTransparent(true);
  label.SetParent(&form);

  const RecordingCanvas canvas = Paint();
  ASSERT_EQ(canvas.calls.size(), 4u);
  EXPECT_EQ(canvas.calls[0].op, Op::FillRect);  // the form's background
  EXPECT_EQ(canvas.calls[0].rect, (Rect{0, 0, 300, 200}));
  EXPECT_EQ(canvas.calls[0].color, 0xFFFFFFu);
  EXPECT_EQ(canvas.calls[1].op, Op::FillRect);
  EXPECT_EQ(canvas.calls[1].rect, (Rect{10, 10, 100, 50}));
  EXPECT_EQ(canvas.calls[1].color, 0xFFF5EDu);
  EXPECT_EQ(canvas.calls[2].op, Op::DrawRectangle);
  EXPECT_EQ(canvas.calls[2].rect, (Rect{100, 50, 30, 30}));
  EXPECT_EQ(canvas.calls[2].clip, (Rect{100, 50, 10, 10}));  // cut off by the panel
  EXPECT_EQ(canvas.calls[3].op, Op::WriteText);              // transparent: text only
  EXPECT_EQ(canvas.calls[3].text, u"text");
  EXPECT_EQ(canvas.calls[3].rect, (Rect{200, 100, 50, 13}));

  // A repaint of one area skips what lies wholly outside it.
  RecordingCanvas part({0, 0, 300, 200});
  PaintControlTree(form, part, {150, 90, 100, 50});
  ASSERT_EQ(part.calls.size(), 2u);
  EXPECT_EQ(part.calls[1].op, Op::WriteText);
}

TEST(CenteredOrigin, OffsetsTruncateTowardZeroSoLargerPicturesAreCroppedInTheMiddle) {
  EXPECT_EQ(CenteredOrigin({32, 32}, {16, 16}), (Point{8, 8}));
  EXPECT_EQ(CenteredOrigin({32, 32}, {32, 32}), (Point{0, 0}));
  EXPECT_EQ(CenteredOrigin({32, 32}, {48, 48}), (Point{-8, -8}));
  EXPECT_EQ(CenteredOrigin({32, 32}, {20, 17}), (Point{6, 7}));
  EXPECT_EQ(CenteredOrigin({32, 32}, {33, 35}), (Point{0, -1}));
  EXPECT_EQ(CenteredOrigin({32, 32}, {256, 24}), (Point{-112, 4}));
}

TEST_F(PaintTest, ImagesDrawTheirPictureUnscaledStretchedOrCentred) {
  Image bar, tile, icon, logo, empty;
  bar.SetBounds(0, 0, 300, 71);
  bar.SetPicture(Picture::ResourceBitmap(10, {650, 60}));
  tile.SetBounds(10, 100, 40, 40);
  tile.SetPicture(Picture::ResourceBitmap(11, {200, 200}, true));
  tile.SetFit(ImageFit::Stretch);
  icon.SetBounds(100, 100, 32, 32);
  icon.SetPicture(Picture::Borrowed(0x20010, {48, 48}));
  icon.SetFit(ImageFit::CenterIcon);
  logo.SetBounds(200, 100, 32, 32);
  logo.SetPicture(Picture::ResourceIcon(1, {32, 32}));
  empty.SetBounds(0, 150, 10, 10);
  for (Image* image : {&bar, &tile, &icon, &logo, &empty}) image->SetParent(&form);

  const RecordingCanvas canvas = Paint();
  const auto bitmaps = canvas.Calls(Op::DrawResourceBitmap);
  ASSERT_EQ(bitmaps.size(), 2u);
  EXPECT_EQ(bitmaps[0].resourceId, 10);
  EXPECT_EQ(bitmaps[0].fit, BitmapFit::Unscaled);
  EXPECT_EQ(bitmaps[0].rect, (Rect{0, 0, 300, 71}));
  EXPECT_FALSE(bitmaps[0].alpha);
  EXPECT_EQ(bitmaps[1].fit, BitmapFit::Stretched);
  EXPECT_EQ(bitmaps[1].rect, (Rect{10, 100, 40, 40}));
  EXPECT_TRUE(bitmaps[1].alpha);
  const auto icons = canvas.Calls(Op::DrawBorrowedIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].icon, 0x20010u);
  EXPECT_EQ(icons[0].rect.TopLeft(), (Point{92, 92}));
  EXPECT_EQ(icons[0].clip, (Rect{100, 100, 32, 32}));
  const auto logos = canvas.Calls(Op::DrawResourceIcon);
  ASSERT_EQ(logos.size(), 1u);
  EXPECT_EQ(logos[0].rect, (Rect{200, 100, 32, 32}));
  EXPECT_EQ(canvas.calls.size(), 5u);  // the background and the four pictures
}

TEST_F(PaintTest, ShapesDrawTheirFigureWithBrushAndPen) {
  Shape swatch, line;
  swatch.SetBounds(9, 10, 16, 16);
  swatch.SetFigure(ShapeKind::RoundRect);
  swatch.SetBrush(0x0000FF);
  swatch.SetPen({0xFFFFFF, PenStyle::Clear});
  line.SetBounds(24, 128, 250, 1);
  line.SetPen({0xC0C0C0, PenStyle::Dot});
  swatch.SetParent(&form);
  line.SetParent(&form);
  const RecordingCanvas canvas = Paint();
  const auto rounded = canvas.Calls(Op::DrawRoundRect);
  ASSERT_EQ(rounded.size(), 1u);
  EXPECT_EQ(rounded[0].rect, (Rect{9, 10, 16, 16}));
  EXPECT_EQ(rounded[0].ellipse, (Size{4, 4}));
  EXPECT_EQ(rounded[0].brush, std::optional<TColor>(0x0000FF));
  EXPECT_EQ(rounded[0].pen.style, PenStyle::Clear);
  const auto rectangles = canvas.Calls(Op::DrawRectangle);
  ASSERT_EQ(rectangles.size(), 1u);
  EXPECT_EQ(rectangles[0].rect, (Rect{24, 128, 250, 1}));
  EXPECT_EQ(rectangles[0].pen, (Pen{0xC0C0C0, PenStyle::Dot}));
}

TEST_F(PaintTest, AnOpaqueLabelFillsItsBoxWithItsParentsColourFirst) {
  Panel bar;
  bar.SetBounds(0, 0, 300, 53);
  bar.SetColor(0xFFF5ED);
  bar.SetParent(&form);
  Label label(u"Tintara v1.0");
  label.SetAutoSize(false);
  label.SetBounds(62, 17, 75, 17);
  label.SetAlignment(TextAlign::Right);
  label.SetParent(&bar);
  const RecordingCanvas canvas = Paint();
  ASSERT_EQ(canvas.calls.size(), 4u);
  EXPECT_EQ(canvas.calls[2].op, Op::FillRect);
  EXPECT_EQ(canvas.calls[2].rect, (Rect{62, 17, 75, 17}));
  EXPECT_EQ(canvas.calls[2].color, 0xFFF5EDu);
  EXPECT_EQ(canvas.calls[3].op, Op::WriteText);
  EXPECT_EQ(canvas.calls[3].align, TextAlign::Right);
  EXPECT_EQ(canvas.calls[3].font, form.GetFont());
}

TEST(NearestScaling, EachPixelTakesTheSourcePixelUnderItsCentreWithoutTheFourthByte) {
  // Two rows of three pixels, bytes blue, green, red and a fourth that must not show.
  const std::uint8_t bits[] = {1, 0, 0, 0xAB, 2, 0, 0, 0xAB, 3, 0, 0, 0xAB,
                               4, 0, 0, 0xAB, 5, 0, 0, 0xAB, 6, 0, 0, 0xAB};
  const BgrxImageView image{bits, 3, 2, 12};
  std::vector<std::uint32_t> out(6 * 4, 0xDEADBEEF);
  // Enlarged: every source column twice, every source row twice.
  ScaleNearest(image, {6, 4}, {0, 0, 6, 4}, out.data(), 6);
  const std::vector<std::uint32_t> enlarged = {1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3,
                                               4, 4, 5, 5, 6, 6, 4, 4, 5, 5, 6, 6};
  EXPECT_EQ(out, enlarged);
  // Only a part of the destination, into a buffer of its own width.
  std::vector<std::uint32_t> part(3, 0xDEADBEEF);
  ScaleNearest(image, {6, 4}, {2, 3, 3, 1}, part.data(), 3);
  EXPECT_EQ(part, (std::vector<std::uint32_t>{5, 5, 6}));
  // Reduced: pixels are dropped, never blended.
  std::uint32_t one = 0;
  ScaleNearest(image, {1, 1}, {0, 0, 1, 1}, &one, 1);
  EXPECT_EQ(one, 5u) << "the pixel under the centre";
  // One source column, as a vertical ramp has: each row one colour.
  const BgrxImageView column{bits, 1, 2, 12};
  std::vector<std::uint32_t> rows(3 * 2, 0xDEADBEEF);
  ScaleNearest(column, {3, 2}, {0, 0, 3, 2}, rows.data(), 3);
  EXPECT_EQ(rows, (std::vector<std::uint32_t>{1, 1, 1, 4, 4, 4}));
  // A part reaching outside the destination is refused.
  ScaleNearest(image, {6, 4}, {4, 0, 3, 1}, part.data(), 3);
  EXPECT_EQ(part, (std::vector<std::uint32_t>{5, 5, 6}));
}

}  // namespace
}  // namespace tintara
