#include "music/file_music_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "mock_mci.h"

namespace quillane {
namespace {

using Commands = std::vector<std::string>;
using ::testing::_;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::StrEq;

// The "MPEGVideo" device: opens the files it knows, plays them in real time as the test moves the
// clock, and reports "stopped" at the end of the file.
class SimulatedMp3Device : public MciApi {
 public:
  static constexpr std::uint32_t kInvalidDeviceName = 263;
  static constexpr std::uint32_t kFileNotFound = 275;

  SimulatedMp3Device(std::set<std::string> files, int lengthMs) : files_(std::move(files)), lengthMs_(lengthMs) {}

  std::string forcedMode;  // what another program left the device in, when not empty
  std::vector<std::string> commands;
  std::vector<unsigned> modeReplyLengths;

  bool Playing() const { return open_ && playing_ && forcedMode.empty(); }
  int PositionMs() const { return positionMs_; }
  void Advance(int ms) {
    if (!Playing()) return;
    positionMs_ += ms;
    if (positionMs_ >= lengthMs_) positionMs_ = lengthMs_, playing_ = false;
  }

  std::uint32_t mciSendStringA(const char* command, char* returnString, unsigned returnLength, void*) override {
    commands.push_back(command);
    const std::string c = command;
    const std::string open = "open \"", openTail = "\" type MPEGVideo Alias MP3Play";
    if (c.rfind(open, 0) == 0 && c.size() > open.size() + openTail.size() &&
        c.compare(c.size() - openTail.size(), openTail.size(), openTail) == 0) {
      if (!files_.count(c.substr(open.size(), c.size() - open.size() - openTail.size()))) return kFileNotFound;
      open_ = true;
      return 0;
    }
    if (!open_) return kInvalidDeviceName;
    if (c == "status MP3Play mode") {
      modeReplyLengths.push_back(returnLength);
      std::snprintf(returnString, returnLength, "%s",
                    !forcedMode.empty() ? forcedMode.c_str() : playing_ ? "playing" : "stopped");
      return 0;
    }
    if (c == "play MP3Play") return playing_ = true, 0;
    if (c == "play MP3Play from 0") return forcedMode.clear(), positionMs_ = 0, playing_ = true, 0;
    if (c == "stop MP3Play") return playing_ = false, 0;
    if (c == "close MP3Play") return open_ = false, playing_ = false, 0;
    return kInvalidDeviceName;
  }
  bool mciGetErrorStringA(std::uint32_t, char*, unsigned) override { return false; }

