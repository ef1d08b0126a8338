#pragma once
// The arithmetic of the image button's face: the frame cut from a state picture in eight pieces,
// laid out in twips with 16-bit figures, the two gradient vertices and the caption box.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillane {

enum class StatePicture { Normal, HighLight, Pressed, Disable, Selected, HighLightSelect };
inline constexpr int kStatePictureCount = 6;
const char* PictureName(StatePicture picture);

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPictureTwipsPerPixel = 15;  // the pictures are drawn for 96 dots per inch
inline constexpr std::int16_t kFrameTwips = 60;
inline constexpr std::int16_t kPictureWidthTwips = 960;
inline constexpr std::int16_t kPictureHeightTwips = 375;
inline constexpr std::int16_t kCaptionBoxHeightTwips = 195;
inline constexpr std::int16_t kCaptionLiftTwips = 20;

struct TwipsRect {
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  bool operator==(const TwipsRect&) const = default;
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

struct FramePiece {
  TwipsRect destination;
  TwipsRect source;
};

// The middle of the face, W - 2b and H - 2b, rounded to whole twips (halves to even); nothing when
// either does not fit 16 bits.
struct FrameGeometry {
  std::int16_t middleWidth = 0;
  std::int16_t middleHeight = 0;
};
std::optional<FrameGeometry> ComputeFrameGeometry(double widthTwips, double heightTwips);

// The eight pieces in drawing order: corners and edges clockwise from the top-left corner. A piece
// with a figure that overflows 16 bits is left empty.
std::array<std::optional<FramePiece>, 8> FramePieces(const FrameGeometry& geometry);

double PixelsToTwips(int pixels, double dpi);
// A destination in twips on a window of the given dots per inch, in whole pixels.
PixelRect ToWindowPixels(const TwipsRect& rect, double dpi);
// A part of a state picture in twips, in the picture's own pixels.
PixelRect ToPicturePixels(const TwipsRect& rect);

// The gradient data handed to GradientFill, laid out like TRIVERTEX and GRADIENT_RECT.
struct TriVertex {
  std::int32_t x = 0, y = 0;
  std::uint16_t red = 0, green = 0, blue = 0, alpha = 0;
  bool operator==(const TriVertex&) const = default;
};
struct GradientRect {
  std::uint32_t upperLeft = 0, lowerRight = 0;
  bool operator==(const GradientRect&) const = default;
};
inline constexpr std::uint32_t kGradientFillRectV = 1;  // GRADIENT_FILL_RECT_V
inline constexpr GradientRect kFaceGradientRect{1, 0};

inline constexpr std::string_view kGradientWhite = "&HFFFFFF";
inline constexpr std::string_view kGradientLavender = "&HC6C5D7";

struct Channels {
  std::uint16_t red = 0, green = 0, blue = 0;
  bool operator==(const Channels&) const = default;
};
// "&HRRGGBB": each pair p becomes the channel p * 256; nothing when the text is not of that form.
std::optional<Channels> ChannelsFromColourText(std::string_view text);

// Vertex 0 at the top-left pixel, vertex 1 at the bottom-right one of a w x h face; white above
// lavender, or the other way round while hovered.
std::array<TriVertex, 2> FaceGradientVertices(int width, int height, bool hoverGradient);

// The top of the caption box: the box, lifted a little, centred in the height.
double CaptionBoxTopTwips(double heightTwips);

}  // namespace quillane
