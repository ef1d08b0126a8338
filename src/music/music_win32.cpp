#include "music/music_win32.h"

#include "music/music_module.h"
#include "music/winmm_win32.h"

namespace quillane::win32 {
namespace {

struct SystemPorts {
  SystemMci mci;
  SystemSound sound;
};

// The music module on the real multimedia system; the ports come first so that they outlive it.
class SystemMusicPlayers final : private SystemPorts, public MusicModule {
 public:
  explicit SystemMusicPlayers(const MusicSettings& settings) : MusicModule(settings, mci, sound) {}
};

}  // namespace

std::unique_ptr<MusicPlayers> CreateSystemMusicPlayers(const MusicSettings& settings) {
  return std::make_unique<SystemMusicPlayers>(settings);
}

}  // namespace quillane::win32
