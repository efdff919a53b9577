// The icon export on the real desktop: an icon's image read through GetIconInfo,
// GetObjectW and GetDIBits, made into a file, written next to its target and moved
// over it, and the file read back by the system's own reader (LoadImageW) giving the
// same pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestIcons.h"
#include "engine/FileReplacing.h"
#include "engine/IconFile.h"
#include "platform/PlatformError.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// An icon as the system draws it: its colour pixels (0xAARRGGBB, top row first, as a
// 32-bit reading gives them) and its mask (1 = transparent).
struct IconPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> color;
  std::vector<std::uint32_t> mask;
  friend bool operator==(const IconPixels&, const IconPixels&) = default;
};

std::vector<std::uint32_t> Read32(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

IconPixels PixelsOf(HICON icon) {
  IconPixels pixels;
  ICONINFO parts{};
  if (!GetIconInfo(icon, &parts)) return pixels;
  BITMAP described{};
  GetObjectW(parts.hbmColor, sizeof described, &described);
  pixels.width = described.bmWidth;
  pixels.height = described.bmHeight;
  HDC dc = CreateCompatibleDC(nullptr);
  pixels.color = Read32(dc, parts.hbmColor, pixels.width, pixels.height);
  pixels.mask = Read32(dc, parts.hbmMask, pixels.width, pixels.height);
  for (std::uint32_t& bit : pixels.mask) bit = (bit & 0xFFFFFF) != 0 ? 1 : 0;
  DeleteDC(dc);
  DeleteObject(parts.hbmColor);
  DeleteObject(parts.hbmMask);
  return pixels;
}

// A 4-bit icon from a palettised section: index (x + y) % 16, mask on the diagonal.
OwnedIcon MakeFourBitIcon(int size) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[16];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = size;
  info.header.biHeight = -size;
  info.header.biPlanes = 1;
  info.header.biBitCount = 4;
  info.header.biCompression = BI_RGB;
  for (int i = 0; i < 16; ++i) {
    info.colors[i] = {static_cast<BYTE>(i * 16), static_cast<BYTE>(255 - i * 8),
                      static_cast<BYTE>(i * 5), 0};
  }
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                   &bits, nullptr, 0);
  const int stride = (size * 4 + 31) / 32 * 4;
  auto* rows = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int index = (x + y) % 16;
      rows[y * stride + x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
  }
  std::vector<std::uint8_t> maskBits((size + 15) / 16 * 2 * size, 0);
  for (int y = 0; y < size; ++y) {
    maskBits[y * ((size + 15) / 16 * 2) + y / 8] |= static_cast<std::uint8_t>(0x80 >> (y % 8));
  }
  HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
  ICONINFO parts{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&parts);
  DeleteObject(color);
  DeleteObject(mask);
  return OwnedIcon(icon);
}

