#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tintara {

// The header a device-independent bitmap section carries of its own, field by field as
// the 40-byte bitmap information header holds them.
struct DibSectionHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative for rows stored from the top
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
  friend bool operator==(const DibSectionHeader&, const DibSectionHeader&) = default;
};

// What an icon is made of, read from the platform as plain data: its colour image at
// its own depth and its mask.
struct IconImage {
  static constexpr std::uint32_t kRgb = 0;        // BI_RGB
  static constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS

  std::int32_t width = 0;
  std::int32_t height = 0;
  // Bits per pixel times planes of the colour image.
  std::uint16_t bitsPerPixel = 0;
  // Present when the colour image is a device-independent section.
  std::optional<DibSectionHeader> sectionHeader;
  // 0x00RRGGBB entries as the bitmap stores them, for depths up to 8.
  std::vector<std::uint32_t> colorTable;
  // Red, green and blue masks of the bit-field compression.
  std::array<std::uint32_t, 3> bitFieldMasks{};
  // The colour rows at that depth, the bottom row first, each padded to 4 bytes.
  std::vector<std::uint8_t> colorRows;
  // The mask, 1 bit per pixel (1: transparent), the bottom row first, each row padded
  // to 4 bytes.
  std::vector<std::uint8_t> maskRows;
};

}  // namespace tintara
