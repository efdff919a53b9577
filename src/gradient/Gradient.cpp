#include "gradient/Gradient.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "gradient/ColorTable.h"
#include "gradient/PatternGenerators.h"
#include "widgets/Canvas.h"

namespace tintara {
namespace {

constexpr std::uint32_t kMaxBorderWidth = 2147483647;

TGradientShift ClampPercent(TGradientShift value) {
  return std::clamp<TGradientShift>(value, -100, 100);
}

tagRGBQUAD Quad(TColor rgb) {
  return {static_cast<std::uint8_t>((rgb >> 16) & 0xFF),
          static_cast<std::uint8_t>((rgb >> 8) & 0xFF), static_cast<std::uint8_t>(rgb & 0xFF), 0};
}

BgrxImageView ViewOf(const PatternBitmap& pattern) {
  return {reinterpret_cast<const std::uint8_t*>(pattern.Pixels().data()), pattern.Width(),
          pattern.Height(), pattern.Width() * 4};
}

bool IsSquareShape(TShapeType shape) {
  return shape == TShapeType::stSquare || shape == TShapeType::stRoundSquare ||
         shape == TShapeType::stCircle;
}

}  // namespace

TGradient::TGradient(DesktopServices& desktop) : desktop_(desktop) {
  SetBounds(0, 0, 100, 100);
  BuildPattern();
}

TGradient::~TGradient() = default;

TColor TGradient::ColorToRGB(TColor color) const {
  if ((color & 0x80000000u) != 0) return desktop_.SystemColor(static_cast<int>(color & 0xFF));
  return color;
}

void TGradient::SetColorBegin(TColor value) {
  if (value == fColorBegin) return;
  fColorBegin = value;
  fUseSysColors = false;
  BuildPattern();
}

void TGradient::SetColorEnd(TColor value) {
  if (value == fColorEnd) return;
  fColorEnd = value;
  fUseSysColors = false;
  BuildPattern();
}

void TGradient::SetUseSysColors(bool value) {
  if (value == fUseSysColors) return;
  fUseSysColors = value;
  if (value) ApplySysColors();
}

void TGradient::SetStyle(TGradientStyle value) {
  if (static_cast<std::size_t>(value) >= kGradientStyleCount) {
    throw std::invalid_argument("Invalid gradient style");
  }
  if (value == fStyle) return;
  fStyle = value;
  BuildPattern();
}

void TGradient::SetShift(TGradientShift value) {
  value = ClampPercent(value);
  if (value == fShift) return;
  fShift = value;
  BuildPattern();
}

void TGradient::SetRotation(TGradientRotation value) {
  value = ClampPercent(value);
  if (value == fRotation) return;
  fRotation = value;
  BuildPattern();
}

void TGradient::SetReverse(bool value) {
  if (value == fReverse) return;
  fReverse = value;
  BuildPattern();
}

void TGradient::SetShape(TShapeType value) {
  if (static_cast<std::uint8_t>(value) > static_cast<std::uint8_t>(TShapeType::stCircle)) {
    throw std::invalid_argument("Invalid gradient shape");
  }
  if (value == fShape) return;
  fShape = value;
  UpdateOpaque();
  Invalidate();
}

void TGradient::SetBorderColor(TColor value) {
  if (value == fBorderColor) return;
  fBorderColor = value;
  Invalidate();
}

void TGradient::SetBorderWidth(std::uint32_t value) {
  value = std::min(value, kMaxBorderWidth);
  if (value == fBorderWidth) return;
  fBorderWidth = value;
  Invalidate();
}

bool TGradient::CopyPatternTo(PatternBitmap* bitmap) const {
  if (!PatternReady || UpdateCount != 0 || bitmap == nullptr) return false;
  *bitmap = fPattern;
  return true;
}

void TGradient::InvalidatePattern() {
  BuildPattern();
}

void TGradient::BeginUpdate() {
  ++UpdateCount;
}

void TGradient::EndUpdate() {
  --UpdateCount;
  if (UpdateCount == 0 && !PatternReady) BuildPattern();
}

void TGradient::Loaded() {
  fLoading = false;
  BuildPattern();
}

void TGradient::UpdateOpaque() {
  // A stale pattern paints nothing, so what lies beneath must then be painted.
  SetOpaque(PatternReady && fShape == TShapeType::stRectangle);
}

void TGradient::BuildPattern() {
  PatternReady = false;
  UpdateOpaque();
  if (fLoading || UpdateCount != 0) return;
  const TColor start = ColorToRGB(fReverse ? fColorEnd : fColorBegin);
  const TColor end = ColorToRGB(fReverse ? fColorBegin : fColorEnd);
  const TGradientColors colors = BuildColorTable(start, end, fShift, fRotation);
  if (const PatternGenerator generator = PatternGenerators[static_cast<std::size_t>(fStyle)]) {
    generator(colors, fPattern);
  } else if (fOnCustom) {
    fOnCustom(*this, colors, fPattern);
  } else {
    // No one draws the custom style: four quadrants of the two plain colours.
    fPattern.SetSize(2, 2);
    fPattern.Pixel(0, 0) = Quad(start);
    fPattern.Pixel(1, 0) = Quad(end);
    fPattern.Pixel(0, 1) = Quad(end);
    fPattern.Pixel(1, 1) = Quad(start);
  }
  PatternReady = true;
  UpdateOpaque();
  Invalidate();
}

void TGradient::ApplySysColors() {
  BeginUpdate();
  try {
    SetColorBegin(desktop_.SystemColor(kColorActiveCaption));
    try {
      SetColorEnd(desktop_.SystemColor(kColorGradientActiveCaption));
      fUseSysColors = true;
    } catch (const std::exception&) {
      // A system without the second caption colour: one colour at both ends.
      SetColorEnd(fColorBegin);
      fUseSysColors = false;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TGradient::SettingsChanged() {
  Control::SettingsChanged();
  if (fUseSysColors) ApplySysColors();
}

void TGradient::Paint(Canvas& canvas) {
  if (!PatternReady) return;
  const BgrxImageView pattern = ViewOf(fPattern);
  const std::int64_t w = Width();
  const std::int64_t h = Height();
  const std::int64_t bw = fBorderWidth;
  if (bw == 0 && fShape == TShapeType::stRectangle) {
    canvas.DrawScaledBgrx(pattern, ClientRect());
    return;
  }
  // The shape's box: inset by half the pen, so a wide outline stays inside the control.
  std::int64_t left = bw / 2;
  std::int64_t top = bw / 2;
  std::int64_t boxWidth = w - bw + (bw > 0 ? 1 : 0);
  std::int64_t boxHeight = h - bw + (bw > 0 ? 1 : 0);
  const std::int64_t m = std::min(boxWidth, boxHeight);
  if (IsSquareShape(fShape)) {
    left += (boxWidth - m) / 2;
    top += (boxHeight - m) / 2;
    boxWidth = m;
    boxHeight = m;
  }
  const Rect box{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                 static_cast<std::int32_t>(boxWidth), static_cast<std::int32_t>(boxHeight)};
  const auto corner = static_cast<std::int32_t>(m / 4);
  const Size ellipse{corner, corner};
  RegionShape outline = RegionShape::Rectangle;
  if (fShape == TShapeType::stRoundRect || fShape == TShapeType::stRoundSquare) {
    outline = RegionShape::RoundRect;
  } else if (fShape == TShapeType::stEllipse || fShape == TShapeType::stCircle) {
    outline = RegionShape::Ellipse;
  }

  if (fShape == TShapeType::stRectangle) {
    canvas.DrawScaledBgrx(pattern, box);
  } else {
    canvas.Save();
    canvas.IntersectClipShape(outline, box, ellipse);
    canvas.DrawScaledBgrx(pattern, box);
    canvas.Restore();
  }
  if (bw == 0) return;
  const Pen pen{ColorToRGB(fBorderColor), PenStyle::Solid, static_cast<std::int32_t>(bw)};
  switch (outline) {
    case RegionShape::Rectangle:
      canvas.DrawRectangle(box, std::nullopt, pen);
      break;
    case RegionShape::RoundRect:
      canvas.DrawRoundRect(box, corner, corner, std::nullopt, pen);
      break;
    case RegionShape::Ellipse:
      canvas.DrawEllipse(box, std::nullopt, pen);
      break;
  }
}

}  // namespace tintara
