#include <gtest/gtest.h>

#include "engine/ColorizationControl.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

class ColorizationControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.library.record = ColorizationParams{0x44112233, 0x55AABBCC, 25, 10, -3, 50, 0xDEAD};
  }
  MemoryDesktop desktop;
  LogLines log;
};

TEST(ColorizationFormat, ToDwmColorSwapsRedAndBlueAndDropsTheTopByte) {
  EXPECT_EQ(ToDwmColor(0x00336699), 0x00996633u);
  EXPECT_EQ(ToDwmColor(0xFF336699), 0x00996633u);
  EXPECT_EQ(ToDwmColor(0x000000FF), 0x00FF0000u);
  EXPECT_EQ(ToDwmColor(0x00FF0000), 0x000000FFu);
}

TEST(ColorizationFormat, LogLineUsesUpperCaseHexAndSignedDecimals) {
  const ColorizationParams p{0x00996633, 0x0000ABCD, 70, 0, -12, 2147483647, 7};
  EXPECT_EQ(FormatColorizationLogLine(p),
            "Intensity 70 - Color 00996633 - Color Afterglow 0000ABCD - Color "
            "AfterglowBalance 0 - Color BlurBalance -12 - Color GlassReflectionIntensity "
            "2147483647");
}

TEST_F(ColorizationControlTest, WritesIntensity70AndKeepsTheOtherFields) {
  ColorizationControl control(desktop);
  control.Load();
  control.ApplyAeroColor(0x00336699, log);
  ASSERT_EQ(desktop.library.writes.size(), 1u);
  EXPECT_EQ(desktop.library.writes[0],
            (ColorizationParams{0x00996633, 0x55AABBCC, 70, 10, -3, 50, 0xDEAD}));
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0],
            "Intensity 70 - Color 00996633 - Color Afterglow 55AABBCC - Color AfterglowBalance "
            "10 - Color BlurBalance -3 - Color GlassReflectionIntensity 50");
  // Same colour again: written and logged again.
  control.ApplyAeroColor(0x00336699, log);
  EXPECT_EQ(desktop.library.writes.size(), 2u);
  EXPECT_EQ(log.lines.size(), 2u);
  // Order of the calls: query, read, write, read.
  std::vector<std::string> tail(desktop.calls.end() - 4, desktop.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"CompositionQuery", "ColorizationRead",
                                            "ColorizationWrite", "ColorizationRead"}));
}

TEST_F(ColorizationControlTest, TheLogLineShowsTheRecordReadBackAfterTheWrite) {
  // A window manager that keeps the intensity within a range of its own: what it
  // reports afterwards is not what was written, and the line tells what it reports.
  desktop.beforeCall = [&](std::string_view operation) {
    if (operation == "ColorizationRead" && !desktop.library.writes.empty()) {
      desktop.library.record.Intensity = 50;
    }
  };
  ColorizationControl control(desktop);
  control.Load();
  control.ApplyAeroColor(0x00336699, log);
  ASSERT_EQ(desktop.library.writes.size(), 1u);
  EXPECT_EQ(desktop.library.writes[0].Intensity, 70);
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0],
            "Intensity 50 - Color 00996633 - Color Afterglow 55AABBCC - Color AfterglowBalance "
            "10 - Color BlurBalance -3 - Color GlassReflectionIntensity 50");
}

TEST_F(ColorizationControlTest, LooksUpTheEntriesOnceInOrderAndReleasesOnDestruction) {
  {
    ColorizationControl control(desktop);
    control.Load();
    control.Load();
    EXPECT_EQ(control.LibraryHandle(), MemoryDesktop::kLibraryHandle);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"LoadColorizationLibrary",
                                                       "FindEntry(DwmIsCompositionEnabled)",
                                                       "FindEntry(#127)", "FindEntry(#131)"}));
  }
  EXPECT_EQ(desktop.library.loads, 1);
  EXPECT_EQ(desktop.library.releases, 1);
}

TEST_F(ColorizationControlTest, StaysSilentWhenAnythingIsMissingOrOff) {
  struct Scene {
    const char* what;
    void (*arrange)(MemoryDesktop&);
  };
  const Scene scenes[] = {
      {"no library", [](MemoryDesktop& d) { d.library.present = false; }},
      {"no composition query", [](MemoryDesktop& d) { d.library.hasCompositionQuery = false; }},
      {"no read entry", [](MemoryDesktop& d) { d.library.hasRead = false; }},
      {"no write entry", [](MemoryDesktop& d) { d.library.hasWrite = false; }},
      {"composition off", [](MemoryDesktop& d) { d.library.compositionFlag = 0; }},
      {"composition query fails",
       [](MemoryDesktop& d) { d.library.compositionResult = static_cast<HResult>(0x80004005); }},
      {"composition query returns S_FALSE",
       [](MemoryDesktop& d) { d.library.compositionResult = 1; }},
      {"first read fails",
       [](MemoryDesktop& d) { d.library.readResult = static_cast<HResult>(0x8007000E); }},
  };
  for (const Scene& scene : scenes) {
    MemoryDesktop d;
    d.library.record = desktop.library.record;
    scene.arrange(d);
    ColorizationControl control(d);
    control.Load();
    LogLines lines;
    control.ApplyAeroColor(0x123456, lines);
    EXPECT_TRUE(d.library.writes.empty()) << scene.what;
    EXPECT_TRUE(lines.lines.empty()) << scene.what;
    EXPECT_EQ(d.library.record, desktop.library.record) << scene.what;
  }
}

TEST_F(ColorizationControlTest, AnyNonZeroCompositionFlagCountsAsOn) {
  desktop.library.compositionFlag = -7;
  ColorizationControl control(desktop);
  EXPECT_FALSE(control.IsCompositionEnabled());  // not loaded yet
  control.Load();
  EXPECT_TRUE(control.IsCompositionEnabled());
}

}  // namespace
}  // namespace tintara
