#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Types.h"
#include "widgets/Font.h"

namespace tintara {

enum class PenStyle { Solid, Dot, Clear };

// An outline; `width` pixels wide (a solid pen), one pixel unless said otherwise.
struct Pen {
  TColor color = 0x000000;
  PenStyle style = PenStyle::Solid;
  std::int32_t width = 1;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class TextAlign { Left, Right, Center };

// How a resource bitmap meets its rectangle: at its own size from the top-left corner
// (cut off by the rectangle), or scaled to fill it.
enum class BitmapFit { Unscaled, Stretched };

// Pixels made by the program: rows from the top, each pixel a TColor (0x00BBGGRR).
struct PixelImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<TColor> pixels;
};

// 32-bit pixels read in place: rows from the top, each pixel the bytes blue, green, red
// and a fourth that is never drawn.
struct BgrxImageView {
  const std::uint8_t* bits = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride = 0;  // bytes from the start of one row to the next
};

// The outline of a clip shape within its box.
enum class RegionShape { Rectangle, RoundRect, Ellipse };

// The few drawing operations the controls need. Coordinates are in the current system:
// Translate moves its origin, IntersectClip narrows what can be drawn, and Save/Restore
// bracket both. Colours are plain RGB TColor values (system colours are resolved before
// they get here). Nothing is drawn outside the current clip.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void Save() = 0;
  virtual void Restore() = 0;
  virtual void Translate(std::int32_t dx, std::int32_t dy) = 0;
  virtual void IntersectClip(const Rect& rect) = 0;
  // Narrows the clip to a shape in `box`: the box itself, the box with corners rounded
  // by an ellipse of `ellipse` size, or the ellipse inscribed in the box.
  virtual void IntersectClipShape(RegionShape shape, const Rect& box, Size ellipse) = 0;

  virtual void FillRect(const Rect& rect, TColor color) = 0;
  // A one-pixel outline just inside the rectangle.
  virtual void FrameRect(const Rect& rect, const Pen& pen) = 0;
  // Outline on the rectangle's border, interior filled with the brush (none: left
  // as is). With a clear pen the filled interior ends one pixel before the right and
  // bottom edges, as the window system draws it.
  virtual void DrawRectangle(const Rect& rect, std::optional<TColor> brush, const Pen& pen) = 0;
  // The same with corners rounded by an ellipse of the given size.
  virtual void DrawRoundRect(const Rect& rect, std::int32_t ellipseWidth,
                             std::int32_t ellipseHeight, std::optional<TColor> brush,
                             const Pen& pen) = 0;
  // The ellipse inscribed in the rectangle, outlined with the pen and filled with the
  // brush (none: left as is).
  virtual void DrawEllipse(const Rect& rect, std::optional<TColor> brush, const Pen& pen) = 0;
  // One line of text in the rectangle, vertically at its top, on a transparent
  // background.
  virtual void WriteText(const Rect& rect, std::u16string_view text, const Font& font,
                         TextAlign align) = 0;
  // A borrowed icon scaled to the rectangle, or at its own size when the rectangle's
  // width and height are 0, cut to `clip`.
  virtual void DrawBorrowedIcon(IconHandle icon, const Rect& rect, const Rect& clip) = 0;
  // The image of the program's icon resource whose size is the rectangle's, drawn
  // into it.
  virtual void DrawResourceIcon(int resourceId, const Rect& rect) = 0;
  // A bitmap resource. `alpha`: the bitmap carries straight per-pixel alpha and is
  // blended over what lies below.
  virtual void DrawResourceBitmap(int resourceId, const Rect& rect, BitmapFit fit, bool alpha) = 0;
  // Pixels stretched to the rectangle.
  virtual void DrawPixels(const PixelImage& image, const Rect& rect) = 0;
  // 32-bit pixels scaled onto the rectangle by nearest-neighbour sampling (repeated or
  // dropped, never blended) and copied opaquely (ScaleNearest).
  virtual void DrawScaledBgrx(const BgrxImageView& image, const Rect& rect) = 0;
};

}  // namespace tintara
