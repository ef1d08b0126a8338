#pragma once
// The hidden saver window "Quillane_Main": a Win32 home for the saver session's timers and close.
#include <windows.h>

#include <string>

#include "saver/saver_session.h"

namespace quillane::win32 {

class SaverWindow final : private SaverWindowPort {
 public:
  SaverWindow(const MusicSettings& settings, MusicPlayers& music, std::string visualProgramPath,
              bool saverMode);
  SaverWindow(const SaverWindow&) = delete;
  SaverWindow& operator=(const SaverWindow&) = delete;

  // Creates the hidden window; its load step starts the session. False when the window failed.
  bool Create(HINSTANCE instance);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void StartVisualProgram(const std::string& path) override;
  void SetTimerEnabled(SaverTimer timer, bool enabled) override;
  bool TopLevelWindowExists(const char* caption) override;
  void ShowCursor() override;
  void EndProgram() override;

  HWND window_ = nullptr;
  SaverSession session_;
};

}  // namespace quillane::win32
