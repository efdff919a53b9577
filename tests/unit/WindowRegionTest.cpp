// Regions on the memory desktop and the RAII region.
#include <gtest/gtest.h>

#include "platform/WindowRegion.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

TEST(MemoryRegions, RoundedRectanglesLeaveTheirRightAndBottomEdgesAndCutTheCorners) {
  MemoryDesktop desktop;
  const RegionHandle r = desktop.CreateRoundRectRegion(0, 0, 601, 203, 6, 6);
  const MemoryRegion& region = desktop.regions.at(r);
  EXPECT_FALSE(region.Contains({0, 0}));
  EXPECT_FALSE(region.Contains({599, 0}));
  EXPECT_FALSE(region.Contains({0, 201}));
  EXPECT_FALSE(region.Contains({599, 201}));
  EXPECT_TRUE(region.Contains({3, 0}));
  EXPECT_TRUE(region.Contains({0, 3}));
  EXPECT_TRUE(region.Contains({300, 100}));
  EXPECT_TRUE(region.Contains({599, 100}));
  EXPECT_FALSE(region.Contains({600, 100}));
  EXPECT_FALSE(region.Contains({300, 202}));

  const RegionHandle rect = desktop.CreateRectRegion(597, 199, 600, 202);
  EXPECT_TRUE(desktop.regions.at(rect).Contains({599, 201}));
  EXPECT_FALSE(desktop.regions.at(rect).Contains({600, 201}));
  EXPECT_TRUE(desktop.CombineRegionsOr(r, r, rect));
  EXPECT_TRUE(desktop.regions.at(r).Contains({599, 201}));
  EXPECT_FALSE(desktop.CombineRegionsOr(r, r, 0x999));
}

TEST(MemoryRegions, AWindowOwnsTheRegionItTookAndFreesItWithItself) {
  MemoryDesktop desktop;
  const WindowHandle window = desktop.AddWindow({});
  const RegionHandle r = desktop.CreateRectRegion(0, 0, 10, 10);
  EXPECT_EQ(desktop.SetWindowRegion(window, r, true), 1);
  EXPECT_EQ(desktop.windowRegions.at(window), r);
  EXPECT_FALSE(desktop.DeleteRegion(r));  // the system's now
  EXPECT_TRUE(desktop.WindowContains(window, {9, 9}));
  EXPECT_FALSE(desktop.WindowContains(window, {10, 9}));
  const RegionHandle next = desktop.CreateRectRegion(0, 0, 5, 5);
  EXPECT_EQ(desktop.SetWindowRegion(window, next, true), 1);
  EXPECT_EQ(desktop.regions.count(r), 0u);  // the old one went with the change
  desktop.DestroyWindow(window);
  EXPECT_TRUE(desktop.regions.empty());

  desktop.Fail("SetWindowRegion");
  const WindowHandle other = desktop.AddWindow({});
  const RegionHandle kept = desktop.CreateRectRegion(0, 0, 5, 5);
  EXPECT_EQ(desktop.SetWindowRegion(other, kept, true), 0);
  EXPECT_TRUE(desktop.DeleteRegion(kept));
}

TEST(WindowRegion, DeletesWhatItOwnsAndLetsGoOfWhatAWindowTook) {
  MemoryDesktop desktop;
  const WindowHandle window = desktop.AddWindow({});
  {
    WindowRegion a = WindowRegion::Rectangular(desktop, 0, 0, 4, 4);
    WindowRegion b = WindowRegion::RoundRect(desktop, 0, 0, 9, 9, 2, 2);
    EXPECT_TRUE(b.Unite(a));
    WindowRegion moved = std::move(b);
    EXPECT_FALSE(b.Valid());
    EXPECT_TRUE(moved.GiveToWindow(window));
    EXPECT_FALSE(moved.Valid());
    EXPECT_EQ(desktop.regions.size(), 2u);
  }
  // `a` deleted; the window's region stays.
  ASSERT_EQ(desktop.regions.size(), 1u);
  EXPECT_EQ(desktop.regions.begin()->second.owner, window);

  desktop.Fail("SetWindowRegion");
  {
    WindowRegion c = WindowRegion::Rectangular(desktop, 0, 0, 4, 4);
    EXPECT_FALSE(c.GiveToWindow(window));
    EXPECT_TRUE(c.Valid());
  }
  EXPECT_EQ(desktop.regions.size(), 1u);
  EXPECT_EQ(desktop.regionCalls.back().op, "DeleteObject");
}

}  // namespace
}  // namespace tintara
