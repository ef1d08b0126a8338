#include "controls/face_geometry.h"

#include <cmath>
#include <limits>

#include "common/decimal.h"

namespace quillane {
namespace {

// A sum of 16-bit figures, or nothing when it leaves the 16-bit range.
std::optional<std::int16_t> Sum16(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

std::optional<TwipsRect> Rect16(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  const auto x16 = Sum16(x), y16 = Sum16(y), w16 = Sum16(width), h16 = Sum16(height);
  if (!x16 || !y16 || !w16 || !h16) return std::nullopt;
  return TwipsRect{*x16, *y16, *w16, *h16};
}

std::optional<FramePiece> Piece(std::optional<TwipsRect> destination, TwipsRect source) {
  if (!destination) return std::nullopt;
  return FramePiece{*destination, source};
}

int Pixel(double twips, double twipsPerPixel) { return static_cast<int>(std::floor(twips / twipsPerPixel + 0.5)); }

PixelRect ToPixels(const TwipsRect& rect, double twipsPerPixel) {
  const int left = Pixel(rect.x, twipsPerPixel);
  const int top = Pixel(rect.y, twipsPerPixel);
  return PixelRect{left, top, Pixel(rect.x + rect.width, twipsPerPixel) - left,
                   Pixel(rect.y + rect.height, twipsPerPixel) - top};
}

std::optional<std::uint16_t> HexPair(std::string_view pair) {
  std::uint16_t value = 0;
  for (char digit : pair) {
    int nibble;
    if (digit >= '0' && digit <= '9') nibble = digit - '0';
    else if (digit >= 'A' && digit <= 'F') nibble = digit - 'A' + 10;
    else if (digit >= 'a' && digit <= 'f') nibble = digit - 'a' + 10;
    else return std::nullopt;
    value = static_cast<std::uint16_t>(value * 16 + nibble);
  }
  return static_cast<std::uint16_t>(value << 8);  // "&H" p "00"
}

}  // namespace

const char* PictureName(StatePicture picture) {
  switch (picture) {
    case StatePicture::Normal: return "Normal";
    case StatePicture::HighLight: return "HighLight";
    case StatePicture::Pressed: return "Pressed";
    case StatePicture::Disable: return "Disable";
    case StatePicture::Selected: return "Selected";
    case StatePicture::HighLightSelect: return "HighLightSelect";
  }
  return "";
}

std::optional<FrameGeometry> ComputeFrameGeometry(double widthTwips, double heightTwips) {
  const auto middleWidth = RoundHalfEvenToInt16(widthTwips - 2 * kFrameTwips);
  const auto middleHeight = RoundHalfEvenToInt16(heightTwips - 2 * kFrameTwips);
  if (!middleWidth || !middleHeight) return std::nullopt;
  return FrameGeometry{*middleWidth, *middleHeight};
}

std::array<std::optional<FramePiece>, 8> FramePieces(const FrameGeometry& g) {
  constexpr std::int32_t b = kFrameTwips;
  const std::int32_t mw = g.middleWidth, mh = g.middleHeight;
  const std::int32_t right = mw + b, bottom = mh + b;  // W - b and H - b
  return {
      Piece(Rect16(1, 1, b, b), {0, 0, b, b}),
      Piece(Rect16(b, 1, mw, b), {b, 1, 840, b}),
      Piece(Rect16(right, 1, b, b), {900, 1, b, b}),
      Piece(Rect16(right, b, b, mh), {900, b, b, 255}),
      Piece(Rect16(right, bottom, b, b), {900, 315, b, b}),
      Piece(Rect16(b, bottom, mw, b), {b, 315, 840, b}),
      Piece(Rect16(1, bottom, b, b), {0, 315, b, b}),
      Piece(Rect16(1, b, b, mh), {1, b, b, 255}),
  };
}

double PixelsToTwips(int pixels, double dpi) { return pixels * static_cast<double>(kTwipsPerInch) / dpi; }

PixelRect ToWindowPixels(const TwipsRect& rect, double dpi) { return ToPixels(rect, kTwipsPerInch / dpi); }

PixelRect ToPicturePixels(const TwipsRect& rect) { return ToPixels(rect, kPictureTwipsPerPixel); }

std::optional<Channels> ChannelsFromColourText(std::string_view text) {
  if (text.size() != 8 || text.substr(0, 2) != "&H") return std::nullopt;
  const auto red = HexPair(text.substr(2, 2));
  const auto green = HexPair(text.substr(4, 2));
  const auto blue = HexPair(text.substr(6, 2));
  if (!red || !green || !blue) return std::nullopt;
  return Channels{*red, *green, *blue};
}

std::array<TriVertex, 2> FaceGradientVertices(int width, int height, bool hoverGradient) {
  const Channels white = *ChannelsFromColourText(kGradientWhite);
  const Channels lavender = *ChannelsFromColourText(kGradientLavender);
  const Channels& top = hoverGradient ? lavender : white;
  const Channels& bottom = hoverGradient ? white : lavender;
  return {TriVertex{0, 0, top.red, top.green, top.blue, 0},
          TriVertex{width - 1, height - 1, bottom.red, bottom.green, bottom.blue, 0}};
}

double CaptionBoxTopTwips(double heightTwips) {
  return (heightTwips - kCaptionBoxHeightTwips - kCaptionLiftTwips) / 2;
}

}  // namespace quillane
