#pragma once
#include <memory>

#include "music/music_players.h"
#include "startup/settings.h"

namespace quillane::win32 {

// The music players on the real multimedia system, reading the process-wide settings.
std::unique_ptr<MusicPlayers> CreateSystemMusicPlayers(const MusicSettings& settings);

}  // namespace quillane::win32
