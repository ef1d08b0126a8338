#pragma once
// Light painting for the product's pictures: strokes laid down as soft splats into a floating
// point buffer, added together like light and compressed into 8-bit colour at the end.
#include <cmath>
#include <functional>
#include <vector>

#include "../pictures/bmp_writer.h"

namespace product_pictures {

struct Light {
  float r = 0, g = 0, b = 0;
};

// A fully saturated colour of the given hue (0..1 around the wheel).
inline Light Hue(float hue) {
  hue -= std::floor(hue);
  auto channel = [&](float offset) {
    float d = std::fabs(std::fmod(hue * 6.0f + offset, 6.0f) - 3.0f) - 1.0f;
    return std::fmin(std::fmax(d, 0.0f), 1.0f);
  };
  return {channel(0.0f), channel(4.0f), channel(2.0f)};
}

class LightBuffer {
 public:
  LightBuffer(int width, int height) : width_(width), height_(height), light_(width * height) {}

  // A glowing stroke along the curve point(t), t from 0 to 1: a thin bright core inside a wide
  // halo, its colour and brightness given along the way.
  void Stroke(const std::function<void(float t, float& x, float& y)>& point,
              const std::function<Light(float t)>& colour, float coreWidth, float haloWidth, int samples) {
    for (int i = 0; i <= samples; ++i) {
      const float t = static_cast<float>(i) / samples;
      float x = 0, y = 0;
      point(t, x, y);
      Splat(x, y, colour(t), coreWidth, haloWidth, 1.0f / samples * 60.0f);
    }
  }

  // Light compressed softly so that crossings glow white instead of clipping to flat colour.
  pictures::Canvas Develop(float exposure) const {
    pictures::Canvas canvas(width_, height_);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const Light& l = light_[y * width_ + x];
        // A little of each channel bleeds into the others where the light is strong: white cores.
        const float sum = (l.r + l.g + l.b) * 0.18f;
        auto develop = [&](float v) {
          const float out = 1.0f - std::exp(-(v + sum) * exposure);
          return static_cast<std::uint8_t>(std::lround(std::fmin(out, 1.0f) * 255.0f));
        };
        canvas.At(x, y) = {develop(l.r), develop(l.g), develop(l.b)};
      }
    }
    return canvas;
  }

 private:
  void Splat(float cx, float cy, Light c, float core, float halo, float weight) {
    const int reach = static_cast<int>(std::ceil(halo * 3.0f));
    for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
      for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
        const float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d2 = dx * dx + dy * dy;
        const float k = weight * (std::exp(-d2 / (2 * core * core)) + 0.18f * std::exp(-d2 / (2 * halo * halo)));
        Light& l = light_[y * width_ + x];
        l.r += c.r * k;
        l.g += c.g * k;
        l.b += c.b * k;
      }
    }
  }

  int width_;
  int height_;
  std::vector<Light> light_;
};

}  // namespace product_pictures
