#include "engine/FileReplacing.h"

#include "platform/PlatformError.h"

namespace tintara {
namespace {

constexpr int kTemporaryNameAttempts = 100;

// Error texts are UTF-8; paths are UTF-16 and may hold any character.
std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;  // half a pair
    }
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

std::u16string TemporaryName(const std::u16string& target, int attempt) {
  std::string suffix;
  if (attempt > 0) suffix.append(".").append(std::to_string(attempt));
  suffix.append(".tmp");
  std::u16string name = target;
  name.append(suffix.begin(), suffix.end());
  return name;
}

// A file the code has opened and not yet handed back; given up if still open at the end.
class OpenFile {
 public:
  OpenFile(DesktopServices& desktop, FileHandle handle) : desktop_(desktop), handle_(handle) {}
  ~OpenFile() {
    if (handle_ != 0) desktop_.AbandonFile(handle_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  FileHandle Handle() const { return handle_; }
  bool Close() {
    const FileHandle handle = handle_;
    handle_ = 0;
    return desktop_.CloseWrittenFile(handle);
  }

 private:
  DesktopServices& desktop_;
  FileHandle handle_;
};

}  // namespace

std::u16string TrimmedErrorText(std::u16string_view text) {
  std::size_t end = text.size();
  while (end > 0 && (text[end - 1] == u' ' || text[end - 1] == u'\t' || text[end - 1] == u'\r' ||
                     text[end - 1] == u'\n' || text[end - 1] == u'.')) {
    --end;
  }
  return std::u16string(text.substr(0, end));
}

std::string CannotCreateFileMessage(std::u16string_view fullPath, std::u16string_view reason) {
  return "Cannot create file \"" + ToUtf8(fullPath) + "\". " + ToUtf8(TrimmedErrorText(reason));
}

void WriteFileReplacing(DesktopServices& desktop, std::u16string_view target,
                        const std::vector<std::uint8_t>& bytes) {
  const std::u16string fullPath = desktop.FullPathName(target);
  // A name of its own beside the target, so the final move stays within one folder.
  NewFile created;
  std::u16string temporary;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = TemporaryName(fullPath, attempt);
    created = desktop.CreateNewFile(temporary);
    if (!created.nameTaken) break;
  }
  if (created.handle == 0)
    throw PlatformError(CannotCreateFileMessage(fullPath, created.errorText));

  bool written = false;
  {
    OpenFile file(desktop, created.handle);
    written = desktop.WriteFileBytes(file.Handle(), bytes.data(), bytes.size()) == bytes.size();
    if (written) written = file.Close();
  }
  if (!written) {
    desktop.RemoveFile(temporary);
    throw PlatformError("Stream write error");
  }
  const FileOutcome moved = desktop.MoveFileReplacing(temporary, fullPath);
  if (!moved.ok) {
    desktop.RemoveFile(temporary);
    throw PlatformError(CannotCreateFileMessage(fullPath, moved.errorText));
  }
}

}  // namespace tintara
