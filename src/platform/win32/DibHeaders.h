#pragma once

#include <windows.h>

namespace tintara::win32 {

// The header of an uncompressed device-independent bitmap whose rows run from the top
// (a negative height), the order in which the program keeps every pixel buffer.
inline BITMAPINFO TopDownDib(int width, int height, WORD bitsPerPixel = 32) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace tintara::win32
