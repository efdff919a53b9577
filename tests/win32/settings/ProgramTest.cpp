// The running program as the system reports it: the module path and the command
// line, including a start with the launch switch.

#include <gtest/gtest.h>

#include <string>

#include "TestPlaces.h"
#include "app/startup/AppPath.h"
#include "app/startup/LaunchSwitch.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using test::Utf16;
using test::Wide;

constexpr wchar_t kChildMarker[] = L"TINTARA_LAUNCH_SWITCH_CHILD";

std::u16string Lower(std::u16string text) {
  return LowerCaseAsciiLetters(text);
}

TEST(Win32Program, TheModulePathIsTheFullPathOfTheRunningExecutable) {
  Win32Desktop desktop;
  const std::u16string path = desktop.ModuleFileName();
  ASSERT_GT(path.size(), 3u);
  EXPECT_EQ(path[1], u':');
  const std::u16string folder = AppFolderFromModulePath(path);
  EXPECT_EQ(Lower(path.substr(folder.size())), u"win32_settings_tests.exe");
  EXPECT_NE(GetFileAttributesW(Wide(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

// Started by the next test with the switch on its command line.
TEST(Win32Program, ChildSeesTheLaunchSwitch) {
  if (GetEnvironmentVariableW(kChildMarker, nullptr, 0) == 0) {
    GTEST_SKIP() << "runs only as the child of StartedWithTheSwitch";
  }
  Win32Desktop desktop;
  EXPECT_TRUE(StartedWithLaunchSwitch(desktop))
      << std::string(desktop.CommandLine().begin(), desktop.CommandLine().end());
}

TEST(Win32Program, ACopyStartedWithTheSwitchRecognisesIt) {
  Win32Desktop desktop;
  EXPECT_FALSE(StartedWithLaunchSwitch(desktop));
  const std::u16string self = desktop.ModuleFileName();
  EXPECT_EQ(
      Lower(CommandLineArgument(desktop.CommandLine(), 0)).ends_with(u"win32_settings_tests.exe"),
      true);

  // The entry's own form: the quoted path, then the switch, here in another case.
  std::wstring line =
      L"\"" + Wide(self) + L"\" AutoStart --gtest_filter=Win32Program.ChildSeesTheLaunchSwitch";
  ASSERT_TRUE(SetEnvironmentVariableW(kChildMarker, L"1"));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(Wide(self).c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableW(kChildMarker, nullptr);
  ASSERT_TRUE(started);
  CloseHandle(process.hThread);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace tintara
