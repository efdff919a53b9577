#include "IconLayout.h"

#include <initializer_list>
#include <map>

namespace tintara::picturegen {
namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 72, 80, 96, 128, 256};

IconFormat TrueColor(int size) {
  return {size, 32, size >= kSmallestPngIcon};
}

bool Listed(std::initializer_list<int> sizes, int size) {
  for (int s : sizes) {
    if (s == size) return true;
  }
  return false;
}

}  // namespace

std::vector<IconFormat> FullIconFormats() {
  std::vector<IconFormat> formats;
  for (int size : kSizes) {
    formats.push_back(TrueColor(size));
    if (Listed({16, 24, 32, 48, 64, 96, 128}, size)) formats.push_back({size, 8});
    if (Listed({16, 24, 32, 48}, size)) formats.push_back({size, 4});
    if (Listed({16, 32}, size)) formats.push_back({size, 1});
  }
  return formats;
}

std::vector<IconFormat> TrueColorIconFormats() {
  std::vector<IconFormat> formats;
  for (int size : kSizes) formats.push_back(TrueColor(size));
  return formats;
}

std::vector<IconImage> RenderIcon(const std::vector<IconFormat>& formats,
                                  const std::function<Image(int)>& draw) {
  std::map<int, Image> drawn;
  std::vector<IconImage> images;
  for (const IconFormat& format : formats) {
    auto it = drawn.find(format.size);
    if (it == drawn.end()) it = drawn.emplace(format.size, draw(format.size)).first;
    images.push_back({it->second, format.bits, format.png});
  }
  return images;
}

}  // namespace tintara::picturegen
