// Draws the pictures of Quillane.scr into the folder given on the command line: the preview
// picture, the two option marks of the settings dialog and the program's icon.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "glow.h"
#include "ico_writer.h"

namespace {

using pictures::Canvas;
using pictures::Rgb;
using product_pictures::Hue;
using product_pictures::Light;
using product_pictures::LightBuffer;

constexpr float kPi = 3.14159265f;

Light Scaled(Light c, float k) { return {c.r * k, c.g * k, c.b * k}; }

// Ribbons of light sweeping across a picture of the given size, hues running along each stroke.
void LightRibbons(LightBuffer& light, float width, float height, float scale) {
  struct Ribbon {
    float amplitude, frequency, phase, slope, hue, brightness;
  };
  const Ribbon ribbons[] = {
      {0.22f, 0.9f, 0.10f, -0.35f, 0.52f, 1.0f},  {0.18f, 1.1f, 0.35f, -0.25f, 0.62f, 0.9f},
      {0.26f, 0.7f, 0.60f, -0.45f, 0.78f, 0.8f},  {0.12f, 1.4f, 0.85f, -0.15f, 0.95f, 0.7f},
      {0.20f, 0.8f, 0.20f, -0.55f, 0.08f, 0.75f}, {0.30f, 0.6f, 0.45f, -0.30f, 0.30f, 0.6f},
      {0.15f, 1.2f, 0.70f, -0.40f, 0.44f, 0.85f},
  };
  for (const Ribbon& r : ribbons) {
    light.Stroke(
        [&](float t, float& x, float& y) {
          x = (-0.08f + t * 1.16f) * width;
          y = (0.55f + r.amplitude * std::sin(2 * kPi * (r.frequency * t + r.phase)) + r.slope * (t - 0.5f)) * height;
        },
        [&](float t) { return Scaled(Hue(r.hue + 0.35f * t), r.brightness * std::pow(std::sin(kPi * t), 0.6f)); },
        0.55f * scale, 3.2f * scale, 1400);
  }
  // Two curling strokes, like the flourish of a pen.
  for (int k = 0; k < 2; ++k) {
    light.Stroke(
        [&](float t, float& x, float& y) {
          const float angle = 2 * kPi * (0.2f + 1.3f * t) + k * kPi;
          const float radius = (0.05f + 0.22f * t) * height;
          x = (0.68f - 0.08f * k) * width + radius * std::cos(angle) * 1.3f;
          y = (0.36f + 0.06f * k) * height + radius * std::sin(angle);
        },
        [&](float t) { return Scaled(Hue(0.85f - 0.5f * t + 0.3f * k), 0.7f * std::sin(kPi * t)); },
        0.5f * scale, 2.6f * scale, 1400);
  }
}

Canvas PreviewPicture() {
  LightBuffer light(152, 112);
  LightRibbons(light, 152, 112, 1.0f);
  return light.Develop(1.6f);
}

// Fraction of the pixel (x, y) inside the circle around (6, 6), sampled 8 x 8.
float Coverage(int x, int y, float radius) {
  int inside = 0;
  for (int sy = 0; sy < 8; ++sy) {
    for (int sx = 0; sx < 8; ++sx) {
      const float dx = x + (sx + 0.5f) / 8 - 6.0f, dy = y + (sy + 0.5f) / 8 - 6.0f;
      inside += dx * dx + dy * dy <= radius * radius;
    }
  }
  return inside / 64.0f;
}

Rgb Mix(Rgb a, Rgb b, float k) {
  auto m = [&](std::uint8_t p, std::uint8_t q) { return static_cast<std::uint8_t>(std::lround(p + (q - p) * k)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// The option mark on the key colour magenta, which the dialog leaves out when it draws the mark
// over its gradient.
Canvas OptionMark(bool selected) {
  Canvas mark(12, 12, Rgb{255, 0, 255});
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      if (Coverage(x, y, 5.9f) < 0.5f) continue;
      // A pale face lit from the top-left inside a dark rim.
      const float light = 1.0f - 0.35f * (x + y) / 22.0f;
      Rgb face{static_cast<std::uint8_t>(250 * light), static_cast<std::uint8_t>(250 * light),
               static_cast<std::uint8_t>(255 * light)};
      Rgb pixel = Mix(Rgb{40, 44, 70}, face, Coverage(x, y, 4.9f));
      if (selected) {
        const float dot = Coverage(x, y, 3.0f);
        const Rgb glow = (x + y < 11) ? Rgb{120, 200, 255} : Rgb{20, 90, 220};
        pixel = Mix(pixel, glow, dot);
      }
      mark.At(x, y) = pixel;
    }
  }
  return mark;
}

// The icon at 256 x 256: light ribbons on a deep blue rounded square.
product_pictures::IconImage LargeIcon() {
  const int size = 256;
  LightBuffer light(size, size);
  LightRibbons(light, size, size, 2.6f);
  Canvas lit = light.Develop(1.4f);
  product_pictures::IconImage icon{Canvas(size, size), std::vector<std::uint8_t>(size * size, 0), false};
  const float corner = 44.0f, inset = 8.0f;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // Distance outside the rounded square, for a soft one-pixel edge.
      const float qx = std::fmax(std::fabs(x + 0.5f - size / 2.0f) - (size / 2.0f - inset - corner), 0.0f);
      const float qy = std::fmax(std::fabs(y + 0.5f - size / 2.0f) - (size / 2.0f - inset - corner), 0.0f);
      const float outside = std::sqrt(qx * qx + qy * qy) - corner;
      const float a = std::fmin(std::fmax(0.5f - outside, 0.0f), 1.0f);
      const Rgb base{6, 8, static_cast<std::uint8_t>(28 + 20 * y / size)};
      const Rgb p = lit.At(x, y);
      icon.pixels.At(x, y) = {static_cast<std::uint8_t>(std::fmin(255, base.r + p.r)),
                              static_cast<std::uint8_t>(std::fmin(255, base.g + p.g)),
                              static_cast<std::uint8_t>(std::fmin(255, base.b + p.b))};
      icon.alpha[y * size + x] = static_cast<std::uint8_t>(std::lround(a * 255));
    }
  }
  return icon;
}

