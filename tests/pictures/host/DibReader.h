#pragma once

// A reader of BMP and ICO files for the tests, written from the file formats rather
// than from the writers: what it decodes is what any other reader would see. ICO images
// may be bitmaps or PNG files (8-bit RGBA, the only kind the generator writes).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Image.h"

namespace tintara::picturegen::readback {

struct DibHeader {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t masks[4] = {};   // red, green, blue, alpha: BITMAPV5HEADER only
  std::uint32_t colorSpace = 0;  // BITMAPV5HEADER only
};

struct BmpFile {
  std::uint16_t signature = 0;
  std::uint32_t fileSize = 0;
  std::uint32_t pixelOffset = 0;
  DibHeader header;
  Image image{0, 0};  // alpha 255 unless the file has 32 bits per pixel
};

struct IcoEntry {
  int width = 0;  // as stored: 0 means 256
  int height = 0;
  int colorCount = 0;
  int reserved = 0;
  int planes = 0;
  int bitCount = 0;
  std::uint32_t bytesInRes = 0;
  std::uint32_t imageOffset = 0;
};

struct IcoImage {
  IcoEntry entry;
  bool png = false;  // a PNG file: header holds only its width, height and 32 bits
  DibHeader header;
  std::vector<Rgba> table;  // colour table, alpha as stored (reserved byte)
  Image pixels{0, 0};       // colour rows decoded; alpha from the data (32 bits) or 255
  std::vector<bool> mask;   // AND mask, rows from the top; none in a PNG file
};

struct IcoFile {
  int reserved = 0;
  int type = 0;
  std::vector<IcoImage> images;
};

// Each throws std::runtime_error on a truncated or malformed file (a PNG file also on a
// wrong checksum).
Image ReadPng(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t size);
BmpFile ReadBmp(const std::vector<std::uint8_t>& bytes);
IcoFile ReadIco(const std::vector<std::uint8_t>& bytes);

}  // namespace tintara::picturegen::readback
