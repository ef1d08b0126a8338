#pragma once
// What the settings dialog does with the music settings: the category marks, the track list, the
// file chooser, saving and the author's page. The window itself lives in the Win32 edge.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "startup/profile_api.h"
#include "startup/settings.h"
#include "startup/window_zoom.h"

namespace quillane::settings_dialog {

inline constexpr const char* kCaption = "<Quillane>";
// The author's web page, opened by "その他の作品".
inline constexpr const char* kAuthorPageAddress = "https://orlenk.example/quillane/";
inline constexpr const char* kFontFace = "\x82l\x82r \x82o\x83S\x83V\x83" "b\x83N";  // ＭＳ Ｐゴシック
inline constexpr int kShiftJisCharset = 128;

// The file-open request, field by field, for the edge to hand to the common dialog.
struct FileChooserRequest {
  std::string filter;        // name, NUL, pattern, closing double NUL
  unsigned long fileBufferLength = 255;
  unsigned long fileTitleBufferLength = 255;
  std::string title;
  unsigned long flags = 0;
};
FileChooserRequest FileChooser();

// The calls the dialog's logic makes on its window and on the system.
class DialogPort {
 public:
  virtual ~DialogPort() = default;
  virtual std::intptr_t Window() = 0;
  virtual void GetScreenSize(int& width, int& height) = 0;  // the primary screen
  virtual void GetWindowSize(int& width, int& height) = 0;  // the whole window, frame included
  virtual void MoveWindow(int left, int top) = 0;
  virtual void InitializeButtons() = 0;
  virtual void ShowNormalCursor() = 0;
  virtual void DestroyWindow() = 0;
  virtual void SetMarkSelected(int category, bool selected) = 0;
  virtual void SetTrackListEnabled(bool enabled) = 0;
  virtual void SetFileButtonEnabled(bool enabled) = 0;
  virtual void SetTrackText(const std::string& text) = 0;
  virtual std::string TrackText() = 0;
  virtual void AddTrackEntry(const std::string& text) = 0;
  virtual void ShowFileName(const std::string& path) = 0;
  // The chosen path, or nothing when the chooser was cancelled or failed.
  virtual std::optional<std::string> GetOpenFileNameA(const FileChooserRequest& request) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  virtual void ShellExecuteA(const char* verb, const char* file) = 0;
};

// The edit text for a track number: plain decimal, nothing for 0.
std::string TrackText(std::int16_t repeat);
// The 31 entries of the track list: an empty one, then "1" to "30".
std::vector<std::string> TrackListEntries();
// The track text as saved: a number rounded half to even, 0 for anything else.
std::int16_t TrackFromText(const std::string& text);

enum class Surface { Dialog, Panel };
struct Colour {
  int r = 0, g = 0, b = 0;
  bool operator==(const Colour&) const = default;
};
// The colour of row y of a surface of the given client height.
Colour GradientRow(Surface surface, int y, int height);

class SettingsDialog {
 public:
  SettingsDialog(MusicSettings& settings, ProfileApi& profile, std::string iniPath, DialogPort& port,
                 ZoomPort& zoom, ZoomPoint& zoomPoint);

  void Open();   // the opening steps, before the window shows
  void Close();  // the closing steps, whichever way the dialog closes
  void ShowBgmCategory();
  void SelectBgmCategory(int category);
  void ChooseFile();
  void Save();  // writes the three keys, then closes
  void Cancel();
  void OpenOtherWorks();

 private:
  MusicSettings& settings_;
  ProfileApi& profile_;
  std::string iniPath_;
  DialogPort& port_;
  ZoomPort& zoom_;
  ZoomPoint& zoomPoint_;
  bool closing_ = false;
};

}  // namespace quillane::settings_dialog
