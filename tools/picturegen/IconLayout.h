#pragma once

#include <functional>
#include <vector>

#include "IcoWriter.h"
#include "Image.h"

namespace tintara::picturegen {

struct IconFormat {
  int size;
  int bits;
};

// The 23 images of the program icon and the warning icon: every size in 32 bits with
// alpha, and the smaller sizes again in 8, 4 and 1 bits for displays and tools that
// want a colour table.
std::vector<IconFormat> FullIconFormats();

// The details icon: every size in 32 bits with alpha.
std::vector<IconFormat> TrueColorIconFormats();

// Draws each size once and stores it in every depth asked for.
std::vector<IconImage> RenderIcon(const std::vector<IconFormat>& formats,
                                  const std::function<Image(int)>& draw);

}  // namespace tintara::picturegen
