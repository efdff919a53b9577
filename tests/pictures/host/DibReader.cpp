#include "DibReader.h"

#include <zlib.h>

#include <cstddef>
#include <cstdlib>
#include <stdexcept>
#include <string>

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

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  if (at + 4 > bytes.size()) throw std::runtime_error("read past the end");
  return (static_cast<std::uint32_t>(bytes[at]) << 24) |
         (static_cast<std::uint32_t>(bytes[at + 1]) << 16) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool IsPng(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  for (std::size_t i = 0; i < sizeof kPngSignature; ++i) {
    if (at + i >= bytes.size() || bytes[at + i] != kPngSignature[i]) return false;
  }
  return true;
}

int PaethPredictor(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a);
  const int pb = std::abs(p - b);
  const int pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

}  // namespace

Image ReadPng(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t size) {
  const std::size_t end = at + size;
  if (end > bytes.size() || !IsPng(bytes, at)) throw std::runtime_error("not a PNG file");
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> deflated;
  bool ended = false;
  for (std::size_t chunk = at + 8; !ended;) {
    const std::uint32_t length = BigEndian32(bytes, chunk);
    if (chunk + 12 + length > end) throw std::runtime_error("PNG chunk past the end");
    const std::string type(bytes.begin() + static_cast<std::ptrdiff_t>(chunk + 4),
                           bytes.begin() + static_cast<std::ptrdiff_t>(chunk + 8));
    const std::uint8_t* data = bytes.data() + chunk + 8;
    const uLong crc = crc32(0L, bytes.data() + chunk + 4, 4 + length);
    if (crc != BigEndian32(bytes, chunk + 8 + length)) throw std::runtime_error("PNG checksum");
    if (type == "IHDR") {
      if (length != 13) throw std::runtime_error("PNG header size");
      width = BigEndian32(bytes, chunk + 8);
      height = BigEndian32(bytes, chunk + 12);
      // 8 bits, RGBA, deflate, adaptive filters, no interlacing.
      if (data[8] != 8 || data[9] != 6 || data[10] != 0 || data[11] != 0 || data[12] != 0) {
        throw std::runtime_error("PNG kind not expected");
      }
    } else if (type == "IDAT") {
      deflated.insert(deflated.end(), data, data + length);
    } else if (type == "IEND") {
      ended = true;
    } else if ((type[0] & 0x20) == 0) {
      throw std::runtime_error("PNG critical chunk not known: " + type);
    }
    chunk += 12 + length;
  }
  if (width == 0 || height == 0 || width > 256 || height > 256) {
    throw std::runtime_error("PNG size");
  }
  const std::size_t stride = 4 * static_cast<std::size_t>(width);
  std::vector<std::uint8_t> raw((stride + 1) * height);
  uLongf rawSize = static_cast<uLongf>(raw.size());
  if (uncompress(raw.data(), &rawSize, deflated.data(), static_cast<uLong>(deflated.size())) !=
          Z_OK ||
      rawSize != raw.size()) {
    throw std::runtime_error("PNG data");
  }
  Image image(static_cast<int>(width), static_cast<int>(height));
  std::vector<std::uint8_t> above(stride, 0);
  std::vector<std::uint8_t> row(stride);
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint8_t* in = raw.data() + y * (stride + 1);
    const int filter = in[0];
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= 4 ? row[i - 4] : 0;
      const int b = above[i];
      const int c = i >= 4 ? above[i - 4] : 0;
      int predicted = 0;
      switch (filter) {
        case 0:
          break;
        case 1:
          predicted = a;
          break;
        case 2:
          predicted = b;
          break;
        case 3:
          predicted = (a + b) / 2;
          break;
        case 4:
          predicted = PaethPredictor(a, b, c);
          break;
        default:
          throw std::runtime_error("PNG filter");
      }
      row[i] = static_cast<std::uint8_t>(in[1 + i] + predicted);
    }
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint8_t* p = row.data() + 4 * x;
      image.At(static_cast<int>(x), static_cast<int>(y)) = {p[0], p[1], p[2], p[3]};
    }
    above = row;
  }
  return image;
}

BmpFile ReadBmp(const std::vector<std::uint8_t>& bytes) {
  Reader in(bytes, 0);
  BmpFile file;
  file.signature = static_cast<std::uint16_t>(in.U16());
  file.fileSize = in.U32();
  in.U32();
  file.pixelOffset = in.U32();
  file.header = ReadDibHeader(in);
  if (file.header.height <= 0) throw std::runtime_error("only bottom-up bitmaps are expected");
  std::vector<Rgba> table;
  if (file.header.bitCount <= 8) {
    const std::uint32_t entries =
        file.header.clrUsed != 0 ? file.header.clrUsed : 1u << file.header.bitCount;
    for (std::uint32_t i = 0; i < entries; ++i) {
      const auto b = static_cast<std::uint8_t>(in.U8());
      const auto g = static_cast<std::uint8_t>(in.U8());
      const auto r = static_cast<std::uint8_t>(in.U8());
      in.U8();
      table.push_back({r, g, b, 255});
    }
  }
  file.image = ReadPixels(bytes, file.pixelOffset, file.header.width, file.header.height,
                          file.header.bitCount, table);
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
    if (IsPng(bytes, image.entry.imageOffset)) {
      image.png = true;
      image.pixels = ReadPng(bytes, image.entry.imageOffset, image.entry.bytesInRes);
      image.header.width = image.pixels.Width();
      image.header.height = image.pixels.Height();
      image.header.bitCount = 32;
      continue;
    }
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
