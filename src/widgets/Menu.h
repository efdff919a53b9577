#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tintara {

// One item of a popup menu. A caption of "-" makes it a separator line.
class MenuItem {
 public:
  explicit MenuItem(std::u16string caption = {}, int imageIndex = -1)
      : caption_(std::move(caption)), imageIndex_(imageIndex) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { caption_ = std::move(caption); }
  bool IsSeparator() const { return caption_ == u"-"; }
  // Index into the menu's image list; -1: no picture.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }

  std::function<void(MenuItem& sender)> OnClick;
  // The user chose the item.
  void Click() {
    if (OnClick) OnClick(*this);
  }

 private:
  std::u16string caption_;
  int imageIndex_;
};

// Icons of the program's resources, drawn at one size.
class ImageList {
 public:
  int ImageSize() const { return imageSize_; }
  void SetImageSize(int size) { imageSize_ = size; }
  const std::vector<int>& IconResources() const { return icons_; }
  // Returns the new picture's index.
  int AddIconResource(int resourceId) {
    icons_.push_back(resourceId);
    return static_cast<int>(icons_.size()) - 1;
  }

 private:
  int imageSize_ = 16;
  std::vector<int> icons_;
};

// A context menu: its items in order and the pictures they use.
class PopupMenu {
 public:
  const std::vector<MenuItem*>& Items() const { return items_; }
  void Add(MenuItem& item) { items_.push_back(&item); }
  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images) { images_ = images; }

 private:
  std::vector<MenuItem*> items_;
  ImageList* images_ = nullptr;
};

// The items' captions as the menu shows them when it opens: each item gets as its
// keyboard accelerator the first letter or digit of its caption that no item before it
// has taken (marked with "&"); a "&" of the caption itself is doubled so it shows as
// written. Separators keep their caption.
std::vector<std::u16string> CaptionsWithAccelerators(const PopupMenu& menu);

}  // namespace tintara
