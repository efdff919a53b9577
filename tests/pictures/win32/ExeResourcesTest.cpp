// The resources of tintara.exe as Windows sees them: the exe is opened as a data file
// and its resources are found, decoded and drawn by the system's own functions.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/ResourceIds.h"

namespace {

std::wstring ExePath() {
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(L"tintara.exe", MAX_PATH, full, nullptr);
  return std::wstring(full, length);
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colorCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytesInRes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

class ExeResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ExePath().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "cannot open tintara.exe, error " << GetLastError();
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  std::vector<BYTE> Resource(int id, LPCWSTR type) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    return std::vector<BYTE>(data, data + SizeofResource(module_, found));
  }

  std::vector<GroupIconEntry> GroupEntries(int id) const {
    const std::vector<BYTE> group = Resource(id, RT_GROUP_ICON);
    std::vector<GroupIconEntry> entries;
    if (group.size() < sizeof(GroupIconHeader)) return entries;
    const auto* header = reinterpret_cast<const GroupIconHeader*>(group.data());
    const auto* first = reinterpret_cast<const GroupIconEntry*>(group.data() + sizeof(*header));
    if (group.size() < sizeof(*header) + header->count * sizeof(GroupIconEntry)) return entries;
    entries.assign(first, first + header->count);
    return entries;
  }

  HMODULE module_ = nullptr;
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out) {
  *reinterpret_cast<LPWSTR*>(out) = name;
  return FALSE;
}

TEST_F(ExeResourcesTest, TheLogoIsTheFirstIconGroupAndSoTheProgramsIcon) {
  LPWSTR first = nullptr;
  EnumResourceNamesW(module_, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
  ASSERT_TRUE(IS_INTRESOURCE(first));
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(first),
            static_cast<ULONG_PTR>(tintara::resources::kLogoIcon));
}

TEST_F(ExeResourcesTest, IconGroupsHoldTheirImages) {
  for (int id : {tintara::resources::kLogoIcon, tintara::resources::kWarningIcon}) {
    const auto entries = GroupEntries(id);
    ASSERT_EQ(entries.size(), 23u) << id;
    int depths = 0;
    for (const GroupIconEntry& e : entries) {
      depths |= e.bitCount;  // 1, 4, 8 and 32 are distinct bits
      EXPECT_GT(e.bytesInRes, 40u);
      EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(e.id), RT_ICON), nullptr);
    }
    EXPECT_EQ(depths, 1 | 4 | 8 | 32) << id;
  }
  const auto details = GroupEntries(tintara::resources::kDetailsIcon);
  EXPECT_EQ(details.size(), 10u);
  for (const GroupIconEntry& e : details) EXPECT_EQ(e.bitCount, 32);
}

// Draws the logo at size x size as the system picks and decodes it, over white.
std::vector<COLORREF> DrawnLogo(HMODULE module, int size) {
  HICON icon = static_cast<HICON>(LoadImageW(
      module, MAKEINTRESOURCEW(tintara::resources::kLogoIcon), IMAGE_ICON, size, size, 0));
  if (icon == nullptr) return {};
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  return pixels;
}

// At 32 pixels a bitmap image, from 64 up a PNG one: both decode to the same drawing.
TEST_F(ExeResourcesTest, TheLogoDrawsItsFourQuadrants) {
  for (int size : {32, 64, 256}) {
    SCOPED_TRACE(size);
    const std::vector<COLORREF> pixels = DrawnLogo(module_, size);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
    const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; };
    const COLORREF pink = at(size / 4, size / 4);
    const COLORREF green = at(size * 3 / 4, size / 4);
    const COLORREF blue = at(size / 4, size * 3 / 4);
    const COLORREF yellow = at(size * 3 / 4, size * 3 / 4);
    EXPECT_GT(GetRValue(pink), GetGValue(pink) + 30);
    EXPECT_GT(GetGValue(green), GetRValue(green) + 20);
    EXPECT_GT(GetBValue(blue), GetRValue(blue) + 30);
    EXPECT_GT(GetRValue(yellow), GetBValue(yellow) + 50);
    EXPECT_GT(GetGValue(yellow), GetBValue(yellow) + 40);
    EXPECT_EQ(at(0, 0), RGB(255, 255, 255)) << "the rounded corner lets the ground through";
  }
}

