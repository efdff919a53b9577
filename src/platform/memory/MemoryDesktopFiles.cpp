// The icon export's side of the in-memory desktop: an icon's image as the platform
// reads it, and files held in memory.
#include <algorithm>

#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

constexpr std::u16string_view kFileExists = u"The file exists.\r\n";
constexpr std::u16string_view kFileNotFound = u"The system cannot find the file specified.\r\n";

bool IsFullPath(std::u16string_view path) {
  return (path.size() >= 3 && path[1] == u':' && path[2] == u'\\') ||
         (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\');
}

}  // namespace

std::optional<IconImage> MemoryDesktop::ReadIconImage(IconHandle icon) {
  const MemoryIcon* i = Enter("ReadIconImage") ? nullptr : FindIcon(icon);
  if (i == nullptr) return std::nullopt;
  if (i->image) return i->image;
  if (i->kind == MemoryIcon::Kind::Monochrome || i->width <= 0 || i->height <= 0) {
    return std::nullopt;
  }
  // As a 32-bit colour bitmap with its mask, rows from the bottom.
  IconImage image;
  image.width = i->width;
  image.height = i->height;
  image.bitsPerPixel = 32;
  const auto w = static_cast<std::size_t>(i->width);
  const auto h = static_cast<std::size_t>(i->height);
  const std::size_t maskStride = (w + 31) / 32 * 4;
  image.colorRows.assign(w * 4 * h, 0);
  image.maskRows.assign(maskStride * h, 0);
  for (std::size_t y = 0; y < h; ++y) {
    std::uint8_t* row = image.colorRows.data() + (h - 1 - y) * w * 4;
    std::uint8_t* mask = image.maskRows.data() + (h - 1 - y) * maskStride;
    for (std::size_t x = 0; x < w; ++x) {
      const std::size_t at = y * w + x;
      const std::uint32_t argb = at < i->pixels.size() ? i->pixels[at] : 0;
      row[x * 4 + 0] = static_cast<std::uint8_t>(argb);
      row[x * 4 + 1] = static_cast<std::uint8_t>(argb >> 8);
      row[x * 4 + 2] = static_cast<std::uint8_t>(argb >> 16);
      row[x * 4 + 3] = static_cast<std::uint8_t>(argb >> 24);
      if (at < i->andMask.size() && i->andMask[at] != 0) {
        mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  return image;
}

bool MemoryDesktop::InRefusingFolder(std::u16string_view path) const {
  return std::any_of(refusingFolders.begin(), refusingFolders.end(), [&](const auto& folder) {
    std::u16string prefix = folder;
    if (prefix.empty() || prefix.back() != u'\\') prefix.push_back(u'\\');
    return path.size() > prefix.size() && EqualIgnoringCase(path.substr(0, prefix.size()), prefix);
  });
}

std::u16string MemoryDesktop::FullPathName(std::u16string_view path) {
  Enter("FullPathName");
  if (IsFullPath(path)) return std::u16string(path);
  return currentFolder + u"\\" + std::u16string(path);
}

NewFile MemoryDesktop::CreateNewFile(std::u16string_view path) {
  if (Enter("CreateNewFile")) return {0, false, std::u16string(kPathNotFound)};
  if (InRefusingFolder(path)) return {0, false, std::u16string(kAccessDenied)};
  if (files.count(path) != 0) return {0, true, std::u16string(kFileExists)};
  files[std::u16string(path)];
  const FileHandle handle = nextFile_++;
  openFiles[handle] = std::u16string(path);
  return {handle, false, {}};
}

std::size_t MemoryDesktop::WriteFileBytes(FileHandle file, const std::uint8_t* data,
                                          std::size_t size) {
  const bool fail = Enter("WriteFileBytes");
  const auto open = openFiles.find(file);
  if (open == openFiles.end()) return 0;
  std::vector<std::uint8_t>& bytes = files[open->second];
  std::size_t room = size;
  if (writeLimit) room = bytes.size() < *writeLimit ? *writeLimit - bytes.size() : 0;
  // A failing write stops half-way, as a disk that fills up does.
  const std::size_t written = std::min(size, fail ? size / 2 : room);
  bytes.insert(bytes.end(), data, data + written);
  return written;
}

bool MemoryDesktop::CloseWrittenFile(FileHandle file) {
  const bool fail = Enter("CloseWrittenFile");
  return openFiles.erase(file) != 0 && !fail;
}

void MemoryDesktop::AbandonFile(FileHandle file) {
  Enter("AbandonFile");
  openFiles.erase(file);
}

FileOutcome MemoryDesktop::MoveFileReplacing(std::u16string_view from, std::u16string_view to) {
  if (Enter("MoveFileReplacing")) return {false, std::u16string(kAccessDenied)};
  const auto source = files.find(from);
  if (source == files.end()) return {false, std::u16string(kFileNotFound)};
  if (InRefusingFolder(to) || readOnlyFiles.count(to) != 0) {
    return {false, std::u16string(kAccessDenied)};
  }
  std::vector<std::uint8_t> bytes = std::move(source->second);
  files.erase(source);
  files[std::u16string(to)] = std::move(bytes);
  return {true, {}};
}

bool MemoryDesktop::RemoveFile(std::u16string_view path) {
  if (Enter("RemoveFile")) return false;
  const auto found = files.find(path);
  if (found == files.end()) return false;
  files.erase(found);
  return true;
}

}  // namespace tintara
