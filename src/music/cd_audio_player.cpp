#include "music/cd_audio_player.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "common/decimal.h"

namespace quillane {
namespace {

constexpr const char* kDevice = "cdaudio";
constexpr unsigned kCdModeLength = 255;

// A failed query comes back as the "Error:" marker; a reply that itself contains the letters counts
// as a failure too.
bool Failed(std::string reply) {
  std::transform(reply.begin(), reply.end(), reply.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return reply.find("ERR") != std::string::npos;
}

}  // namespace

void CdAudioPlayer::StartCdAudio() {
  // Results ignored: a missing drive or disc shows at the first monitor tick.
  mci_.mciSendStringA("open cdaudio", nullptr, 0, nullptr);
  mci_.mciSendStringA("set cdaudio time format tmsf", nullptr, 0, nullptr);
}

void CdAudioPlayer::MonitorCdAudio() {
  CdAudioActive_ = true;
  if (!MonitorStep()) CdAudioActive_ = false;
}

bool CdAudioPlayer::MonitorStep() {
  const std::string currentTrack = layer_.QueryMci("status cdaudio current track");
  if (Failed(currentTrack)) return false;
  if (Failed(layer_.QueryMci("status cdaudio number of tracks"))) return false;
  const bool stopped = DeviceStopped();

  const std::int16_t track = settings_.BgmRepeat;
  if (track == 0) {
    if (stopped) layer_.PlayMci(kDevice, "", "");
    return true;
  }
  // Read on every step, so an unreadable current track ends monitoring whatever the mode.
  const std::optional<double> current = ParseDecimal(currentTrack);
  if (!current) return false;
  const bool offTrack = *current != track;
  if (stopped || offTrack) {
    const std::string start = layer_.QueryMci("status cdaudio position track " + std::to_string(track));
    layer_.PlayMci(kDevice, start, "");  // a failed play is sent again at a later tick
  }
  return true;
}

bool CdAudioPlayer::DeviceStopped() {
  mci_.mciSendStringA("status cdaudio mode", CdModeBuffer, kCdModeLength, nullptr);
  return std::strncmp(CdModeBuffer, "stopped", 7) == 0;
}

void CdAudioPlayer::StopCdAudio() {
  mci_.mciSendStringA("stop cdaudio", nullptr, 0, nullptr);
  mci_.mciSendStringA("close cdaudio", nullptr, 0, nullptr);
}

}  // namespace quillane