// Every size of every icon loads through the system's own loader at its own size, the
// PNG images as well as the bitmaps.
TEST_F(ExeResourcesTest, EveryIconLoadsAtEverySize) {
  for (int id : {tintara::resources::kLogoIcon, tintara::resources::kDetailsIcon,
                 tintara::resources::kWarningIcon}) {
    for (int size : {16, 24, 32, 48, 64, 72, 80, 96, 128, 256}) {
      SCOPED_TRACE(::testing::Message() << "icon " << id << " at " << size);
      HICON icon =
          static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr);
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP color{};
      EXPECT_EQ(GetObjectW(info.hbmColor, sizeof color, &color), static_cast<int>(sizeof color));
      EXPECT_EQ(color.bmWidth, size);
      EXPECT_EQ(color.bmHeight, size);
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
      if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
}

TEST_F(ExeResourcesTest, PicturesLoadAsBitmapsOfTheirSizes) {
  HANDLE titleBar = LoadImageW(module_, MAKEINTRESOURCEW(tintara::resources::kTitleBarBitmap),
                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  ASSERT_NE(titleBar, nullptr);
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectW(titleBar, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
  EXPECT_EQ(dib.dsBm.bmWidth, 650);
  EXPECT_EQ(dib.dsBm.bmHeight, 60);
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 8);
  {
    // The top row is light blue 0xFFD9BF, the bottom one white.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, titleBar);
    EXPECT_EQ(GetPixel(dc, 649, 0), static_cast<COLORREF>(0xFFD9BF));
    EXPECT_EQ(GetPixel(dc, 0, 59), static_cast<COLORREF>(0xFFFFFF));
    SelectObject(dc, previous);
    DeleteDC(dc);
  }
  DeleteObject(titleBar);

  HANDLE tile = LoadImageW(module_, MAKEINTRESOURCEW(tintara::resources::kTileBitmap), IMAGE_BITMAP,
                           0, 0, LR_CREATEDIBSECTION);
  ASSERT_NE(tile, nullptr);
  ASSERT_EQ(GetObjectW(tile, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
  EXPECT_EQ(dib.dsBm.bmWidth, 200);
  EXPECT_EQ(dib.dsBm.bmHeight, 200);
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
  const auto* pixels = static_cast<const BYTE*>(dib.dsBm.bmBits);
  const auto alpha = [&](int x, int y) {
    return pixels[static_cast<std::size_t>(199 - y) * dib.dsBm.bmWidthBytes +
                  static_cast<std::size_t>(x) * 4 + 3];
  };
  EXPECT_EQ(alpha(0, 0), 0);
  EXPECT_EQ(alpha(199, 199), 0);
  EXPECT_EQ(alpha(100, 100), 255);
  DeleteObject(tile);
}

TEST_F(ExeResourcesTest, ManifestAsksForCommonControlsSixAndNoElevation) {
  const std::vector<BYTE> bytes = Resource(1, RT_MANIFEST);
  const std::string manifest(bytes.begin(), bytes.end());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  for (const char* os :
       {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(manifest.find(os), std::string::npos) << os;
  }
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST_F(ExeResourcesTest, VersionInformationNamesTheProgram) {
  const std::wstring path = ExePath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(VersionString(info, L"ProductName"), L"Tintara");
  EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"tintara.exe");
  EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.0.0.0");
  EXPECT_FALSE(VersionString(info, L"FileDescription").empty());
  EXPECT_FALSE(VersionString(info, L"CompanyName").empty());
  EXPECT_FALSE(VersionString(info, L"LegalCopyright").empty());
}

}  // namespace
