#include "app/DetailsRelay.h"

#include "app/FormDetails.h"

namespace tintara {

void DetailsRelay::Attach(TForm_Details* details) {
  details_ = details;
  if (details_ == nullptr) return;
  if (handleCaption_) details_->Label_Handle.SetCaption(*handleCaption_);
  if (classCaption_) details_->Label_Class.SetCaption(*classCaption_);
  for (const std::string& line : lines_) details_->Log().AppendLine(line);
  handleCaption_.reset();
  classCaption_.reset();
  lines_.clear();
  lines_.shrink_to_fit();
}

void DetailsRelay::SetHandleCaption(const std::u16string& text) {
  if (details_ != nullptr) {
    details_->Label_Handle.SetCaption(text);
  } else {
    handleCaption_ = text;
  }
}

void DetailsRelay::SetClassCaption(const std::u16string& text) {
  if (details_ != nullptr) {
    details_->Label_Class.SetCaption(text);
  } else {
    classCaption_ = text;
  }
}

void DetailsRelay::AppendLine(std::string_view line) {
  if (details_ != nullptr) {
    details_->Log().AppendLine(line);
  } else {
    lines_.emplace_back(line);
  }
}

}  // namespace tintara
