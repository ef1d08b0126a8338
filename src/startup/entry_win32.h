#pragma once
// The entry routine's view of Windows: windows, the settings, the message box and the hand-over
// to the preview, the settings dialog and the saver window.
#include <windows.h>

#include <memory>
#include <string>

#include "music/music_players.h"
#include "startup/entry_routine.h"
#include "startup/settings.h"
#include "startup/window_zoom.h"

namespace quillane::win32 {

class SaverWindow;
class PreviewWindow;

class SystemEntry final : public EntryPort {
 public:
  SystemEntry(HINSTANCE instance, std::string argumentText);
  ~SystemEntry() override;

  bool TopLevelWindowExists(const char* caption) override;
  bool SetUpPreview(std::int32_t hostHandle) override;
  void LoadSettings() override;
  bool VisualProgramExists() override;
  void ShowMissingVisualProgramMessage() override;
  void ShowSettingsDialog() override;
  void HideCursor() override;
  bool CreateSaverWindow() override;

 private:
  HINSTANCE instance_;
  std::string argumentText_;
  std::string programFolder_;
  MusicSettings settings_;
  ZoomPoint zoomPoint_;  // where the settings dialog zooms from and back to
  std::unique_ptr<MusicPlayers> music_;
  std::unique_ptr<SaverWindow> saverWindow_;
  std::unique_ptr<PreviewWindow> preview_;
};

}  // namespace quillane::win32
