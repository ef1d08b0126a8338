#pragma once
// A CD drive with an audio disc, answering the MCI strings of the "cdaudio" device in the TMSF time
// format. Playback advances only when the test moves the clock, so a test can run a session tick by
// tick; at the end of the disc the drive stops and returns to the start, as drives do.
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "music/winmm_api.h"

namespace quillane {

class SimulatedCdDrive : public MciApi {
 public:
  enum class Mode { Stopped, Playing, Paused };
  // MCI's codes for the failures a drive gives.
  static constexpr std::uint32_t kUnrecognizedCommand = 261;
  static constexpr std::uint32_t kInvalidDeviceName = 263;
  static constexpr std::uint32_t kCannotLoadDriver = 266;
  static constexpr std::uint32_t kBadInteger = 270;
  static constexpr std::uint32_t kDeviceNotReady = 276;
  static constexpr std::uint32_t kOutOfRange = 282;

  explicit SimulatedCdDrive(int tracks = 10, int trackMs = 3000) : trackMs_(tracks, trackMs) {}

  // What the test can do to the drive from outside.
  bool driveExists = true;
  std::string currentTrackReplyOverride;  // a reply the drive gives instead of the track number
  bool modeQueryWritesNothing = false;
  void Eject() { trackMs_.clear(), mode_ = Mode::Stopped, positionMs_ = 0; }
  void StopFromAnotherProgram() { mode_ = Mode::Stopped; }
  void PauseFromAnotherProgram() { mode_ = Mode::Paused; }
  void SeekTo(int track) { positionMs_ = TrackStartMs(track); }
  void Advance(int ms) {
    if (mode_ != Mode::Playing) return;
    positionMs_ += ms;
    if (positionMs_ >= DiscMs()) mode_ = Mode::Stopped, positionMs_ = 0;
  }

  Mode mode() const { return mode_; }
  bool isOpen() const { return open_; }
  int CurrentTrack() const {
    int track = 1;
    while (track < static_cast<int>(trackMs_.size()) && positionMs_ >= TrackStartMs(track + 1)) ++track;
    return track;
  }
  int MsIntoTrack() const { return positionMs_ - TrackStartMs(CurrentTrack()); }

  struct Call {
    std::string command;
    unsigned returnLength;
  };
  std::vector<Call> calls;
  std::vector<std::string> TakeCommands() {
    std::vector<std::string> commands;
    for (const Call& call : calls) commands.push_back(call.command);
    calls.clear();
    return commands;
  }

  std::uint32_t mciSendStringA(const char* command, char* returnString, unsigned returnLength,
                               void* callbackWindow) override {
    calls.push_back({command, returnLength});
    if (callbackWindow) return kUnrecognizedCommand;  // the player never asks for notification
    const std::string c = command;
    if (c == "open cdaudio") {
      if (!driveExists) return kCannotLoadDriver;
      open_ = true;
      return 0;
    }
    if (!open_) return kInvalidDeviceName;
    auto reply = [&](const std::string& text) {
      if (returnString && returnLength) {
        std::snprintf(returnString, returnLength, "%s", text.c_str());
      }
      return 0u;
    };
    const bool disc = !trackMs_.empty();
    if (c == "set cdaudio time format tmsf") return tmsf_ = true, 0;
    if (c == "close cdaudio") return open_ = false, 0;
    if (c == "status cdaudio mode") {
      if (modeQueryWritesNothing) return 0;
      return reply(!disc ? "not ready" : mode_ == Mode::Playing ? "playing" : mode_ == Mode::Paused ? "paused" : "stopped");
    }
    if (!disc) return kDeviceNotReady;
    if (c == "status cdaudio current track") {
      return reply(currentTrackReplyOverride.empty() ? std::to_string(CurrentTrack()) : currentTrackReplyOverride);
    }
    if (c == "status cdaudio number of tracks") return reply(std::to_string(trackMs_.size()));
    const std::string positionQuery = "status cdaudio position track ";
    if (c.rfind(positionQuery, 0) == 0) {
      const int track = std::atoi(c.c_str() + positionQuery.size());
      if (track < 1 || track > static_cast<int>(trackMs_.size())) return kOutOfRange;
      char tmsf[16];
      std::snprintf(tmsf, sizeof tmsf, "%02d:00:00:00", track);
      return reply(tmsf);
    }
    if (c == "play cdaudio") return mode_ = Mode::Playing, 0;
    const std::string playFrom = "play cdaudio from ";
    if (c.rfind(playFrom, 0) == 0) {
      int track = 0, minutes = 0, seconds = 0, frames = 0;
      char rest = 0;
      if (!tmsf_ || std::sscanf(c.c_str() + playFrom.size(), "%d:%d:%d:%d%c", &track, &minutes, &seconds,
                                &frames, &rest) != 4) {
        return kBadInteger;
      }
      if (track < 1 || track > static_cast<int>(trackMs_.size())) return kOutOfRange;
      positionMs_ = TrackStartMs(track) + (minutes * 60 + seconds) * 1000 + frames * 1000 / 75;
      mode_ = Mode::Playing;
      return 0;
    }
    if (c == "stop cdaudio") return mode_ = Mode::Stopped, 0;
    return kUnrecognizedCommand;
  }

  bool mciGetErrorStringA(std::uint32_t, char* text, unsigned length) override {
    std::snprintf(text, length, "%s", "The device is not ready.");
    return true;
  }

 private:
  int TrackStartMs(int track) const {
    return std::accumulate(trackMs_.begin(), trackMs_.begin() + (track - 1), 0);
  }
  int DiscMs() const { return std::accumulate(trackMs_.begin(), trackMs_.end(), 0); }

  std::vector<int> trackMs_;
  bool open_ = false;
  bool tmsf_ = false;
  Mode mode_ = Mode::Stopped;
  int positionMs_ = 0;
};

}  // namespace quillane
