#pragma once
// The music module: the command layer and both players over one set of multimedia ports, with the
// module state (buffers, the CD monitor's verdict) living as long as the module.
#include "music/cd_audio_player.h"
#include "music/file_music_player.h"
#include "music/mci_command_layer.h"
#include "music/music_players.h"

namespace quillane {

class MusicModule : public MusicPlayers {
 public:
  MusicModule(const MusicSettings& settings, MciApi& mci, SoundApi& sound)
      : layer_(mci), cd_(settings, mci, layer_), file_(settings, mci, sound) {}

  void StartCdAudio() override { cd_.StartCdAudio(); }
  void MonitorCdAudio() override { cd_.MonitorCdAudio(); }
  bool CdAudioActive() const override { return cd_.CdAudioActive(); }
  void StopCdAudio() override { cd_.StopCdAudio(); }
  void StartMp3() override { file_.StartMp3(); }
  void RepeatMp3() override { file_.RepeatMp3(); }
  void StopMp3() override { file_.StopMp3(); }
  void StartWav() override { file_.StartWav(); }
  void StopWav() override { file_.StopWav(); }

 private:
  MciCommandLayer layer_;
  CdAudioPlayer cd_;
  FileMusicPlayer file_;
};

}  // namespace quillane
