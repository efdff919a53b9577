#include "StandinRecord.h"

#include <cstdio>

#include "StandinEnvironment.h"
#include "StandinHandles.h"

namespace standin {

ColorizationRecord DefaultRecord() {
  return ColorizationRecord{0x6B3C78B4, 0x6B3C78B4, 45, 20, 35, 50, 1};
}

ColorizationRecord LoadRecord() {
  const std::wstring path = ToWindowsPath(EnvironmentText(kRecordVariable));
  if (path.empty()) return DefaultRecord();
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return DefaultRecord();
  ColorizationRecord record{};
  DWORD read = 0;
  if (!ReadFile(file.get(), &record, sizeof record, &read, nullptr) || read != sizeof record) {
    return DefaultRecord();
  }
  return record;
}

void SaveRecord(const ColorizationRecord& record) {
  const std::wstring path = ToWindowsPath(EnvironmentText(kRecordVariable));
  if (path.empty()) return;
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  WriteFile(file.get(), &record, sizeof record, &written, nullptr);
}

std::string DescribeRecord(const ColorizationRecord& r) {
  char text[256];
  std::snprintf(text, sizeof text,
                "Color=%08X Afterglow=%08X Intensity=%d AfterglowBalance=%d BlurBalance=%d "
                "GlassReflectionIntensity=%d Opaque=%08X",
                static_cast<unsigned>(r.Color), static_cast<unsigned>(r.Afterglow),
                static_cast<int>(r.Intensity), static_cast<int>(r.AfterglowBalance),
                static_cast<int>(r.BlurBalance), static_cast<int>(r.GlassReflectionIntensity),
                static_cast<unsigned>(r.Opaque));
  return text;
}

}  // namespace standin
