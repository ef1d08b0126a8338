#pragma once
// Where every part of the settings dialog lies, in twips (1/1440 inch), and the conversions to
// pixels at the screen's real resolution.
#include <array>
#include <string_view>

namespace quillane::settings_dialog {

enum class Part {
  Panel,          // the panel holding the music choices, with its own gradient
  Signature,      // "Designed by ..." in white
  OtherWorksButton,
  SaveButton,
  CancelButton,
  HeadingFrame,   // black outline around the heading
  Heading,        // "BGM", centred
  CdMark,
  CdCaption,
  TrackList,
  TrackCaption,
  NoneMark,
  NoneCaption,
  FileMark,
  FileCaption,
  FileButton,
  FileLabel,      // the chosen path, inside a single border line
};

struct PlacedPart {
  Part part;
  bool inPanel;  // the position is relative to the panel's client area
  int left, top, width, height;  // twips
  std::string_view text;         // code page 932; empty where the part shows no fixed text
};

inline constexpr int kClientWidthTwips = 7185;
inline constexpr int kClientHeightTwips = 3780;
inline constexpr int kMarkPictureSize = 12;     // pixels at 96 dots per inch
inline constexpr int kFontHundredthsOfPoint = 975;  // 9.75 points

const std::array<PlacedPart, 17>& Layout();
const PlacedPart& Place(Part part);

// Twips to pixels at the given dots per inch: exact at 96, where 15 twips make a pixel.
int TwipsToPixels(int twips, int dotsPerInch);
// The font's height in pixels (13 at 96 dots per inch).
int FontPixelHeight(int dotsPerInch);

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};
// Centred across the screen, its top at one third of the free height (integer division toward zero).
Point OpeningPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace quillane::settings_dialog
