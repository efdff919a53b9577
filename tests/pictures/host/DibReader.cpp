#include "DibReader.h"

#include <cstddef>
#include <stdexcept>

namespace tintara::picturegen::readback {
namespace {

class Reader {
 public:
  Reader(const std::vector<std::uint8_t>& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  std::uint32_t U8() {
    if (at_ >= bytes_.size()) throw std::runtime_error("read past the end");
    return bytes_[at_++];
  }
  std::uint32_t U16() {
    const std::uint32_t low = U8();
    return low | (U8() << 8);
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | (U16() << 16);
  }
  std::size_t Position() const { return at_; }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_;
};

DibHeader ReadDibHeader(Reader& in) {
  DibHeader h;
  h.size = in.U32();
  h.width = static_cast<std::int32_t>(in.U32());
  h.height = static_cast<std::int32_t>(in.U32());
  h.planes = static_cast<std::uint16_t>(in.U16());
  h.bitCount = static_cast<std::uint16_t>(in.U16());
  h.compression = in.U32();
  h.sizeImage = in.U32();
  in.U32();
  in.U32();
  h.clrUsed = in.U32();
  in.U32();
  if (h.size == 124) {
    for (std::uint32_t& mask : h.masks) mask = in.U32();
    h.colorSpace = in.U32();
    for (int i = 0; i < 17; ++i) in.U32();  // endpoints, gamma, intent, profile, reserved
  } else if (h.size != 40) {
    throw std::runtime_error("unknown bitmap header");
  }
  return h;
}

std::size_t Stride(int width, int bits) {
  return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

std::uint32_t Bits(const std::vector<std::uint8_t>& bytes, std::size_t rowStart, int x, int bits) {
  const std::size_t bit = static_cast<std::size_t>(x * bits);
  const std::size_t index = rowStart + bit / 8;
  if (index >= bytes.size()) throw std::runtime_error("pixel past the end");
  const int shift = 8 - bits - static_cast<int>(bit % 8);
  return (bytes[index] >> shift) & ((1u << bits) - 1);
}

// Bottom-up rows starting at `start`; palette images look their colours up in `table`.
Image ReadPixels(const std::vector<std::uint8_t>& bytes, std::size_t start, int width, int height,
                 int bits, const std::vector<Rgba>& table) {
  Image image(width, height);
  const std::size_t stride = Stride(width, bits);
  for (int row = 0; row < height; ++row) {
    const int y = height - 1 - row;
    const std::size_t rowStart = start + static_cast<std::size_t>(row) * stride;
    for (int x = 0; x < width; ++x) {
      if (bits >= 24) {
        Reader in(bytes, rowStart + static_cast<std::size_t>(x * bits / 8));
        const std::uint8_t b = static_cast<std::uint8_t>(in.U8());
        const std::uint8_t g = static_cast<std::uint8_t>(in.U8());
        const std::uint8_t r = static_cast<std::uint8_t>(in.U8());
        const std::uint8_t a = bits == 32 ? static_cast<std::uint8_t>(in.U8()) : 255;
        image.At(x, y) = {r, g, b, a};
      } else {
        const std::uint32_t index = Bits(bytes, rowStart, x, bits);
        if (index >= table.size()) throw std::runtime_error("index outside the colour table");
        const Rgba& c = table[index];
        image.At(x, y) = {c.r, c.g, c.b, 255};
      }
    }
  }
  return image;
}

}  // namespace

BmpFile ReadBmp(const std::vector<std::uint8_t>& bytes) {
  Reader in(bytes, 0);
  BmpFile file;
  file.signature = static_cast<std::uint16_t>(in.U16());
  file.fileSize = in.U32();
  in.U32();
  file.pixelOffset = in.U32();
  file.header = ReadDibHeader(in);
  if (file.header.height <= 0) throw std::runtime_error("only bottom-up bitmaps are expected");
  file.image = ReadPixels(bytes, file.pixelOffset, file.header.width, file.header.height,
                          file.header.bitCount, {});
  return file;
}

IcoFile ReadIco(const std::vector<std::uint8_t>& bytes) {
  Reader in(bytes, 0);
  IcoFile file;
  file.reserved = static_cast<int>(in.U16());
  file.type = static_cast<int>(in.U16());
  const std::uint32_t count = in.U16();
  for (std::uint32_t i = 0; i < count; ++i) {
    IcoImage image;
    IcoEntry& e = image.entry;
    e.width = static_cast<int>(in.U8());
    e.height = static_cast<int>(in.U8());
    e.colorCount = static_cast<int>(in.U8());
    e.reserved = static_cast<int>(in.U8());
    e.planes = static_cast<int>(in.U16());
    e.bitCount = static_cast<int>(in.U16());
    e.bytesInRes = in.U32();
    e.imageOffset = in.U32();
    file.images.push_back(std::move(image));
  }
  for (IcoImage& image : file.images) {
    Reader dib(bytes, image.entry.imageOffset);
    image.header = ReadDibHeader(dib);
    const int width = image.header.width;
    const int height = image.header.height / 2;
    const int bits = image.header.bitCount;
    if (bits <= 8) {
      for (int k = 0; k < (1 << bits); ++k) {
        const std::uint8_t b = static_cast<std::uint8_t>(dib.U8());
        const std::uint8_t g = static_cast<std::uint8_t>(dib.U8());
        const std::uint8_t r = static_cast<std::uint8_t>(dib.U8());
        const std::uint8_t reserved = static_cast<std::uint8_t>(dib.U8());
        image.table.push_back({r, g, b, reserved});
      }
    }
    const std::size_t colorStart = dib.Position();
    image.pixels = ReadPixels(bytes, colorStart, width, height, bits, image.table);
    const std::size_t maskStart =
        colorStart + Stride(width, bits) * static_cast<std::size_t>(height);
    image.mask.assign(static_cast<std::size_t>(width * height), false);
    for (int row = 0; row < height; ++row) {
      const int y = height - 1 - row;
      const std::size_t rowStart = maskStart + static_cast<std::size_t>(row) * Stride(width, 1);
      for (int x = 0; x < width; ++x) {
        image.mask[static_cast<std::size_t>(y * width + x)] = Bits(bytes, rowStart, x, 1) != 0;
      }
    }
  }
  return file;
}

}  // namespace tintara::picturegen::readback
