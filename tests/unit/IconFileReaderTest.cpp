// Every kind of file the icon export writes, read back by an independent reader
// (ImageMagick, installed with the other test tools): the size it reports and every
// pixel, the mask applied as transparency below 32 bits and the alpha at 32.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/IconFile.h"

namespace tintara {
namespace {

namespace fs = std::filesystem;

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

std::size_t Stride(int width, int bits) {
  return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

bool Transparent(int x, int y) {
  return (x + 2 * y) % 7 == 0;
}

Rgba TableColor(std::uint32_t i) {
  return {static_cast<std::uint8_t>(40 + i * 3), static_cast<std::uint8_t>(200 - i * 5),
          static_cast<std::uint8_t>(i * 11), 255};
}

Rgba DirectColor(int x, int y) {
  return {static_cast<std::uint8_t>(x * 9), static_cast<std::uint8_t>(y * 7),
          static_cast<std::uint8_t>(x * y), static_cast<std::uint8_t>((x * 16 + y * 3) & 0xFF)};
}

// An icon of the given depth with known pixels, and the pixels a reader should give
// back, top row first.
struct Sample {
  IconImage image;
  std::vector<Rgba> expected;
};

Sample MakeSample(int w, int h, std::uint16_t bits) {
  Sample s;
  s.image.width = w;
  s.image.height = h;
  s.image.bitsPerPixel = bits;
  s.image.colorRows.assign(Stride(w, bits) * h, 0);
  s.image.maskRows.assign(Stride(w, 1) * h, 0);
  const std::uint32_t entries = bits <= 8 ? 1u << bits : 0;
  for (std::uint32_t i = 0; i < entries; ++i) {
    const Rgba c = TableColor(i);
    s.image.colorTable.push_back((c.r << 16) | (c.g << 8) | c.b);
  }
  s.expected.resize(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = s.image.colorRows.data() + Stride(w, bits) * (h - 1 - y);
    std::uint8_t* mask = s.image.maskRows.data() + Stride(w, 1) * (h - 1 - y);
    for (int x = 0; x < w; ++x) {
      Rgba& out = s.expected[static_cast<std::size_t>(y) * w + x];
      if (bits <= 8) {
        const std::uint32_t index = static_cast<std::uint32_t>(x + 3 * y) % entries;
        const int shift = 8 - bits - (x * bits) % 8;
        row[x * bits / 8] |= static_cast<std::uint8_t>(index << shift);
        out = TableColor(index);
      } else {
        out = DirectColor(x, y);
        std::uint8_t* p = row + x * (bits / 8);
        p[0] = out.b;
        p[1] = out.g;
        p[2] = out.r;
        if (bits == 32) p[3] = out.a;
      }
      if (bits == 32) continue;  // the alpha channel rules; the mask stays clear
      out.a = 255;
      if (Transparent(x, y)) {
        mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.a = 0;
      }
    }
  }
  return s;
}

std::string Output(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  pclose(pipe);
  return output;
}

class IconFileReader : public ::testing::Test {
 protected:
  IconFileReader() {
    std::string pattern = (fs::temp_directory_path() / "tintara-ico-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
  }
  ~IconFileReader() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const IconImage& image) {
    const auto bytes = BuildIconFile(image);
    EXPECT_TRUE(bytes.has_value());
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()),
               static_cast<std::streamsize>(bytes->size()));
    return path;
  }

  fs::path folder_;
};

TEST_F(IconFileReader, ImageMagickReadsEveryDepthBackPixelForPixel) {
  struct Case {
    int w, h;
    std::uint16_t bits;
  };
  for (const Case c : {Case{16, 16, 32}, Case{32, 32, 4}, Case{48, 48, 8}, Case{24, 24, 24},
                       Case{16, 16, 1}, Case{5, 3, 24}, Case{256, 256, 32}}) {
    const std::string name =
        std::to_string(c.w) + "x" + std::to_string(c.h) + "x" + std::to_string(c.bits) + ".ico";
    SCOPED_TRACE(name);
    const Sample sample = MakeSample(c.w, c.h, c.bits);
    const std::string path = Write(name, sample.image);
    EXPECT_EQ(Output("identify -format '%w %h' '" + path + "' 2>&1"),
              std::to_string(c.w) + " " + std::to_string(c.h));
    const std::string pixels = Output("convert 'ico:" + path + "' -depth 8 rgba:- 2>/dev/null");
    ASSERT_EQ(pixels.size(), sample.expected.size() * 4);
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < sample.expected.size(); ++i) {
      const Rgba got{static_cast<std::uint8_t>(pixels[4 * i]),
                     static_cast<std::uint8_t>(pixels[4 * i + 1]),
                     static_cast<std::uint8_t>(pixels[4 * i + 2]),
                     static_cast<std::uint8_t>(pixels[4 * i + 3])};
      const Rgba& want = sample.expected[i];
      // A transparent pixel's colour is the reader's business.
      const bool same = want.a == 0 ? got.a == 0 : got == want;
      if (!same && wrong++ < 3) ADD_FAILURE() << "pixel " << i % c.w << "," << i / c.w;
    }
    EXPECT_EQ(wrong, 0u);
  }
}

}  // namespace
}  // namespace tintara
