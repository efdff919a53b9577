#include "widgets/Image.h"

#include "widgets/Canvas.h"

namespace tintara {

Point CenteredOrigin(Size area, Size picture) {
  // Integer division truncates toward zero, also for a picture larger than the area.
  return {(area.width - picture.width) / 2, (area.height - picture.height) / 2};
}

void Image::SetPicture(const Picture& picture) {
  saved_.reset();
  if (picture == picture_) return;
  picture_ = picture;
  Invalidate();
}

void Image::SetFit(ImageFit fit) {
  fit_ = fit;
  Invalidate();
}

void Image::Paint(Canvas& canvas) {
  const Rect area = ClientRect();
  Rect target = area;
  if (fit_ == ImageFit::TopLeft || fit_ == ImageFit::CenterIcon) {
    const Point at =
        fit_ == ImageFit::CenterIcon ? CenteredOrigin(area.Extent(), picture_.size) : Point{};
    target = {at.x, at.y, picture_.size.width, picture_.size.height};
  }
  switch (picture_.source) {
    case Picture::Source::None:
      break;
    case Picture::Source::ResourceBitmap:
      if (fit_ == ImageFit::Stretch) {
        canvas.DrawResourceBitmap(picture_.resourceId, area, BitmapFit::Stretched, picture_.alpha);
      } else if (fit_ == ImageFit::TopLeft) {
        canvas.DrawResourceBitmap(picture_.resourceId, area, BitmapFit::Unscaled, picture_.alpha);
      } else {
        canvas.Save();
        canvas.IntersectClip(area);
        canvas.DrawResourceBitmap(picture_.resourceId, target, BitmapFit::Unscaled, picture_.alpha);
        canvas.Restore();
      }
      break;
    case Picture::Source::ResourceIcon:
      canvas.Save();
      canvas.IntersectClip(area);
      canvas.DrawResourceIcon(picture_.resourceId, fit_ == ImageFit::Stretch ? area : target);
      canvas.Restore();
      break;
    case Picture::Source::BorrowedIcon:
      canvas.DrawBorrowedIcon(picture_.icon,
                              picture_.scaled ? target : Rect{target.left, target.top, 0, 0}, area);
      break;
  }
}

}  // namespace tintara
