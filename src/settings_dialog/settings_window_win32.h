#pragma once
// The settings dialog "<Quillane>": a fixed-size top-level window shown modally for /c.
#include <windows.h>

#include <array>
#include <string>

#include "common/gdi_objects.h"
#include "settings_dialog/dialog_buttons_win32.h"
#include "settings_dialog/dialog_panel_win32.h"
#include "settings_dialog/settings_dialog.h"
#include "startup/profile_win32.h"
#include "startup/window_zoom.h"
#include "startup/window_zoom_win32.h"

namespace quillane::win32 {

class SettingsWindow final : private settings_dialog::DialogPort {
 public:
  SettingsWindow(HINSTANCE instance, MusicSettings& settings, std::string iniPath, ZoomPoint& zoomPoint);
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;

  // Shows the dialog and returns once it has closed.
  void ShowModal();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateControls();
  void Arrange(int dotsPerInch);
  RECT PixelRect(settings_dialog::Part part) const;
  SIZE WindowSizeFor(int dotsPerInch) const;
  void PaintBackground();
  void Paint();

  std::intptr_t Window() override { return reinterpret_cast<std::intptr_t>(window_); }
  void GetScreenSize(int& width, int& height) override;
  void GetWindowSize(int& width, int& height) override;
  void MoveWindow(int left, int top) override;
  void InitializeButtons() override;
  void ShowNormalCursor() override { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
  void DestroyWindow() override { ::DestroyWindow(window_); }

  void SetMarkSelected(int category, bool selected) override { panel_.SetMarkSelected(category, selected); }
  void SetTrackListEnabled(bool enabled) override { EnableWindow(trackList_, enabled); }
  void SetFileButtonEnabled(bool enabled) override { buttons_[kFileButton].SetEnabled(enabled); }
  void SetTrackText(const std::string& text) override;
  std::string TrackText() override;
  void AddTrackEntry(const std::string& text) override;
  void ShowFileName(const std::string& path) override;
  std::optional<std::string> GetOpenFileNameA(const settings_dialog::FileChooserRequest& request) override;
  void SetBusyCursor(bool busy) override;
  void ShellExecuteA(const char* verb, const char* file) override;

  enum { kFileButton, kSaveButton, kCancelButton, kOtherWorksButton, kButtonCount };

  HINSTANCE instance_;
  ZoomPoint& zoomPoint_;
  SystemProfile profile_;
  SystemZoom zoom_;
  settings_dialog::SettingsDialog logic_;
  HWND window_ = nullptr;
  HWND trackList_ = nullptr;
  DialogPanel panel_;
  std::array<DialogButton, kButtonCount> buttons_;
  int dpi_ = 96;
  UniqueFont font_;
  UniqueBitmap background_;
  bool closed_ = false;
};

}  // namespace quillane::win32
