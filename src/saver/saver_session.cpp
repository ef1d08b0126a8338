#include "saver/saver_session.h"

#include <algorithm>
#include <cctype>

namespace quillane {

FileKind FileKindOf(const std::string& path) {
  std::string ending = path.size() < 3 ? path : path.substr(path.size() - 3);
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (ending == "WAV") return FileKind::Wav;
  if (ending == "MP3") return FileKind::Mp3;
  return FileKind::Other;
}

SaverSession::SaverSession(const MusicSettings& settings, MusicPlayers& music,
                           SaverWindowPort& window, std::string visualProgramPath, bool saverMode)
    : settings_(settings),
      music_(music),
      window_(window),
      visualProgramPath_(std::move(visualProgramPath)),
      saverMode_(saverMode) {}

void SaverSession::Load() {
  SetTimer(SaverTimer::Timer3, true);
  window_.StartVisualProgram(visualProgramPath_);
  if (settings_.BgmCategory == kMusicCd) {
    music_.StartCdAudio();
    SetTimer(SaverTimer::Timer2, true);
  }
  if (settings_.BgmCategory == kMusicFile) {
    const FileKind kind = FileKindOf(settings_.BgmFile);
    if (kind == FileKind::Wav) music_.StartWav();
    if (kind == FileKind::Mp3) {
      music_.StartMp3();
      SetTimer(SaverTimer::Timer1, true);
    }
  }
}

void SaverSession::Tick(SaverTimer timer) {
  if (closing_ || !TimerEnabled(timer)) return;  // a tick already queued when its timer stopped
  switch (timer) {
    case SaverTimer::Timer1:
      music_.RepeatMp3();
      break;
    case SaverTimer::Timer2:
      music_.MonitorCdAudio();
      SetTimer(SaverTimer::Timer2, music_.CdAudioActive());
      break;
    case SaverTimer::Timer3:
      if (!window_.TopLevelWindowExists(kVisualWindowCaption)) {
        SetTimer(SaverTimer::Timer3, false);
        Close();
      }
      break;
  }
}

void SaverSession::Close() {
  if (closing_) return;
  closing_ = true;
  if (TimerEnabled(SaverTimer::Timer2)) {
    SetTimer(SaverTimer::Timer2, false);
    music_.StopCdAudio();
  }
  if (settings_.BgmCategory == kMusicFile) {
    const FileKind kind = FileKindOf(settings_.BgmFile);
    if (kind == FileKind::Wav) music_.StopWav();
    if (kind == FileKind::Mp3) music_.StopMp3();
  }
  if (saverMode_) window_.ShowCursor();
  window_.EndProgram();
}

void SaverSession::SetTimer(SaverTimer timer, bool enabled) {
  timerEnabled_[static_cast<int>(timer) - 1] = enabled;
  window_.SetTimerEnabled(timer, enabled);
}

bool SaverSession::TimerEnabled(SaverTimer timer) const {
  return timerEnabled_[static_cast<int>(timer) - 1];
}

}  // namespace quillane
