#pragma once

#include <windows.h>

#include <vector>

#include "widgets/Canvas.h"
#include "widgets/win32/GdiResources.h"

namespace tintara::win32 {

// The toolkit's canvas on a GDI device context (in practice the memory DC of a
// BufferedPaint). Translate moves the viewport origin and IntersectClip narrows the
// DC's clip region, so both follow Save and Restore through SaveDC and RestoreDC; every
// operation puts back the pens, brushes and fonts it selects.
class GdiCanvas final : public Canvas {
 public:
  GdiCanvas(HDC dc, GdiResources& resources);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void Save() override;
  void Restore() override;
  void Translate(std::int32_t dx, std::int32_t dy) override;
  void IntersectClip(const Rect& rect) override;
  void IntersectClipShape(RegionShape shape, const Rect& box, Size ellipse) override;

  void FillRect(const Rect& rect, TColor color) override;
  void FrameRect(const Rect& rect, const tintara::Pen& pen) override;
  void DrawRectangle(const Rect& rect, std::optional<TColor> brush,
                     const tintara::Pen& pen) override;
  void DrawRoundRect(const Rect& rect, std::int32_t ellipseWidth, std::int32_t ellipseHeight,
                     std::optional<TColor> brush, const tintara::Pen& pen) override;
  void DrawEllipse(const Rect& rect, std::optional<TColor> brush, const tintara::Pen& pen) override;
  void WriteText(const Rect& rect, std::u16string_view text, const tintara::Font& font,
                 TextAlign align) override;
  void DrawBorrowedIcon(IconHandle icon, const Rect& rect, const Rect& clip) override;
  void DrawResourceIcon(int resourceId, const Rect& rect) override;
  void DrawResourceBitmap(int resourceId, const Rect& rect, BitmapFit fit, bool alpha) override;
  void DrawPixels(const PixelImage& image, const Rect& rect) override;
  void DrawScaledBgrx(const BgrxImageView& image, const Rect& rect) override;

 private:
  HDC dc_;
  GdiResources& resources_;
  std::vector<int> saved_;
  int outermost_;
};

}  // namespace tintara::win32
