#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "gradient/GradientTypes.h"
#include "gradient/PatternBitmap.h"
#include "platform/DesktopServices.h"
#include "widgets/Control.h"

namespace tintara {

// Outlines of the painted area.
enum class TShapeType : std::uint8_t {
  stRectangle = 0,
  stSquare = 1,
  stRoundRect = 2,
  stRoundSquare = 3,
  stEllipse = 4,
  stCircle = 5,
};

// System colours as TColor references: top byte 0xFF, index in the low byte.
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clActiveBorder = 0xFF00000A;
// GetSysColor indices of the active caption's two colours.
inline constexpr int kColorActiveCaption = 2;
inline constexpr int kColorGradientActiveCaption = 27;

class TGradient;
// Draws the pattern of style gsCustom: sets the pattern's size and every pixel.
using TCustomGradientEvent =
    std::function<void(TGradient& Sender, const TGradientColors& Colors, PatternBitmap& Pattern)>;

// A windowless control filling its rectangle with a two-colour gradient in one of 25
// styles. It keeps one small pattern of a size fixed by the style, rebuilt whenever a
// property that shapes the colours or the geometry changes, and paints by scaling that
// pattern onto its rectangle, optionally clipped to a shape and outlined. Colours may
// name system colours, which are read from the desktop each time the pattern is built
// or painted.
//
// Rebuilds can be held back: while the designed properties are being applied
// (BeginLoading .. Loaded) and between BeginUpdate and the EndUpdate that closes the last
// one, a change only marks the pattern stale, and it is built once at the end. A
// failing build (the custom event throws, a colour cannot be read) leaves the pattern
// stale and the control paints nothing until a later build succeeds.
//
// The pointer's entering and leaving fire the toolkit's OnMouseEnter and OnMouseLeave.
class TGradient : public Control {
 public:
  // Width and height 100, the defaults below, and the pattern built once: a 362 x 362
  // gsRadialC pattern from white to the button face.
  explicit TGradient(DesktopServices& desktop);
  ~TGradient() override;

  ControlKind Kind() const override { return ControlKind::Gradient; }

  // --- properties: assigning the value a property has does nothing ---
  TColor ColorBegin() const { return fColorBegin; }
  // Also turns UseSysColors off; rebuilds.
  void SetColorBegin(TColor value);
  TColor ColorEnd() const { return fColorEnd; }
  void SetColorEnd(TColor value);
  bool UseSysColors() const { return fUseSysColors; }
  // On: the two colours become the active caption's (ApplySysColors) and follow them
  // when the system's settings change. Off: the colours stay as they are.
  void SetUseSysColors(bool value);
  TGradientStyle Style() const { return fStyle; }
  // Throws std::invalid_argument for a value that names no style.
  void SetStyle(TGradientStyle value);
  TGradientShift Shift() const { return fShift; }
  // Clamped to -100..100.
  void SetShift(TGradientShift value);
  TGradientRotation Rotation() const { return fRotation; }
  // Clamped to -100..100.
  void SetRotation(TGradientRotation value);
  bool Reverse() const { return fReverse; }
  // The end colour starts the gradient.
  void SetReverse(bool value);
  TShapeType Shape() const { return fShape; }
  // Only a rectangle paints every pixel of the control (when the pattern is ready).
  // Throws std::invalid_argument for a value that names no shape.
  void SetShape(TShapeType value);
  TColor BorderColor() const { return fBorderColor; }
  void SetBorderColor(TColor value);
  std::uint32_t BorderWidth() const { return fBorderWidth; }
  // Pen width of the outline, 0 for none; at most 2147483647.
  void SetBorderWidth(std::uint32_t value);
  // Takes effect at the next build.
  void SetOnCustom(TCustomGradientEvent handler) { fOnCustom = std::move(handler); }

  // --- the pattern ---
  const PatternBitmap& Pattern() const { return fPattern; }
  // Copies the pattern into `bitmap`; false, touching nothing, when the pattern is
  // stale, an update is open or there is no bitmap.
  bool CopyPatternTo(PatternBitmap* bitmap) const;
  // Builds the pattern now (unless builds are held back).
  void InvalidatePattern();
  void BeginUpdate();
  // The EndUpdate that closes the last open one builds the pattern if it is stale.
  // Calls must pair with BeginUpdate.
  void EndUpdate();

  // --- applying designed properties ---
  // Until Loaded, changes only mark the pattern stale.
  void BeginLoading() { fLoading = true; }
  // The designed properties are all set: builds the pattern once.
  void Loaded();

  void Paint(Canvas& canvas) override;

 protected:
  // The only place where the pattern is made.
  virtual void BuildPattern();
  // Takes the active caption's two colours from the system and turns UseSysColors on.
  // When the second colour cannot be read, both ends take the first one and
  // UseSysColors ends off.
  virtual void ApplySysColors();
  void SettingsChanged() override;

 private:
  // Opaque exactly while a rectangle with a ready pattern is painted.
  void UpdateOpaque();
  // A system-colour reference read from the desktop; other values unchanged.
  TColor ColorToRGB(TColor color) const;

  DesktopServices& desktop_;
  TColor fColorBegin = clWhite;
  TColor fColorEnd = clBtnFace;
  bool fUseSysColors = false;
  TGradientStyle fStyle = TGradientStyle::gsRadialC;
  TGradientShift fShift = 0;
  TGradientRotation fRotation = 0;
  TShapeType fShape = TShapeType::stRectangle;
  bool fReverse = false;
  PatternBitmap fPattern;
  TColor fBorderColor = clActiveBorder;
  std::uint32_t fBorderWidth = 0;
  TCustomGradientEvent fOnCustom;
  std::int32_t UpdateCount = 0;
  bool PatternReady = false;
  bool fLoading = false;
};

}  // namespace tintara
