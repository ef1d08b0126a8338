#pragma once
// A canvas of 24-bit pixels written out as a bottom-up Windows bitmap file, for the picture
// generators that draw the product's artwork at build time.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace pictures {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {}) : width_(width), height_(height), pixels_(width * height, fill) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return pixels_[y * width_ + x]; }
  const Rgb& At(int x, int y) const { return pixels_[y * width_ + x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Writes a 24-bit BITMAPINFOHEADER bitmap; false when the file could not be written.
  bool SaveBmp(const std::string& path) const {
    const int rowBytes = (width_ * 3 + 3) & ~3;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * height_);
    std::vector<std::uint8_t> file;
    auto put16 = [&](std::uint16_t v) { file.push_back(v & 0xFF); file.push_back(v >> 8); };
    auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) file.push_back((v >> (8 * i)) & 0xFF); };
    put16(0x4D42);                 // "BM"
    put32(14 + 40 + imageBytes);   // file size
    put32(0);                      // reserved
    put32(14 + 40);                // offset of the pixels
    put32(40);                     // BITMAPINFOHEADER
    put32(static_cast<std::uint32_t>(width_));
    put32(static_cast<std::uint32_t>(height_));  // positive: rows bottom-up
    put16(1);
    put16(24);
    put32(0);                      // BI_RGB
    put32(imageBytes);
    put32(3780);                   // 96 dots per inch
    put32(3780);
    put32(0);
    put32(0);
    for (int y = height_ - 1; y >= 0; --y) {
      for (int x = 0; x < width_; ++x) {
        const Rgb& p = At(x, y);
        file.insert(file.end(), {p.b, p.g, p.r});
      }
      file.resize(file.size() + (rowBytes - width_ * 3), 0);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
  }

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace pictures
