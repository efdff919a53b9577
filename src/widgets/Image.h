#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "widgets/Control.h"
#include "widgets/Picture.h"

namespace tintara {

// How an image places its picture in its bounds.
enum class ImageFit {
  TopLeft,     // at its own size from the top-left corner, cut off at the bounds
  Stretch,     // scaled to the bounds, not proportionally
  CenterIcon,  // at its own size, centred, cut off at the bounds (see CenteredOrigin)
};

// Where a picture of `picture` size sits centred in an area of `area` size:
// ((area width - width) div 2, (area height - height) div 2), the division truncating
// toward zero, so a larger picture is centred and cropped.
Point CenteredOrigin(Size area, Size picture);

// A picture on the form; windowless.
class Image : public Control {
 public:
  ControlKind Kind() const override { return ControlKind::Image; }

  const Picture& GetPicture() const { return picture_; }
  // A new picture, even one of the same icon, drops the saved file image.
  void SetPicture(const Picture& picture);
  // The file image made from the picture when it was first saved, kept so that saving
  // it again writes the same bytes even after its icon has gone; nullptr before.
  const std::vector<std::uint8_t>* SavedImage() const { return saved_ ? &*saved_ : nullptr; }
  void KeepSavedImage(std::vector<std::uint8_t> bytes) { saved_ = std::move(bytes); }
  ImageFit Fit() const { return fit_; }
  void SetFit(ImageFit fit);

  void Paint(Canvas& canvas) override;

 private:
  Picture picture_;
  ImageFit fit_ = ImageFit::TopLeft;
  std::optional<std::vector<std::uint8_t>> saved_;
};

}  // namespace tintara
