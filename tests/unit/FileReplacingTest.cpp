// Writing a file as a whole: a new file beside the target takes its name only once
// every byte is written, so no failure destroys an earlier file or leaves one behind.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/FileReplacing.h"
#include "platform/PlatformError.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FileReplacingTest : public ::testing::Test {
 protected:
  // The message the write fails with; empty when it succeeds.
  std::string Write(std::u16string_view target, const Bytes& bytes) {
    try {
      WriteFileReplacing(desktop, target, bytes);
    } catch (const PlatformError& error) {
      return error.what();
    }
    return {};
  }

  std::vector<std::u16string> FileNames() const {
    std::vector<std::u16string> names;
    for (const auto& [name, bytes] : desktop.files) names.push_back(name);
    return names;
  }

  MemoryDesktop desktop;
  const Bytes earlier = Bytes{1, 2, 3};
  const Bytes image = Bytes(1150, 0xAB);
};

TEST_F(FileReplacingTest, TheBytesReplaceAnyFileOfThatNameAndNothingElseRemains) {
  EXPECT_EQ(Write(u"C:\\Icons\\logo.ico", image), "");
  desktop.files[u"C:\\Icons\\old.ico"] = earlier;
  EXPECT_EQ(Write(u"C:\\Icons\\old.ico", image), "");
  // A name without a folder is the current folder's.
  EXPECT_EQ(Write(u"here.ico", image), "");
  EXPECT_EQ(FileNames(), (std::vector<std::u16string>{u"C:\\Icons\\logo.ico", u"C:\\Icons\\old.ico",
                                                      u"C:\\Users\\Tintara\\Documents\\here.ico"}));
  for (const auto& [name, bytes] : desktop.files) EXPECT_EQ(bytes, image);
  EXPECT_TRUE(desktop.openFiles.empty());

  // A leftover of an earlier run under the first temporary name is left alone.
  desktop.files[u"C:\\Icons\\logo.ico.tmp"] = earlier;
  EXPECT_EQ(Write(u"C:\\Icons\\logo.ico", Bytes{9}), "");
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\logo.ico"), Bytes{9});
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\logo.ico.tmp"), earlier);
  EXPECT_EQ(desktop.files.count(u"C:\\Icons\\logo.ico.1.tmp"), 0u);
}

TEST_F(FileReplacingTest, AFileThatCannotBeMadeOrTakeTheNameIsReportedWithThePlatformsReason) {
  desktop.refusingFolders.insert(u"C:\\Locked");
  desktop.files[u"C:\\Locked\\logo.ico"] = earlier;
  EXPECT_EQ(Write(u"C:\\Locked\\logo.ico", image),
            "Cannot create file \"C:\\Locked\\logo.ico\". Access is denied");
  desktop.Fail("CreateNewFile");
  EXPECT_EQ(
      Write(u"C:\\Nowhere\\gr\u00FC\u00DF.ico", image),
      "Cannot create file \"C:\\Nowhere\\gr\xC3\xBC\xC3\x9F.ico\". The system cannot find the "
      "path specified");
  desktop.Heal("CreateNewFile");
  // Written in full, but the name stays with a file that cannot be replaced.
  desktop.files[u"C:\\Icons\\fixed.ico"] = earlier;
  desktop.readOnlyFiles.insert(u"C:\\Icons\\fixed.ico");
  EXPECT_EQ(Write(u"C:\\Icons\\fixed.ico", image),
            "Cannot create file \"C:\\Icons\\fixed.ico\". Access is denied");
  EXPECT_EQ(FileNames(),
            (std::vector<std::u16string>{u"C:\\Icons\\fixed.ico", u"C:\\Locked\\logo.ico"}));
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\fixed.ico"), earlier);
  EXPECT_EQ(desktop.files.at(u"C:\\Locked\\logo.ico"), earlier);
  EXPECT_TRUE(desktop.openFiles.empty());
}

TEST_F(FileReplacingTest, AShortWriteLeavesTheEarlierFileAsItWasAndNoOtherBehind) {
  desktop.files[u"C:\\Icons\\logo.ico"] = earlier;
  desktop.writeLimit = 1000;  // the disk fills up
  EXPECT_EQ(Write(u"C:\\Icons\\logo.ico", image), "Stream write error");
  desktop.writeLimit.reset();
  desktop.Fail("WriteFileBytes");
  EXPECT_EQ(Write(u"C:\\Icons\\logo.ico", image), "Stream write error");
  desktop.Heal("WriteFileBytes");
  // Written, but not put on the disk.
  desktop.Fail("CloseWrittenFile");
  EXPECT_EQ(Write(u"C:\\Icons\\logo.ico", image), "Stream write error");
  EXPECT_EQ(FileNames(), (std::vector<std::u16string>{u"C:\\Icons\\logo.ico"}));
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\logo.ico"), earlier);
  EXPECT_TRUE(desktop.openFiles.empty());
}

TEST(FileReplacingText, TheReasonLosesTrailingBlanksLineEndsAndFullStops) {
  EXPECT_EQ(TrimmedErrorText(u"Access is denied.\r\n"), u"Access is denied");
  EXPECT_EQ(TrimmedErrorText(u"Disk full. . \n"), u"Disk full");
  EXPECT_EQ(TrimmedErrorText(u"v1.2 is busy"), u"v1.2 is busy");
  EXPECT_EQ(TrimmedErrorText(u"...\r\n"), u"");
}

}  // namespace
}  // namespace tintara
