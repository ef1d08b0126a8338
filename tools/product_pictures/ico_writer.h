#pragma once
// Writes a Windows icon file: one 256-colour image (the size a window icon is shown at) and any
// number of 32-bit images with alpha for the larger views of the file.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "../pictures/bmp_writer.h"

namespace product_pictures {

struct IconImage {
  pictures::Canvas pixels;
  std::vector<std::uint8_t> alpha;  // one byte a pixel, 0 transparent .. 255 opaque
  bool paletted = false;            // true: 8 bits a pixel with a 256-entry palette
};

class IcoWriter {
 public:
  bool Save(const std::string& path, const std::vector<IconImage>& images) const {
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const IconImage& image : images) bodies.push_back(image.paletted ? Paletted(image) : TrueColour(image));
    Bytes file;
    file.U16(0);
    file.U16(1);  // icon
    file.U16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
      const auto& canvas = images[i].pixels;
      file.U8(canvas.Width() >= 256 ? 0 : static_cast<std::uint8_t>(canvas.Width()));
      file.U8(canvas.Height() >= 256 ? 0 : static_cast<std::uint8_t>(canvas.Height()));
      file.U8(0);  // colour count: 0 also for 256 colours
      file.U8(0);
      file.U16(1);
      file.U16(images[i].paletted ? 8 : 32);
      file.U32(static_cast<std::uint32_t>(bodies[i].size()));
      file.U32(offset);
      offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies) file.data.insert(file.data.end(), body.begin(), body.end());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data.data()), static_cast<std::streamsize>(file.data.size()));
    return static_cast<bool>(out);
  }

 private:
  struct Bytes {
    std::vector<std::uint8_t> data;
    void U8(std::uint8_t v) { data.push_back(v); }
    void U16(std::uint16_t v) { U8(v & 0xFF), U8(v >> 8); }
    void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
  };

  static void Header(Bytes& b, int width, int height, int bits, int paletteSize) {
    b.U32(40);
    b.U32(static_cast<std::uint32_t>(width));
    b.U32(static_cast<std::uint32_t>(height * 2));  // colour image and mask together
    b.U16(1);
    b.U16(static_cast<std::uint16_t>(bits));
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.U32(static_cast<std::uint32_t>(paletteSize));
    b.U32(0);
  }

  // The AND mask: a set bit where the picture is transparent; rows padded to 32 bits.
  static void Mask(Bytes& b, const IconImage& image) {
    const int w = image.pixels.Width(), h = image.pixels.Height();
    const int rowBytes = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(rowBytes, 0);
      for (int x = 0; x < w; ++x) {
        if (image.alpha[y * w + x] < 128) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
      b.data.insert(b.data.end(), row.begin(), row.end());
    }
  }

  static std::vector<std::uint8_t> TrueColour(const IconImage& image) {
    const int w = image.pixels.Width(), h = image.pixels.Height();
    Bytes b;
    Header(b, w, h, 32, 0);
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        const auto& p = image.pixels.At(x, y);
        b.data.insert(b.data.end(), {p.b, p.g, p.r, image.alpha[y * w + x]});
      }
    }
    Mask(b, image);
    return b.data;
  }

  // A fixed palette: the 6 x 6 x 6 colour cube and 40 greys.
  static pictures::Rgb PaletteEntry(int i) {
    if (i < 216) {
      auto level = [](int n) { return static_cast<std::uint8_t>(n * 51); };
      return {level(i / 36), level(i / 6 % 6), level(i % 6)};
    }
    const auto grey = static_cast<std::uint8_t>((i - 216) * 255 / 39);
    return {grey, grey, grey};
  }

  static std::uint8_t Nearest(const pictures::Rgb& p) {
    int best = 0;
    long bestDistance = 1L << 30;
    for (int i = 0; i < 256; ++i) {
      const auto q = PaletteEntry(i);
      const long dr = p.r - q.r, dg = p.g - q.g, db = p.b - q.b;
      const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
      if (d < bestDistance) bestDistance = d, best = i;
    }
    return static_cast<std::uint8_t>(best);
  }

  static std::vector<std::uint8_t> Paletted(const IconImage& image) {
    const int w = image.pixels.Width(), h = image.pixels.Height();
    Bytes b;
    Header(b, w, h, 8, 256);
    for (int i = 0; i < 256; ++i) {
      const auto q = PaletteEntry(i);
      b.data.insert(b.data.end(), {q.b, q.g, q.r, 0});
    }
    const int rowBytes = (w + 3) & ~3;
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        b.U8(image.alpha[y * w + x] < 128 ? 0 : Nearest(image.pixels.At(x, y)));
      }
      for (int pad = w; pad < rowBytes; ++pad) b.U8(0);
    }
    Mask(b, image);
    return b.data;
  }
};

}  // namespace product_pictures
