// The icon export on the real desktop: an icon's image read through GetIconInfo,
// GetObjectW and GetDIBits, and the files it is written to.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "platform/win32/GdiHandles.h"
#include "platform/win32/HandleCast.h"
#include "platform/win32/Win32Desktop.h"

namespace tintara {
namespace {

using win32::FromNative;
using win32::ToNative;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is shared with the system as is");
static_assert(sizeof(RGBQUAD) == sizeof(std::uint32_t), "a colour-table entry is 0x00RRGGBB");

std::wstring Terminated(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

// The system's own words for an error, as it gives them (ending in a full stop and a
// line end, as a rule).
std::u16string SystemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string result;
  if (length != 0 && text != nullptr) {
    result.assign(text, text + length);
  } else {
    const std::string number = "Error " + std::to_string(code);
    result.assign(number.begin(), number.end());
  }
  if (text != nullptr) LocalFree(text);
  return result;
}

std::size_t RowStride(LONG width, UINT bits) {
  return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// A bitmap information header with room for the largest colour table or the masks.
struct BitmapInfo {
  BITMAPINFOHEADER header{};
  std::array<RGBQUAD, 256> colors{};
};

bool ReadRows(HDC dc, HBITMAP bitmap, LONG width, LONG height, WORD bits, DWORD compression,
              BitmapInfo& info, std::vector<std::uint8_t>& rows) {
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;  // rows from the bottom
  info.header.biPlanes = 1;
  info.header.biBitCount = bits;
  info.header.biCompression = compression;
  rows.assign(RowStride(width, bits) * static_cast<std::size_t>(height), 0);
  return GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
}

}  // namespace

std::optional<IconImage> Win32Desktop::ReadIconImage(IconHandle icon) {
  ICONINFO parts{};
  if (!GetIconInfo(ToNative<HICON>(icon), &parts)) return std::nullopt;
  // GetIconInfo hands out copies of both bitmaps; they are ours to delete.
  const win32::Bitmap color(parts.hbmColor);
  const win32::Bitmap mask(parts.hbmMask);
  if (!color || !mask) return std::nullopt;

  DIBSECTION section{};
  const int described = GetObjectW(color.get(), sizeof section, &section);
  IconImage image;
  if (described == static_cast<int>(sizeof section)) {
    const BITMAPINFOHEADER& own = section.dsBmih;
    image.sectionHeader = DibSectionHeader{
        own.biWidth,       own.biHeight,      own.biPlanes,        own.biBitCount,
        own.biCompression, own.biSizeImage,   own.biXPelsPerMeter, own.biYPelsPerMeter,
        own.biClrUsed,     own.biClrImportant};
    image.bitFieldMasks = {section.dsBitfields[0], section.dsBitfields[1], section.dsBitfields[2]};
  } else if (described != static_cast<int>(sizeof(BITMAP))) {
    return std::nullopt;
  }
  const BITMAP& bits = section.dsBm;
  if (bits.bmWidth <= 0 || bits.bmHeight <= 0) return std::nullopt;
  image.width = bits.bmWidth;
  image.height = bits.bmHeight;
  image.bitsPerPixel = static_cast<std::uint16_t>(bits.bmBitsPixel * bits.bmPlanes);
  const WORD depth = image.bitsPerPixel;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
    return std::nullopt;
  }

  const win32::MemoryDC dc;
  if (!dc) return std::nullopt;
  const DWORD compression =
      image.sectionHeader ? image.sectionHeader->compression : static_cast<DWORD>(BI_RGB);
  BitmapInfo colorInfo;
  if (!ReadRows(dc.get(), color.get(), image.width, image.height, depth, compression, colorInfo,
                image.colorRows)) {
    return std::nullopt;
  }
  if (depth <= 8) {
    const std::uint32_t used = image.sectionHeader ? image.sectionHeader->clrUsed : 0;
    const std::uint32_t entries = used != 0 && used < (1u << depth) ? used : 1u << depth;
    for (std::uint32_t i = 0; i < entries; ++i) {
      const RGBQUAD& entry = colorInfo.colors[i];
      image.colorTable.push_back((static_cast<std::uint32_t>(entry.rgbRed) << 16) |
                                 (static_cast<std::uint32_t>(entry.rgbGreen) << 8) | entry.rgbBlue);
    }
  }
  BitmapInfo maskInfo;
  if (!ReadRows(dc.get(), mask.get(), image.width, image.height, 1, BI_RGB, maskInfo,
                image.maskRows)) {
    return std::nullopt;
  }
  return image;
}

std::u16string Win32Desktop::FullPathName(std::u16string_view path) {
  const std::wstring name = Terminated(path);
  const DWORD needed = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::u16string(path);
  std::vector<wchar_t> buffer(needed);
  const DWORD length = GetFullPathNameW(name.c_str(), needed, buffer.data(), nullptr);
  if (length == 0 || length >= needed) return std::u16string(path);
  return std::u16string(buffer.data(), buffer.data() + length);
}

NewFile Win32Desktop::CreateNewFile(std::u16string_view path) {
  const HANDLE file = CreateFileW(Terminated(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return {0, error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS, SystemErrorText(error)};
  }
  return {FromNative(file), false, {}};
}

std::size_t Win32Desktop::WriteFileBytes(FileHandle file, const std::uint8_t* data,
                                         std::size_t size) {
  std::size_t written = 0;
  while (written < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - written, 1u << 30));
    DWORD done = 0;
    if (!WriteFile(ToNative<HANDLE>(file), data + written, chunk, &done, nullptr) || done == 0) {
      break;
    }
    written += done;
  }
  return written;
}

bool Win32Desktop::CloseWrittenFile(FileHandle file) {
  const bool flushed = FlushFileBuffers(ToNative<HANDLE>(file)) != FALSE;
  const bool closed = CloseHandle(ToNative<HANDLE>(file)) != FALSE;
  return flushed && closed;
}

void Win32Desktop::AbandonFile(FileHandle file) {
  CloseHandle(ToNative<HANDLE>(file));
}

FileOutcome Win32Desktop::MoveFileReplacing(std::u16string_view from, std::u16string_view to) {
  if (MoveFileExW(Terminated(from).c_str(), Terminated(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {true, {}};
  }
  return {false, SystemErrorText(GetLastError())};
}

bool Win32Desktop::RemoveFile(std::u16string_view path) {
  return DeleteFileW(Terminated(path).c_str()) != FALSE;
}

}  // namespace tintara
