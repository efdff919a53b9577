// The real per-user registry behind the desktop's registry operations, on a key of
// the test's own: the start-up list itself is left alone.

#include <gtest/gtest.h>

#include <cstring>

#include "TestPlaces.h"
#include "app/startup/AutostartEntry.h"
#include "platform/RegistryKey.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using test::QueryRawValue;
using test::RawValue;
using test::TestRegistryPath;
using test::UniqueKey;
using test::Utf16;

TEST(Win32Registry, StoresAStringWithItsTerminatingNulAsRegSz) {
  Win32Desktop desktop;
  TestRegistryPath path;
  const std::u16string data = AutostartCommandLine(u"C:\\Program Files\\Tintara\\Tintara.exe");

  const RegistryKeyHandle key = desktop.OpenUserKey(Utf16(path.Path()));
  ASSERT_NE(key, 0u);
  EXPECT_FALSE(desktop.RegistryValueExists(key, u"Tintara"));
  ASSERT_TRUE(desktop.SetRegistryString(key, u"Tintara", data));
  EXPECT_TRUE(desktop.RegistryValueExists(key, u"Tintara"));
  EXPECT_TRUE(desktop.RegistryValueExists(key, u"TINTARA"));
  desktop.CloseRegistryKey(key);

  const RawValue raw = QueryRawValue(path.Path(), L"Tintara");
  ASSERT_EQ(raw.status, ERROR_SUCCESS);
  EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
  ASSERT_EQ(raw.bytes.size(), (data.size() + 1) * 2);
  EXPECT_EQ(std::memcmp(raw.bytes.data(), data.data(), data.size() * 2), 0);
  EXPECT_EQ(raw.bytes[raw.bytes.size() - 2], 0);
  EXPECT_EQ(raw.bytes[raw.bytes.size() - 1], 0);

  // An empty text is just its NUL.
  RegistryKey wrapped = RegistryKey::OpenUser(desktop, Utf16(path.Path()));
  ASSERT_TRUE(wrapped.SetString(u"Empty", u""));
  EXPECT_EQ(QueryRawValue(path.Path(), L"Empty").bytes, (std::vector<BYTE>{0, 0}));
}

TEST(Win32Registry, AValueOfAnotherTypeIsReplacedByAString) {
  Win32Desktop desktop;
  TestRegistryPath path;
  {
    UniqueKey raw;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.Path().c_str(), 0, KEY_ALL_ACCESS, raw.out()),
              ERROR_SUCCESS);
    const DWORD one = 1;
    ASSERT_EQ(RegSetValueExW(raw.get(), L"Tintara", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&one), sizeof one),
              ERROR_SUCCESS);
  }
  RegistryKey key = RegistryKey::OpenUser(desktop, Utf16(path.Path()));
  EXPECT_TRUE(key.ValueExists(u"Tintara"));
  ASSERT_TRUE(key.SetString(u"Tintara", u"x"));
  const RawValue raw = QueryRawValue(path.Path(), L"Tintara");
  EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw.bytes, (std::vector<BYTE>{'x', 0, 0, 0}));
}

TEST(Win32Registry, DeletesOnceAndReportsAnAbsentValue) {
  Win32Desktop desktop;
  TestRegistryPath path;
  RegistryKey key = RegistryKey::OpenUser(desktop, Utf16(path.Path()));
  ASSERT_TRUE(key.SetString(u"Tintara", u"x"));
  EXPECT_TRUE(key.DeleteValue(u"Tintara"));
  EXPECT_FALSE(key.ValueExists(u"Tintara"));
  EXPECT_FALSE(key.DeleteValue(u"Tintara"));
  EXPECT_EQ(QueryRawValue(path.Path(), L"Tintara").status, ERROR_FILE_NOT_FOUND);
}

TEST(Win32Registry, AMissingKeyIsNeitherOpenedNorCreated) {
  Win32Desktop desktop;
  TestRegistryPath path;
  const std::wstring missing = path.Path() + L"\\Missing";
  EXPECT_EQ(desktop.OpenUserKey(Utf16(missing)), 0u);
  UniqueKey probe;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, probe.out()),
            ERROR_FILE_NOT_FOUND);

  // With no key, nothing is found and every change is refused.
  EXPECT_FALSE(desktop.RegistryValueExists(0, u"Tintara"));
  EXPECT_FALSE(desktop.SetRegistryString(0, u"Tintara", u"x"));
  EXPECT_FALSE(desktop.DeleteRegistryValue(0, u"Tintara"));
  desktop.CloseRegistryKey(0);
}

}  // namespace
}  // namespace tintara