// A smaller icon by averaging blocks of the large one (colours weighted by their alpha).
product_pictures::IconImage Reduced(const product_pictures::IconImage& large, int size, bool paletted) {
  const int from = large.pixels.Width();
  product_pictures::IconImage icon{Canvas(size, size), std::vector<std::uint8_t>(size * size, 0), paletted};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      int count = 0;
      for (int sy = y * from / size; sy < (y + 1) * from / size; ++sy) {
        for (int sx = x * from / size; sx < (x + 1) * from / size; ++sx) {
          const double w = large.alpha[sy * from + sx] / 255.0;
          const Rgb p = large.pixels.At(sx, sy);
          r += p.r * w, g += p.g * w, b += p.b * w, a += w;
          ++count;
        }
      }
      if (a > 0) {
        icon.pixels.At(x, y) = {static_cast<std::uint8_t>(std::lround(r / a)), static_cast<std::uint8_t>(std::lround(g / a)),
                                static_cast<std::uint8_t>(std::lround(b / a))};
      }
      icon.alpha[y * size + x] = static_cast<std::uint8_t>(std::lround(255 * a / count));
    }
  }
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: product_pictures <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const auto large = LargeIcon();
  const bool written =
      PreviewPicture().SaveBmp(folder + "/preview.bmp") && OptionMark(false).SaveBmp(folder + "/mark_off.bmp") &&
      OptionMark(true).SaveBmp(folder + "/mark_on.bmp") &&
      product_pictures::IcoWriter().Save(folder + "/quillane.ico",
                                         {Reduced(large, 32, true), Reduced(large, 16, false),
                                          Reduced(large, 32, false), Reduced(large, 48, false), large});
  if (!written) std::fprintf(stderr, "product_pictures: could not write into %s\n", folder.c_str());
  return written ? 0 : 1;
}
