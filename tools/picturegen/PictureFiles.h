#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tintara::picturegen {

struct PictureFile {
  std::string name;  // file name inside assets/
  std::vector<std::uint8_t> bytes;
};

// Every picture the program embeds, encoded exactly as it is committed.
std::vector<PictureFile> BuildPictureFiles();

}  // namespace tintara::picturegen
