#pragma once
// The audio-CD player: opens the drive, and on every monitor tick starts the disc or brings it back
// to the track the settings hold.
#include <cstdint>
#include <string>

#include "music/mci_command_layer.h"
#include "music/winmm_api.h"
#include "startup/settings.h"

namespace quillane {

class CdAudioPlayer {
 public:
  CdAudioPlayer(const MusicSettings& settings, MciApi& mci, MciCommandLayer& layer)
      : settings_(settings), mci_(mci), layer_(layer) {}

  void StartCdAudio();
  void MonitorCdAudio();  // one step per monitor tick; the verdict is CdAudioActive
  void StopCdAudio();
  bool CdAudioActive() const { return CdAudioActive_; }

 private:
  bool MonitorStep();  // false when monitoring must end
  bool DeviceStopped();

  const MusicSettings& settings_;
  MciApi& mci_;
  MciCommandLayer& layer_;
  bool CdAudioActive_ = false;
  // Never cleared: a mode query that writes no reply leaves the last reply to be examined.
  char CdModeBuffer[256] = {};
};

}  // namespace quillane
