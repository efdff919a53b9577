// Writes the program's pictures, or checks that the committed ones are what the code
// draws today.
//
//   picturegen write DIR   writes every picture into DIR
//   picturegen check DIR   exits 1 naming each file in DIR that differs
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "PictureFiles.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() != 2 || (args[0] != "write" && args[0] != "check")) {
    std::cerr << "usage: picturegen write|check DIR\n";
    return 2;
  }
  const std::filesystem::path dir = args[1];
  int failures = 0;
  for (const auto& file : tintara::picturegen::BuildPictureFiles()) {
    const std::filesystem::path path = dir / file.name;
    if (args[0] == "write") {
      if (!WriteFile(path, file.bytes)) {
        std::cerr << "cannot write " << path << '\n';
        ++failures;
      }
    } else if (ReadFile(path) != file.bytes) {
      std::cerr << path << " differs from what the generator draws; run the pictures target\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
