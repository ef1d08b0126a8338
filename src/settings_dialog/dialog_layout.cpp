#include "settings_dialog/dialog_layout.h"

#include <cmath>

namespace quillane::settings_dialog {

const std::array<PlacedPart, 17>& Layout() {
  static const std::array<PlacedPart, 17> layout{{
      {Part::Panel, false, 180, 240, 6795, 2535, ""},
      {Part::Signature, false, 180, 2940, 2475, 195, "Designed by Orlenk Ver.1.0.0"},
      {Part::OtherWorksButton, false, 2880, 3000, 1875, 375, "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x8d\xec\x95i"},  // その他の作品
      {Part::SaveButton, false, 4800, 3000, 1095, 375, "\x90\xdd\x92\xe8"},                                     // 設定
      {Part::CancelButton, false, 5940, 3000, 1035, 375, "\xb7\xac\xdd\xbe\xd9"},                               // ｷｬﾝｾﾙ
      {Part::HeadingFrame, true, 300, 300, 1695, 315, ""},
      {Part::Heading, true, 300, 360, 1665, 195, "BGM"},
      {Part::CdMark, true, 300, 840, 195, 195, ""},
      {Part::CdCaption, true, 540, 840, 645, 195, "\x89\xb9\x8a" "yCD"},                                         // 音楽CD
      {Part::TrackList, true, 1380, 780, 615, 300, ""},
      {Part::TrackCaption, true, 2040, 840, 990, 195, "\x8b\xc8\x96\xda\x82\xf0\xd8\xcb\xdf\xb0\xc4"},         // 曲目をﾘﾋﾟｰﾄ
      {Part::NoneMark, true, 300, 1140, 195, 195, ""},
      {Part::NoneCaption, true, 540, 1140, 345, 195, "\x96\xb3\x82\xb5"},                                       // 無し
      {Part::FileMark, true, 300, 1440, 195, 195, ""},
      {Part::FileCaption, true, 540, 1440, 900, 195, "MP3\x81" "AWAV"},                                         // MP3、WAV
      {Part::FileButton, true, 540, 1740, 435, 315, "..."},
      {Part::FileLabel, true, 1020, 1740, 5355, 435, ""},
  }};
  return layout;
}

const PlacedPart& Place(Part part) { return Layout()[static_cast<std::size_t>(part)]; }

int TwipsToPixels(int twips, int dotsPerInch) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dotsPerInch / 1440.0));
}

int FontPixelHeight(int dotsPerInch) {
  return static_cast<int>(std::lround(kFontHundredthsOfPoint / 100.0 * dotsPerInch / 72.0));
}

Point OpeningPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 3};
}

}  // namespace quillane::settings_dialog
