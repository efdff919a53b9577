// The colorization library through the stand-in that the test runner puts into the
// prefix's system folder, and the guard against a library planted beside the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "StandInFiles.h"
#include "engine/ColorizationControl.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

constexpr wchar_t kChildVariable[] = L"TINTARA_TEST_DLL_SEARCH_CHILD";

HMODULE AsModule(ModuleHandle module) {
  return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(module));
}

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  return std::wstring(path, length < MAX_PATH ? length : 0);
}

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

bool IsSystemCopy(HMODULE module) {
  const std::wstring path = Lower(ModulePath(module));
  const std::wstring suffix = L"\\system32\\dwmapi.dll";
  return path.size() > suffix.size() && path.ends_with(suffix);
}

bool HasPlantedMarker(HMODULE module) {
  return GetProcAddress(module, "PlantedMarker") != nullptr;
}

std::wstring ProgramFolder() {
  const std::wstring self = ModulePath(nullptr);
  return self.substr(0, self.find_last_of(L'\\'));
}

std::string ToNarrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

const ColorizationParams kUsersColorization{0x6B3C78B4, 0x6B112233, 45, 20, -35, 50, 1};

TEST(Win32ColorizationLibrary, TheSystemLibrarysEntriesReadAndWriteTheRecord) {
  const test::StandInFiles files;
  files.WriteRecord(kUsersColorization);
  Win32Desktop desktop;
  const ModuleHandle module = desktop.LoadColorizationLibrary();
  ASSERT_NE(module, 0u);
  EXPECT_TRUE(IsSystemCopy(AsModule(module))) << ToNarrow(ModulePath(AsModule(module)));

  const EntryPoint query = desktop.FindEntryByName(module, "DwmIsCompositionEnabled");
  const EntryPoint read = desktop.FindEntryByOrdinal(module, 127);
  const EntryPoint write = desktop.FindEntryByOrdinal(module, 131);
  EXPECT_NE(query, 0u);
  EXPECT_NE(read, 0u);
  EXPECT_NE(write, 0u);
  EXPECT_NE(read, write);
  EXPECT_EQ(desktop.FindEntryByName(module, "NoSuchEntry"), 0u);
  EXPECT_EQ(desktop.FindEntryByOrdinal(module, 9999), 0u);
  ASSERT_TRUE(query != 0 && read != 0 && write != 0);

  std::int32_t enabled = 7;
  EXPECT_EQ(desktop.CallCompositionQuery(query, enabled), 0);
  EXPECT_EQ(enabled, 1);
  test::StandInFiles::SetComposition(L"off");
  EXPECT_EQ(desktop.CallCompositionQuery(query, enabled), 0);
  EXPECT_EQ(enabled, 0);
  test::StandInFiles::SetComposition(L"fail");
  enabled = 7;
  EXPECT_LT(desktop.CallCompositionQuery(query, enabled), 0);
  EXPECT_EQ(enabled, 7);  // a failed query says nothing
  test::StandInFiles::SetComposition(nullptr);

  ColorizationParams params{};
  EXPECT_EQ(desktop.CallColorizationRead(read, params), 0);
  EXPECT_EQ(params, kUsersColorization);

  ColorizationParams written = params;
  written.Color = 0x00112233;
  written.Intensity = 70;
  EXPECT_EQ(desktop.CallColorizationWrite(write, written, 0), 0);
  EXPECT_EQ(files.ReadRecord(), written);
  ColorizationParams again{};
  EXPECT_EQ(desktop.CallColorizationRead(read, again), 0);
  EXPECT_EQ(again, written);
  EXPECT_NE(files.ReadLog().find("write Color=00112233 Afterglow=6B112233 Intensity=70 "
                                 "AfterglowBalance=20 BlurBalance=-35 "
                                 "GlassReflectionIntensity=50 Opaque=00000001 Argument=0"),
            std::string::npos)
      << files.ReadLog();

  test::StandInFiles::SetRead(L"fail");
  ColorizationParams untouched{};
  EXPECT_LT(desktop.CallColorizationRead(read, untouched), 0);
  EXPECT_EQ(untouched, ColorizationParams{});
  test::StandInFiles::SetRead(nullptr);

  desktop.ReleaseLibrary(module);
}

