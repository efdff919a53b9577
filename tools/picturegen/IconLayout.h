#pragma once

#include <functional>
#include <vector>

#include "IcoWriter.h"
#include "Image.h"

namespace tintara::picturegen {

constexpr int kSmallestPngIcon = 64;

struct IconFormat {
  int size;
  int bits;
  bool png = false;
};

// The 23 images of the program icon and the warning icon: every size in 32 bits with
// alpha, and the smaller sizes again in 8, 4 and 1 bits for displays and tools that
// want a colour table. The 32-bit images from kSmallestPngIcon up are stored as PNG:
// uncompressed they would be over half a megabyte of every icon, the 256-pixel one alone
// a quarter. The sizes that the program and the taskbar draw at normal resolution stay
// plain bitmaps, which need no decoder.
std::vector<IconFormat> FullIconFormats();

// The details icon: every size in 32 bits with alpha, stored as above.
std::vector<IconFormat> TrueColorIconFormats();

// Draws each size once and stores it in every depth asked for.
std::vector<IconImage> RenderIcon(const std::vector<IconFormat>& formats,
                                  const std::function<Image(int)>& draw);

}  // namespace tintara::picturegen
