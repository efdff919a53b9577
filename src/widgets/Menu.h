#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
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

// The program's icon in the notification area (state only: the backend that shows it
// comes with the tray).
class TrayIcon {
 public:
  static constexpr std::size_t kMaxTooltip = 127;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  const std::u16string& Tooltip() const { return tooltip_; }
  // Cut to the 127 characters the notification area takes.
  void SetTooltip(std::u16string_view tooltip) {
    tooltip_ = std::u16string(tooltip.substr(0, kMaxTooltip));
  }
  int IconResource() const { return iconResource_; }
  void SetIconResource(int resourceId) { iconResource_ = resourceId; }
  PopupMenu* Menu() const { return menu_; }
  void SetMenu(PopupMenu* menu) { menu_ = menu; }

 private:
  bool visible_ = false;
  std::u16string tooltip_;
  int iconResource_ = 0;
  PopupMenu* menu_ = nullptr;
};

}  // namespace tintara