TEST(Win32ColorizationLibrary, TheControlWritesThroughTheRealLibraryOnlyAfterAGoodRead) {
  const test::StandInFiles files;
  files.WriteRecord(kUsersColorization);
  Win32Desktop desktop;
  ColorizationControl control{desktop};
  control.Load();
  ASSERT_NE(control.LibraryHandle(), 0u);
  EXPECT_TRUE(control.IsCompositionEnabled());

  LogLines log;
  control.ApplyAeroColor(0x00336699, log);
  ColorizationParams expected = kUsersColorization;
  expected.Color = 0x00996633;
  expected.Intensity = 70;
  EXPECT_EQ(files.ReadRecord(), expected);
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0], FormatColorizationLogLine(expected));

  // A failed first read must not write a zeroed record over the user's settings.
  test::StandInFiles::SetRead(L"fail");
  control.ApplyAeroColor(0x00FF0000, log);
  EXPECT_EQ(files.ReadRecord(), expected);
  EXPECT_EQ(log.lines.size(), 1u);
  test::StandInFiles::SetRead(nullptr);

  // Composition off: no write, no line.
  test::StandInFiles::SetComposition(L"off");
  EXPECT_FALSE(control.IsCompositionEnabled());
  control.ApplyAeroColor(0x00FF0000, log);
  EXPECT_EQ(files.ReadRecord(), expected);
  EXPECT_EQ(log.lines.size(), 1u);
  test::StandInFiles::SetComposition(nullptr);

  const std::string writes = files.ReadLog();
  std::size_t count = 0;
  for (std::size_t at = writes.find("write "); at != std::string::npos;
       at = writes.find("write ", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 1u) << writes;
}

TEST(Win32ColorizationLibrary, ALibraryPlantedBesideTheProgramIsNeverLoaded) {
  const std::wstring planted = ProgramFolder() + L"\\dwmapi.dll";
  ASSERT_NE(GetFileAttributesW(planted.c_str()), INVALID_FILE_ATTRIBUTES)
      << "the planted library must be built beside the test program";

  // The bait works: a careless load by name takes the planted copy first.
  {
    const HMODULE careless = LoadLibraryW(L"dwmapi.dll");
    ASSERT_NE(careless, nullptr);
    EXPECT_TRUE(HasPlantedMarker(careless)) << ToNarrow(ModulePath(careless));
    FreeLibrary(careless);
  }

  Win32Desktop desktop;
  const ModuleHandle module = desktop.LoadColorizationLibrary();
  ASSERT_NE(module, 0u);
  EXPECT_FALSE(HasPlantedMarker(AsModule(module)));
  EXPECT_TRUE(IsSystemCopy(AsModule(module))) << ToNarrow(ModulePath(AsModule(module)));
  desktop.ReleaseLibrary(module);
}

// The restriction is for the whole process and cannot be undone, so it is tried in a
// child process: this same program, running only the test below.
TEST(Win32ColorizationLibrary, RestrictingTheSearchKeepsPlantedLibrariesOut) {
  std::wstring commandLine =
      L"\"" + ModulePath(nullptr) + L"\" --gtest_filter=Win32DllSearchChild.*";
  SetEnvironmentVariableW(kChildVariable, L"1");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &child);
  SetEnvironmentVariableW(kChildVariable, nullptr);
  ASSERT_TRUE(started);
  const DWORD waited = WaitForSingleObject(child.hProcess, 60000);
  DWORD exitCode = 1;
  GetExitCodeProcess(child.hProcess, &exitCode);
  if (waited != WAIT_OBJECT_0) TerminateProcess(child.hProcess, 1);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(exitCode, 0u);
}

TEST(Win32DllSearchChild, LoadsByNameComeFromTheSystemFolderOnly) {
  wchar_t flag[4] = {};
  if (GetEnvironmentVariableW(kChildVariable, flag, 4) == 0) {
    GTEST_SKIP() << "runs in the child process of RestrictingTheSearchKeepsPlantedLibrariesOut";
  }
  RestrictDllSearchToSystemFolder();

  // Now even a load by bare name passes over the copy beside the program.
  const HMODULE byName = LoadLibraryW(L"dwmapi.dll");
  ASSERT_NE(byName, nullptr);
  EXPECT_FALSE(HasPlantedMarker(byName));
  EXPECT_TRUE(IsSystemCopy(byName)) << ToNarrow(ModulePath(byName));
  FreeLibrary(byName);

  // No harm done: system libraries still load by name, and so does ours.
  const HMODULE shell = LoadLibraryW(L"shell32.dll");
  EXPECT_NE(shell, nullptr);
  if (shell != nullptr) FreeLibrary(shell);
  Win32Desktop desktop;
  const ModuleHandle module = desktop.LoadColorizationLibrary();
  ASSERT_NE(module, 0u);
  EXPECT_NE(desktop.FindEntryByOrdinal(module, 127), 0u);
  desktop.ReleaseLibrary(module);
}

}  // namespace
}  // namespace tintara
