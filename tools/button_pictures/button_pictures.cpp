// Draws the image button's six state pictures (64 x 25, 24-bit) into the folder given as the only
// argument: a rounded outline on a beige margin with a two-pixel band inside it that carries the
// look. Only the outer four pixels reach the screen; the middle shows the face's gradient colours.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "../pictures/bmp_writer.h"

namespace {

using pictures::Canvas;
using pictures::Rgb;

constexpr int kWidth = 64;
constexpr int kHeight = 25;
constexpr int kSamples = 4;  // per pixel and axis: smooth rounded corners

struct Colour {
  double r, g, b;
};

constexpr Colour Hex(unsigned value) {
  return {double((value >> 16) & 0xFF), double((value >> 8) & 0xFF), double(value & 0xFF)};
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// How a picture looks: the outline's inset from the edge and colour, the band's colours at its top
// and bottom, and how strongly the band's inner pixel row keeps the band colour.
struct Look {
  const char* name;
  int inset;
  Colour outline;
  Colour bandTop;
  Colour bandBottom;
  double innerRowStrength;
  Colour faceTop;
  Colour faceBottom;
};

const Colour kMarginTop = Hex(0xECE9D8);
const Colour kMarginBottom = Hex(0xE0DCC9);
const Colour kWhite = Hex(0xFFFFFF);
const Colour kLavender = Hex(0xC6C5D7);

const Look kLooks[] = {
    {"Normal", 1, Hex(0x003C74), Hex(0xFEFEFE), Hex(0xD6D0C5), 1.0, kWhite, kLavender},
    {"HighLight", 1, Hex(0x003C74), Hex(0xFFF0CF), Hex(0xE59700), 0.55, kLavender, kWhite},
    {"Pressed", 2, Hex(0x003C74), Hex(0xD0CBBF), Hex(0xEFEDE5), 1.0, Hex(0xE3E0D6), Hex(0xEFEDE5)},
    {"Disable", 2, Hex(0xC9C7BA), Hex(0xF5F4EA), Hex(0xF5F4EA), 1.0, Hex(0xF5F4EA), Hex(0xF5F4EA)},
    {"Selected", 1, Hex(0x003C74), Hex(0xCEE7FF), Hex(0x6982EE), 0.55, kWhite, kLavender},
    {"HighLightSelect", 1, Hex(0x003C74), Hex(0xFFF0CF), Hex(0xE59700), 0.55, kLavender, kWhite},
};

// Signed distance from a point to a rounded rectangle (negative inside).
double RoundedRectDistance(double x, double y, double left, double top, double right, double bottom, double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double qx = std::fabs(x - cx) - ((right - left) / 2 - radius);
  const double qy = std::fabs(y - cy) - ((bottom - top) / 2 - radius);
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// The colour of one sample point: margin outside the outline, then outline, band and face inwards.
Colour Sample(const Look& look, double x, double y) {
  const double down = std::clamp((y - 1.0) / (kHeight - 2.0), 0.0, 1.0);
  const double inset = look.inset;
  const double radius = 3.0;
  const double d = RoundedRectDistance(x, y, inset, inset, kWidth - inset, kHeight - inset, radius);
  if (d > 0) return Mix(kMarginTop, kMarginBottom, down);
  if (d > -1) return look.outline;
  const Colour face = Mix(look.faceTop, look.faceBottom, down);
  // The band's colour runs from its top colour to its bottom one, staying near each over its edge.
  const double bandT = std::clamp((y - inset - 1.0) / (kHeight - 2.0 * inset - 3.0), 0.0, 1.0);
  const double eased = bandT * bandT * (3 - 2 * bandT);
  const Colour band = Mix(look.bandTop, look.bandBottom, eased);
  if (d > -2) return band;
  if (d > -3) return Mix(face, band, look.innerRowStrength);
  return face;
}

Canvas Draw(const Look& look) {
  Canvas canvas(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      Colour sum{0, 0, 0};
      for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
          const Colour c = Sample(look, x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples);
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
      }
      constexpr double n = kSamples * kSamples;
      auto channel = [&](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v / n), 0L, 255L)); };
      canvas.At(x, y) = Rgb{channel(sum.r), channel(sum.g), channel(sum.b)};
    }
  }
  return canvas;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  for (const Look& look : kLooks) {
    const std::string path = folder + "/button_" + look.name + ".bmp";
    if (!Draw(look).SaveBmp(path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
