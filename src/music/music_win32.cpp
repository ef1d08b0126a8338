#include "music/music_win32.h"

namespace quillane::win32 {
namespace {

// NOT YET BUILT: the players come with the music work; until then a session plays nothing.
class NoMusicYet final : public MusicPlayers {
 public:
  void StartCdAudio() override {}
  void MonitorCdAudio() override {}
  bool CdAudioActive() const override { return false; }
  void StopCdAudio() override {}
  void StartMp3() override {}
  void RepeatMp3() override {}
  void StopMp3() override {}
  void StartWav() override {}
  void StopWav() override {}
};

}  // namespace

std::unique_ptr<MusicPlayers> CreateSystemMusicPlayers(const MusicSettings&) {
  return std::make_unique<NoMusicYet>();
}

}  // namespace quillane::win32
