#include "settings_dialog/settings_dialog.h"

#include <cmath>

#include "common/decimal.h"
#include "settings_dialog/dialog_layout.h"

namespace quillane::settings_dialog {

FileChooserRequest FileChooser() {
  using namespace std::string_literals;
  FileChooserRequest request;
  request.filter = "BGM\xcc\xa7\xb2\xd9 (MP3 WAV)\0*.MP3;*.WAV\0\0"s;  // BGMﾌｧｲﾙ (MP3 WAV)
  request.title = "\xcc\xa7\xb2\xd9\x82\xf0\x8a" "J\x82\xad";            // ﾌｧｲﾙを開く
  return request;
}

std::string TrackText(std::int16_t repeat) { return repeat == 0 ? std::string() : std::to_string(repeat); }

std::vector<std::string> TrackListEntries() {
  std::vector<std::string> entries;
  for (std::int16_t n = 0; n <= 30; ++n) entries.push_back(TrackText(n));
  return entries;
}

std::int16_t TrackFromText(const std::string& text) {
  const auto number = ParseDecimal(text);
  if (!number) return 0;
  return RoundHalfEvenToInt16(*number).value_or(0);  // too large for the setting: 0 as well
}

Colour GradientRow(Surface surface, int y, int height) {
  const double divisor = height / 3.142;  // 3.142, not pi: the curve ends a little past half a period
  const int c = static_cast<int>(std::nearbyint(std::fabs(std::sin(y / divisor)) * 220.0));
  return surface == Surface::Dialog ? Colour{c, c, c + 30} : Colour{c + 30, c + 30, c + 30};
}

SettingsDialog::SettingsDialog(MusicSettings& settings, ProfileApi& profile, std::string iniPath, DialogPort& port,
                               ZoomPort& zoom, ZoomPoint& zoomPoint)
    : settings_(settings), profile_(profile), iniPath_(std::move(iniPath)), port_(port), zoom_(zoom),
      zoomPoint_(zoomPoint) {}

void SettingsDialog::Open() {
  int screenWidth = 0, screenHeight = 0, windowWidth = 0, windowHeight = 0;
  port_.GetScreenSize(screenWidth, screenHeight);
  port_.GetWindowSize(windowWidth, windowHeight);
  const Point at = OpeningPosition(screenWidth, screenHeight, windowWidth, windowHeight);
  port_.MoveWindow(at.x, at.y);
  port_.InitializeButtons();
  ShowBgmCategory();
  port_.SetTrackText(TrackText(settings_.BgmRepeat));
  for (const std::string& entry : TrackListEntries()) port_.AddTrackEntry(entry);
  port_.ShowFileName(settings_.BgmFile);
  RecordCursorPosition(zoom_, zoomPoint_);
  AnimateWindowOpen(zoom_, zoomPoint_, port_.Window());
  port_.ShowNormalCursor();
}

void SettingsDialog::Close() {
  if (closing_) return;  // the zoom and the destruction happen once, however many ways ask
  closing_ = true;
  AnimateWindowClose(zoom_, zoomPoint_, port_.Window());
  port_.DestroyWindow();
}

void SettingsDialog::ShowBgmCategory() {
  port_.SetFileButtonEnabled(false);
  port_.SetTrackListEnabled(false);
  for (int category = kNoMusic; category <= kMusicFile; ++category) {
    port_.SetMarkSelected(category, category == settings_.BgmCategory);
  }
  if (settings_.BgmCategory == kMusicCd) port_.SetTrackListEnabled(true);
  if (settings_.BgmCategory == kMusicFile) port_.SetFileButtonEnabled(true);
}

void SettingsDialog::SelectBgmCategory(int category) {
  settings_.BgmCategory = static_cast<std::int16_t>(category);
  ShowBgmCategory();
}

void SettingsDialog::ChooseFile() {
  if (settings_.BgmCategory != kMusicFile) return;  // the "..." button only serves the file category
  const auto path = port_.GetOpenFileNameA(FileChooser());
  if (!path) return;
  settings_.BgmFile = *path;
  port_.ShowFileName(settings_.BgmFile);
}

void SettingsDialog::Save() {
  settings_.BgmRepeat = TrackFromText(port_.TrackText());
  SaveSettings(profile_, iniPath_, settings_);
  Close();
}

void SettingsDialog::Cancel() { Close(); }

void SettingsDialog::OpenOtherWorks() {
  port_.SetBusyCursor(true);
  port_.ShellExecuteA("open", kAuthorPageAddress);
  port_.SetBusyCursor(false);
}

}  // namespace quillane::settings_dialog
