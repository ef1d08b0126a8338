#include "music/file_music_player.h"

#include <cstring>
#include <string>

namespace quillane {

void FileMusicPlayer::StartMp3() {
  // Quoted, so that a path with spaces opens.
  const std::string open = "open \"" + settings_.BgmFile + "\" type MPEGVideo Alias MP3Play";
  if (mci_.mciSendStringA(open.c_str(), nullptr, 0, nullptr) != 0) return;  // silence, no retry
  Send("play MP3Play");
}

bool FileMusicPlayer::IsMp3Playing() {
  mci_.mciSendStringA("status MP3Play mode", Mp3ModeBuffer, sizeof Mp3ModeBuffer, nullptr);
  return std::strncmp(Mp3ModeBuffer, "playing", 7) == 0;
}

void FileMusicPlayer::RepeatMp3() {
  if (IsMp3Playing()) return;
  Send("stop MP3Play");
  Send("play MP3Play from 0");
}

void FileMusicPlayer::StopMp3() {
  Send("stop MP3Play");
  Send("close MP3Play");
}

void FileMusicPlayer::StartWav() {
  if (sound_.waveOutGetNumDevs() == 0) return;
  // The name as it stands (no SND_FILENAME): the system looks it up and plays it in a loop.
  sound_.PlaySoundA(settings_.BgmFile.c_str(), nullptr, kSndAsync | kSndLoop);
}

void FileMusicPlayer::StopWav() { sound_.PlaySoundA(nullptr, nullptr, 0); }

}  // namespace quillane
