#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "widgets/Application.h"
#include "widgets/Menu.h"

namespace tintara {

// The program's icon in the notification area. While it is visible the shell shows
// it; the backend's host window receives what the user does with it and the shell's
// announcement of a new taskbar, and hands both to Notify and ShellRestarted.
class TrayIcon {
 public:
  static constexpr std::size_t kMaxTooltip = 127;
  static constexpr std::string_view kRemoveFailedText = "Cannot remove shell notification icon";

  explicit TrayIcon(Application& application);
  // A shown icon goes with its owner, without a report: the program is ending.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  bool Visible() const { return visible_; }
  // Showing asks the shell to add the icon; a shell that does not take it (no taskbar
  // running) is not reported, the icon then appears when a new taskbar is announced.
  // Hiding asks the shell to remove it; a refusal leaves the icon counted as hidden and
  // throws PlatformError with kRemoveFailedText, for the general error report.
  void SetVisible(bool visible);
  // Takes the icon away without reporting a refusal (the session or program ends).
  void RemoveQuietly();

  const std::u16string& Tooltip() const { return tooltip_; }
  // Cut to the 127 characters the notification area takes, never inside a character
  // that needs two UTF-16 units.
  void SetTooltip(std::u16string_view tooltip);
  int IconResource() const { return iconResource_; }
  void SetIconResource(int resourceId) { iconResource_ = resourceId; }
  PopupMenu* Menu() const { return menu_; }
  void SetMenu(PopupMenu* menu) { menu_ = menu; }

  // --- from the backend ---
  // The mouse did something over the icon; the pointer is at `cursor` (screen). Only
  // the release of the right button does anything: it opens the menu there. Runs under
  // the application's general error report.
  void Notify(TrayMouseEvent event, Point cursor);
  // The shell made a new taskbar: an icon that is meant to be visible is added again.
  void ShellRestarted();

 private:
  Application& application_;
  std::unique_ptr<TrayIconHost> host_;
  bool visible_ = false;
  std::u16string tooltip_;
  int iconResource_ = 0;
  PopupMenu* menu_ = nullptr;
};

}  // namespace tintara
