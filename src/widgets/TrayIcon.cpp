#include "widgets/TrayIcon.h"

#include "platform/PlatformError.h"

namespace tintara {

TrayIcon::TrayIcon(Application& application)
    : application_(application), host_(application.Backend().CreateTrayIconHost(*this)) {}

TrayIcon::~TrayIcon() {
  RemoveQuietly();
}

void TrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (visible) {
    host_->Add(iconResource_, tooltip_);
    return;
  }
  if (!host_->Remove()) throw PlatformError(std::string(kRemoveFailedText));
}

void TrayIcon::RemoveQuietly() {
  if (!visible_) return;
  visible_ = false;
  host_->Remove();
}

void TrayIcon::SetTooltip(std::u16string_view tooltip) {
  std::size_t length = tooltip.size() < kMaxTooltip ? tooltip.size() : kMaxTooltip;
  // A lead surrogate whose partner would be cut off goes as well.
  if (length == kMaxTooltip && tooltip.size() > kMaxTooltip && tooltip[length - 1] >= 0xD800 &&
      tooltip[length - 1] <= 0xDBFF) {
    --length;
  }
  tooltip_ = std::u16string(tooltip.substr(0, length));
}

void TrayIcon::Notify(TrayMouseEvent event, Point cursor) {
  if (event != TrayMouseEvent::RightUp || menu_ == nullptr) return;
  application_.RunHandler([&] {
    MenuItem* chosen = host_->TrackMenu(*menu_, cursor);
    if (chosen != nullptr) chosen->Click();
  });
}

void TrayIcon::ShellRestarted() {
  if (visible_) host_->Add(iconResource_, tooltip_);
}

}  // namespace tintara
