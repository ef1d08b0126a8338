#include "startup/entry_win32.h"

#include "common/win32_util.h"
#include "music/music_win32.h"
#include "preview/preview_window_win32.h"
#include "saver/saver_window_win32.h"
#include "settings_dialog/settings_window_win32.h"
#include "startup/command_line.h"
#include "startup/profile_win32.h"

namespace quillane::win32 {

SystemEntry::SystemEntry(HINSTANCE instance, std::string argumentText)
    : instance_(instance), argumentText_(std::move(argumentText)), programFolder_(ProgramFolder()) {}

SystemEntry::~SystemEntry() = default;

bool SystemEntry::TopLevelWindowExists(const char* caption) {
  return FindWindowA(nullptr, caption) != nullptr;
}

bool SystemEntry::SetUpPreview(std::int32_t hostHandle) {
  preview_ = std::make_unique<PreviewWindow>(instance_);
  return preview_->SetUp(hostHandle);
}

void SystemEntry::LoadSettings() {
  SystemProfile profile;
  SystemFileProbe probe;
  quillane::LoadSettings(profile, probe, programFolder_ + kSettingsFileName, settings_);
}

bool SystemEntry::VisualProgramExists() {
  SystemFileProbe probe;
  return FileExists(probe, programFolder_ + kVisualProgramName);
}

void SystemEntry::ShowMissingVisualProgramMessage() {
  MessageBoxW(nullptr,
              L"Quillane.dll が Quillane.scr と同じﾌｫﾙﾀﾞに見つかりません！",
              L"Quillane (ScreenSaver)", MB_OK);
}

void SystemEntry::ShowSettingsDialog() {
  SettingsWindow dialog(instance_, settings_, programFolder_ + kSettingsFileName, zoomPoint_);
  dialog.ShowModal();
}

void SystemEntry::HideCursor() { ShowCursor(FALSE); }

bool SystemEntry::CreateSaverWindow() {
  music_ = CreateSystemMusicPlayers(settings_);
  saverWindow_ = std::make_unique<SaverWindow>(settings_, *music_, programFolder_ + kVisualProgramName,
                                               ModeLetter(argumentText_) == 'S');
  return saverWindow_->Create(instance_);
}

}  // namespace quillane::win32