 private:
  std::set<std::string> files_;
  int lengthMs_;
  bool open_ = false;
  bool playing_ = false;
  int positionMs_ = 0;
};

class NoSound : public SoundApi {
 public:
  unsigned waveOutGetNumDevs() override { return 0; }
  bool PlaySoundA(const char*, void*, std::uint32_t) override { return false; }
};

const std::string kSpacedPath = "C:\\My Music\\Night Drive.mp3";

struct Mp3Rig {
  explicit Mp3Rig(std::string file = kSpacedPath) : settings{kMusicFile, 0, std::move(file)} {}
  MusicSettings settings;
  SimulatedMp3Device device{{kSpacedPath}, 2500};
  NoSound sound;
  FileMusicPlayer player{settings, device, sound};
  Commands Take() { return std::exchange(device.commands, {}); }
};

TEST(Mp3Player, StartOpensTheQuotedPathAndPlaysIt) {
  Mp3Rig rig;
  rig.player.StartMp3();
  EXPECT_EQ(rig.Take(), (Commands{"open \"C:\\My Music\\Night Drive.mp3\" type MPEGVideo Alias MP3Play",
                                  "play MP3Play"}));
  EXPECT_TRUE(rig.device.Playing());
}

TEST(Mp3Player, RestartsFromTheStartWithinASecondOfItsEndUntilStopped) {
  Mp3Rig rig;
  rig.player.StartMp3();
  rig.Take();
  int silentMs = 0, longestSilenceMs = 0, restarts = 0;
  for (int ms = 0; ms < 12000; ms += 10) {  // a 2.5 s file, the check every 1000 ms
    rig.device.Advance(10);
    silentMs = rig.device.Playing() ? 0 : silentMs + 10;
    longestSilenceMs = std::max(longestSilenceMs, silentMs);
    if ((ms + 10) % 1000 != 0) continue;
    rig.player.RepeatMp3();
    const Commands sent = rig.Take();
    if (sent.size() > 1) {
      EXPECT_EQ(sent, (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
      EXPECT_EQ(rig.device.PositionMs(), 0);
      ++restarts;
    } else {
      EXPECT_EQ(sent, Commands{"status MP3Play mode"});
    }
  }
  EXPECT_EQ(restarts, 4);  // the file ends at 2.5, 5.5, 8.5 and 11.5 s
  EXPECT_LE(longestSilenceMs, 1000);
  EXPECT_THAT(rig.device.modeReplyLengths, ::testing::Each(30u));
  rig.player.StopMp3();
  EXPECT_EQ(rig.Take(), (Commands{"stop MP3Play", "close MP3Play"}));
  EXPECT_FALSE(rig.device.Playing());
}

TEST(Mp3Player, AnyModeButPlayingRestartsFromTheStart) {
  for (const char* mode : {"stopped", "paused", "not ready", "seeking", "open", "Playing", "play"}) {
    SCOPED_TRACE(mode);
    Mp3Rig rig;
    rig.player.StartMp3();
    rig.device.Advance(800);
    rig.device.forcedMode = mode;
    rig.Take();
    rig.player.RepeatMp3();
    EXPECT_EQ(rig.Take(), (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_TRUE(rig.device.Playing());
    EXPECT_EQ(rig.device.PositionMs(), 0);
  }
}

TEST(Mp3Player, AFailedOpenPlaysNothingAndEveryLaterCommandFailsHarmlessly) {
  Mp3Rig rig("C:\\My Music\\missing.mp3");
  rig.player.StartMp3();
  EXPECT_EQ(rig.Take(), Commands{"open \"C:\\My Music\\missing.mp3\" type MPEGVideo Alias MP3Play"});
  for (int tick = 0; tick < 3; ++tick) {
    rig.player.RepeatMp3();
    EXPECT_EQ(rig.Take(), (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
  }
  rig.player.StopMp3();
  EXPECT_EQ(rig.Take(), (Commands{"stop MP3Play", "close MP3Play"}));
  EXPECT_FALSE(rig.device.Playing());
}

TEST(Mp3Player, AModeQueryThatWritesNoReplyIsJudgedByTheLastReply) {
  MockMci mci;
  NoSound sound;
  MusicSettings settings{kMusicFile, 0, kSpacedPath};
  FileMusicPlayer player(settings, mci, sound);
  ::testing::InSequence order;
  EXPECT_CALL(mci, mciSendStringA(StrEq("status MP3Play mode"), _, 30u, nullptr)).WillOnce(Invoke(Reply("playing")));
  EXPECT_CALL(mci, mciSendStringA(StrEq("status MP3Play mode"), _, 30u, nullptr)).WillOnce(Return(263u));
  EXPECT_TRUE(player.IsMp3Playing());
  EXPECT_TRUE(player.IsMp3Playing());
}

class RecordingSound : public SoundApi {
 public:
  explicit RecordingSound(unsigned devices) : devices_(devices) {}
  struct Call {
    std::string sound;
    bool named;
    void* module;
    std::uint32_t flags;
  };
  std::vector<Call> calls;
  unsigned waveOutGetNumDevs() override { return devices_; }
  bool PlaySoundA(const char* sound, void* module, std::uint32_t flags) override {
    calls.push_back({sound ? sound : "", sound != nullptr, module, flags});
    return true;
  }

 private:
  unsigned devices_;
};

TEST(WavPlayer, LoopsTheFileAsynchronouslyWhenAWaveDeviceExists) {
  for (unsigned devices : {1u, 3u}) {
    RecordingSound sound(devices);
    MockMci mci;
    MusicSettings settings{kMusicFile, 0, "C:\\My Music\\Rain Loop.WAV"};
    FileMusicPlayer player(settings, mci, sound);
    player.StartWav();
    ASSERT_EQ(sound.calls.size(), 1u);
    EXPECT_EQ(sound.calls[0].sound, "C:\\My Music\\Rain Loop.WAV");
    EXPECT_EQ(sound.calls[0].module, nullptr);
    EXPECT_EQ(sound.calls[0].flags, 9u);  // SND_ASYNC | SND_LOOP, no SND_FILENAME, no SND_NODEFAULT
    player.StopWav();
    ASSERT_EQ(sound.calls.size(), 2u);
    EXPECT_FALSE(sound.calls[1].named);
    EXPECT_EQ(sound.calls[1].flags, 0u);
  }
}

TEST(WavPlayer, PlaysNothingWithoutAWaveDeviceAndStopsHarmlessly) {
  RecordingSound sound(0);
  MockMci mci;
  MusicSettings settings{kMusicFile, 0, "C:\\Rain.wav"};
  FileMusicPlayer player(settings, mci, sound);
  player.StartWav();
  EXPECT_TRUE(sound.calls.empty());
  player.StopWav();
  ASSERT_EQ(sound.calls.size(), 1u);
  EXPECT_FALSE(sound.calls[0].named);
}

}  // namespace
}  // namespace quillane
