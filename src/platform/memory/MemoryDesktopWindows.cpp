// Window shape, moving and showing on the memory desktop.
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

// Whether the pixel centre (cx, cy) lies in the box once its corners are cut by an
// ellipse of the given size.
bool InsideRoundedBox(const Rect& box, Size ellipse, double cx, double cy) {
  if (cx < box.left || cx >= box.Right() || cy < box.top || cy >= box.Bottom()) return false;
  if (ellipse.width <= 0 || ellipse.height <= 0) return true;
  const double rx = ellipse.width / 2.0;
  const double ry = ellipse.height / 2.0;
  double ex = cx;
  double ey = cy;
  if (cx < box.left + rx) ex = box.left + rx;
  if (cx > box.Right() - rx) ex = box.Right() - rx;
  if (cy < box.top + ry) ey = box.top + ry;
  if (cy > box.Bottom() - ry) ey = box.Bottom() - ry;
  // Away from the corners the box is square; in a corner the ellipse decides.
  if (ex == cx || ey == cy) return true;
  const double dx = (cx - ex) / rx;
  const double dy = (cy - ey) / ry;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace

bool MemoryRegion::Contains(Point pixel) const {
  const double cx = pixel.x + 0.5;
  const double cy = pixel.y + 0.5;
  for (const Part& part : parts) {
    if (InsideRoundedBox(part.box, part.ellipse, cx, cy)) return true;
  }
  return false;
}

RegionHandle MemoryDesktop::NewRegion(MemoryRegion region) {
  const RegionHandle handle = nextRegion_;
  nextRegion_ += 0x10;
  regions[handle] = std::move(region);
  return handle;
}

RegionHandle MemoryDesktop::CreateRoundRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                                  std::int32_t y2, std::int32_t ellipseWidth,
                                                  std::int32_t ellipseHeight) {
  RegionHandle handle = 0;
  if (!Enter("CreateRoundRectRegion")) {
    // As the system makes it: the right and bottom edges stay outside.
    MemoryRegion region;
    region.parts.push_back({{x1, y1, x2 - x1 - 1, y2 - y1 - 1}, {ellipseWidth, ellipseHeight}});
    handle = NewRegion(std::move(region));
  }
  regionCalls.push_back({"CreateRoundRectRgn",
                         {x1, y1, x2, y2, ellipseWidth, ellipseHeight},
                         static_cast<std::int64_t>(handle)});
  return handle;
}

RegionHandle MemoryDesktop::CreateRectRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                             std::int32_t y2) {
  RegionHandle handle = 0;
  if (!Enter("CreateRectRegion")) {
    MemoryRegion region;
    region.parts.push_back({{x1, y1, x2 - x1, y2 - y1}, {0, 0}});
    handle = NewRegion(std::move(region));
  }
  regionCalls.push_back({"CreateRectRgn", {x1, y1, x2, y2}, static_cast<std::int64_t>(handle)});
  return handle;
}

bool MemoryDesktop::CombineRegionsOr(RegionHandle destination, RegionHandle first,
                                     RegionHandle second) {
  bool done = false;
  if (!Enter("CombineRegionsOr") && regions.count(destination) != 0 && regions.count(first) != 0 &&
      regions.count(second) != 0) {
    MemoryRegion united;
    united.parts = regions[first].parts;
    const auto& more = regions[second].parts;
    united.parts.insert(united.parts.end(), more.begin(), more.end());
    regions[destination].parts = std::move(united.parts);
    done = true;
  }
  regionCalls.push_back({"CombineRgn",
                         {static_cast<std::int64_t>(destination), static_cast<std::int64_t>(first),
                          static_cast<std::int64_t>(second)},
                         done ? 1 : 0});
  return done;
}

bool MemoryDesktop::DeleteRegion(RegionHandle region) {
  bool done = false;
  // A region a window owns is the system's: the program can no longer delete it.
  if (!Enter("DeleteRegion")) {
    const auto it = regions.find(region);
    if (it != regions.end() && it->second.owner == 0) {
      regions.erase(it);
      done = true;
    }
  }
  regionCalls.push_back({"DeleteObject", {static_cast<std::int64_t>(region)}, done ? 1 : 0});
  return done;
}

std::int32_t MemoryDesktop::SetWindowRegion(WindowHandle window, RegionHandle region, bool redraw) {
  std::int32_t result = 0;
  const auto it = regions.find(region);
  if (!Enter("SetWindowRegion") && windows.count(window) != 0 && it != regions.end() &&
      it->second.owner == 0) {
    const auto previous = windowRegions.find(window);
    if (previous != windowRegions.end()) regions.erase(previous->second);
    it->second.owner = window;
    windowRegions[window] = region;
    result = 1;
  }
  regionCalls.push_back(
      {"SetWindowRgn",
       {static_cast<std::int64_t>(window), static_cast<std::int64_t>(region), redraw ? 1 : 0},
       result});
  return result;
}

bool MemoryDesktop::WindowContains(WindowHandle window, Point pixel) const {
  const auto w = windows.find(window);
  if (w == windows.end()) return false;
  const auto r = windowRegions.find(window);
  if (r != windowRegions.end()) return regions.at(r->second).Contains(pixel);
  const auto p = placements.find(window);
  if (p == placements.end()) return false;
  return Rect{0, 0, p->second.bounds.width, p->second.bounds.height}.Contains(pixel);
}

void MemoryDesktop::DestroyWindow(WindowHandle window) {
  const auto r = windowRegions.find(window);
  if (r != windowRegions.end()) {
    regions.erase(r->second);
    windowRegions.erase(r);
  }
  placements.erase(window);
  windows.erase(window);
}

void MemoryDesktop::ReleaseMouseCapture() {
  Enter("ReleaseMouseCapture");
}

std::int64_t MemoryDesktop::SendSystemCommand(WindowHandle window, std::uint32_t command,
                                              std::int64_t lParam) {
  const bool afterRelease = !calls.empty() && calls.back() == "ReleaseMouseCapture";
  Enter("SendSystemCommand");
  systemCommands.push_back({window, command, lParam, afterRelease});
  return 0;
}

std::vector<WindowHandle> MemoryDesktop::DragStarts() const {
  std::vector<WindowHandle> starts;
  for (const MemorySystemCommand& c : systemCommands) {
    if (c.command == kSysCommandDragMove && c.lParam == 0 && c.afterCaptureRelease) {
      starts.push_back(c.window);
    }
  }
  return starts;
}

bool MemoryDesktop::RestoreWindow(WindowHandle window) {
  if (Enter("RestoreWindow")) return false;
  restoredWindows.push_back(window);
  if (windows.count(window) == 0) return false;
  MemoryWindowPlacement& placement = placements[window];
  const bool wasVisible = placement.visible;
  placement.visible = true;
  placement.minimized = false;
  return wasVisible;
}

Rect MemoryDesktop::DesktopBounds() {
  Enter("DesktopBounds");
  return desktopBounds;
}

std::int32_t MemoryDesktop::PrimaryScreenWidth() {
  Enter("PrimaryScreenWidth");
  return primaryScreenWidth;
}

Rect MemoryDesktop::WindowBounds(WindowHandle window) {
  Enter("WindowBounds");
  const auto it = placements.find(window);
  return it == placements.end() ? Rect{} : it->second.bounds;
}

}  // namespace tintara
