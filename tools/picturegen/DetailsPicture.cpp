#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Palettes.h"
#include "Pictures.h"

namespace tintara::picturegen {
namespace {

constexpr Color kFrame = Color::FromRgb(128, 132, 138);
constexpr Color kTitleTop = Color::FromRgb(218, 220, 224);
constexpr Color kTitleBottom = Color::FromRgb(188, 191, 196);
constexpr Color kBodyTop = Color::FromRgb(255, 255, 255);
constexpr Color kBodyBottom = Color::FromRgb(240, 242, 245);
constexpr Color kPictureTop = Color::FromRgb(120, 178, 240);
constexpr Color kPictureBottom = Color::FromRgb(40, 110, 200);
constexpr Color kTextDark = Color::FromRgb(140, 144, 150);
constexpr Color kTextLight = Color::FromRgb(184, 188, 194);

Paint Vertical(Color top, Color bottom, double from, double to) {
  return [=](Point p) { return Mix(top, bottom, (p.y - from) / (to - from)); };
}

}  // namespace

Image DrawDetailsIcon(int size) {
  Canvas canvas(size, size);
  const double s = size;
  const double border = std::max(1.0, std::round(s / 28));
  const Box outer{std::round(s * 0.04), std::round(s * 0.08), s - std::round(s * 0.04),
                  s - std::round(s * 0.08)};
  const Box inner{outer.left + border, outer.top + border, outer.right - border,
                  outer.bottom - border};
  const double radius = s * 0.08;
  const double titleBottom = inner.top + std::round(s * 0.2);

  canvas.Fill(RoundedRect(outer, radius), kFrame);
  const Shape body = RoundedRect(inner, std::max(radius - border, 0.5));
  canvas.Fill(body, Vertical(kBodyTop, kBodyBottom, inner.top, inner.bottom));
  canvas.Fill(Intersection(body, RoundedRect({inner.left, inner.top, inner.right, titleBottom}, 0)),
              Vertical(kTitleTop, kTitleBottom, inner.top, titleBottom));
  canvas.Fill(RoundedRect({inner.left, titleBottom - border / 2, inner.right, titleBottom}, 0),
              kFrame.WithAlpha(0.6));

  // Three round buttons at the right end of the title bar.
  // Centred on pixel centres, so at 16 pixels each button is one bright pixel.
  const auto pixelCentre = [](double v) { return std::floor(v) + 0.5; };
  const double buttonRadius = std::max(0.75, s * 0.045);
  const double buttonY = pixelCentre((inner.top + titleBottom) / 2);
  const double buttonSpacing = std::round(s * 0.11);
  for (int i = 0; i < 3; ++i) {
    const double x = pixelCentre(inner.right - s * 0.085) - buttonSpacing * i;
    canvas.Fill(Circle({x, buttonY}, buttonRadius), kWhite);
  }

  // Three rows, each a small blue picture and two lines of text. Rows, pictures and
  // lines start on whole pixels, so at 16 pixels each line is still one clean pixel row.
  const double rowsTop = titleBottom + std::floor(s * 0.04);
  const double rowsBottom = inner.bottom - std::floor(s * 0.03);
  const double pitch = std::floor((rowsBottom - rowsTop) / 3);
  const double firstRow = rowsTop + std::floor((rowsBottom - rowsTop - 3 * pitch) / 2);
  const double pictureSide = std::max(2.0, std::round(pitch * 0.62));
  const double pictureLeft = std::round(inner.left + s * 0.06);
  const double textLeft = std::round(pictureLeft + pictureSide + s * 0.06);
  const double textRight = std::round(inner.right - s * 0.08);
  const double lineHeight = std::max(1.0, std::round(pitch * 0.17));
  const double lineGap = std::floor(pitch * 0.17);
  const double linesHeight = 2 * lineHeight + lineGap;
  for (int row = 0; row < 3; ++row) {
    const double top = firstRow + pitch * row;
    const double pictureTop = top + std::floor((pitch - pictureSide) / 2);
    const Box picture{pictureLeft, pictureTop, pictureLeft + pictureSide, pictureTop + pictureSide};
    canvas.Fill(RoundedRect(picture, pictureSide * 0.18),
                Vertical(kPictureTop, kPictureBottom, picture.top, picture.bottom));
    const double upperTop = top + std::floor((pitch - linesHeight) / 2);
    const double lowerTop = upperTop + lineHeight + lineGap;
    canvas.Fill(RoundedRect({textLeft, upperTop, textRight, upperTop + lineHeight}, lineHeight / 2),
                kTextDark);
    canvas.Fill(
        RoundedRect({textLeft, lowerTop, std::round(textLeft + (textRight - textLeft) * 0.62),
                     lowerTop + lineHeight},
                    lineHeight / 2),
        kTextLight);
  }
  return canvas.ToImage();
}

}  // namespace tintara::picturegen