class Win32IconExport : public ::testing::Test {
 protected:
  Win32IconExport() {
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    folder_ = fs::path(temp) / (L"tintara-export-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder_);
  }
  ~Win32IconExport() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  std::u16string Target(const wchar_t* name) const {
    const std::wstring path = (folder_ / name).wstring();
    return std::u16string(path.begin(), path.end());
  }

  // Reads the icon, writes its file to `name` and loads that file back.
  IconPixels ExportAndLoad(HICON icon, const wchar_t* name, Bytes* file = nullptr) {
    const std::optional<IconImage> image =
        desktop_.ReadIconImage(static_cast<IconHandle>(reinterpret_cast<std::uintptr_t>(icon)));
    EXPECT_TRUE(image.has_value());
    if (!image) return {};
    const std::optional<Bytes> bytes = BuildIconFile(*image);
    EXPECT_TRUE(bytes.has_value());
    if (!bytes) return {};
    WriteFileReplacing(desktop_, Target(name), *bytes);
    if (file != nullptr) *file = *bytes;
    const std::wstring path = (folder_ / name).wstring();
    const OwnedIcon loaded(
        static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    EXPECT_NE(loaded.get(), nullptr) << "the system did not accept the file";
    return loaded.get() != nullptr ? PixelsOf(loaded.get()) : IconPixels{};
  }

  Win32Desktop desktop_;
  fs::path folder_;
};

TEST_F(Win32IconExport, ThirtyTwoBitAndMaskedIconsComeBackPixelForPixel) {
  std::vector<std::uint32_t> argb(16 * 16);
  std::vector<std::uint8_t> andMask(16 * 16);
  for (std::size_t i = 0; i < argb.size(); ++i) {
    argb[i] = (static_cast<std::uint32_t>((i * 37) & 0xFF) << 24) | ((i * 0x010307) & 0xFFFFFF);
    andMask[i] = i % 5 == 0 ? 1 : 0;
  }
  const OwnedIcon alpha = MakeAlphaIcon(16, 16, argb, andMask);
  Bytes file;
  EXPECT_EQ(ExportAndLoad(alpha.get(), L"alpha.ico", &file), PixelsOf(alpha.get()));
  ASSERT_EQ(file.size(), 1150u);
  EXPECT_EQ(Bytes(file.begin() + 6, file.begin() + 22),
            (Bytes{0x10, 0x10, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x68, 0x04, 0x00, 0x00, 0x16,
                   0x00, 0x00, 0x00}));

  std::vector<std::uint32_t> rgb(48 * 48);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = (i * 0x030507) & 0xFFFFFF;
  const OwnedIcon masked = MakeMaskedIcon(48, 48, rgb, std::vector<std::uint8_t>(48 * 48, 0));
  EXPECT_EQ(ExportAndLoad(masked.get(), L"masked.ico", &file), PixelsOf(masked.get()));
  EXPECT_EQ(file[6], 48);
  EXPECT_EQ(file[7], 48);
}

TEST_F(Win32IconExport, APalettisedIconAndTheDefaultApplicationIconExportAsRealIcons) {
  const OwnedIcon four = MakeFourBitIcon(32);
  const std::optional<IconImage> read =
      desktop_.ReadIconImage(static_cast<IconHandle>(reinterpret_cast<std::uintptr_t>(four.get())));
  ASSERT_TRUE(read.has_value());
  RecordProperty("four_bit_icon_read_at_depth", read->bitsPerPixel);
  EXPECT_EQ(ExportAndLoad(four.get(), L"four.ico"), PixelsOf(four.get()));

  // The shared icon is an icon like any other: a real file, not six zero bytes.
  const HICON shared = LoadIconW(nullptr, IDI_APPLICATION);
  Bytes file;
  const IconPixels back = ExportAndLoad(shared, L"application.ico", &file);
  EXPECT_GT(file.size(), 6u);
  EXPECT_EQ(back, PixelsOf(shared));
}

TEST_F(Win32IconExport, IconsWithoutAColourImageOrAlreadyDestroyedCannotBeRead) {
  const OwnedIcon mono = MakeMonochromeIcon(2, 2, {0, 0, 1, 1}, {0, 1, 0, 1});
  EXPECT_FALSE(desktop_.ReadIconImage(mono.handle()).has_value());
  OwnedIcon gone = MakeSolidAlphaIcon(16, 16, 0xFF00FF00);
  const IconHandle handle = gone.handle();
  gone.Destroy();
  EXPECT_FALSE(desktop_.ReadIconImage(handle).has_value());
}

TEST_F(Win32IconExport, TheFileReplacesAnEarlierOneAndAMissingFolderIsReportedWithItsReason) {
  { std::ofstream(folder_ / L"logo.ico", std::ios::binary) << "earlier"; }
  WriteFileReplacing(desktop_, Target(L"logo.ico"), Bytes(1150, 0x5A));
  std::ifstream in(folder_ / L"logo.ico", std::ios::binary);
  const Bytes written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(written, Bytes(1150, 0x5A));

  const std::u16string missing = Target(L"no such folder\\logo.ico");
  std::string message;
  try {
    WriteFileReplacing(desktop_, missing, Bytes(10, 1));
  } catch (const PlatformError& error) {
    message = error.what();
  }
  const std::string path(missing.begin(), missing.end());
  const std::string prefix = "Cannot create file \"" + path + "\". ";
  ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
  const std::string reason = message.substr(prefix.size());
  // The system's words, without the full stop and line end they come with.
  ASSERT_FALSE(reason.empty());
  EXPECT_EQ(std::string(".\r\n ").find(reason.back()), std::string::npos) << reason;
  // Nothing but the file written is left in the folder.
  std::vector<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder_))
    names.push_back(entry.path().filename());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"logo.ico"}));
}

}  // namespace
}  // namespace tintara::test
