#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace standin {

// The colorization record as the program exchanges it through entries 127 and 131.
struct ColorizationRecord {
  std::uint32_t Color;
  std::uint32_t Afterglow;
  std::int32_t Intensity;
  std::int32_t AfterglowBalance;
  std::int32_t BlurBalance;
  std::int32_t GlassReflectionIntensity;
  std::uint32_t Opaque;
};
static_assert(sizeof(ColorizationRecord) == 28, "the record is 28 bytes");

// What the stand-in reports while the test has not prepared a record file.
ColorizationRecord DefaultRecord();

// The record file the test named (TINTARA_STANDIN_RECORD): exactly 28 bytes, the fields in
// order, little-endian. A missing or short file reads as the default record.
ColorizationRecord LoadRecord();
// Replaces the record file's contents; without a named file the write is only logged.
void SaveRecord(const ColorizationRecord& record);

// "Color=00FF0000 Afterglow=... Opaque=..." with every field, for the log.
std::string DescribeRecord(const ColorizationRecord& record);

}  // namespace standin
