#pragma once
// The sound-file players: an MP3 through the MCI device "MPEGVideo", restarted when it has ended,
// and a WAV looped by the system's sound playback.
#include "music/winmm_api.h"
#include "startup/settings.h"

namespace quillane {

class FileMusicPlayer {
 public:
  FileMusicPlayer(const MusicSettings& settings, MciApi& mci, SoundApi& sound)
      : settings_(settings), mci_(mci), sound_(sound) {}

  void StartMp3();
  bool IsMp3Playing();
  void RepeatMp3();  // once a second: restarts the file from its start when it no longer plays
  void StopMp3();
  void StartWav();
  void StopWav();

 private:
  void Send(const char* command) { mci_.mciSendStringA(command, nullptr, 0, nullptr); }

  const MusicSettings& settings_;
  MciApi& mci_;
  SoundApi& sound_;
  // Never cleared: a mode query that writes no reply leaves the last reply to be examined.
  char Mp3ModeBuffer[30] = {};
};

}  // namespace quillane
