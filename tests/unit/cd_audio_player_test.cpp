#include "music/cd_audio_player.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "simulated_cd_drive.h"

namespace quillane {
namespace {

using Commands = std::vector<std::string>;
using Mode = SimulatedCdDrive::Mode;

constexpr int kTickMs = 200;
const Commands kQueries = {"status cdaudio current track", "status cdaudio number of tracks",
                           "status cdaudio mode"};

Commands Queries(std::initializer_list<std::string> more) {
  Commands commands = kQueries;
  commands.insert(commands.end(), more);
  return commands;
}

// What a tick sends to start the disc at a track: the queries, the track's start, and the play.
Commands PlayFromTrack(int track) {
  char start[16];
  std::snprintf(start, sizeof start, "%02d:00:00:00", track);
  return Queries({"status cdaudio position track " + std::to_string(track), std::string("play cdaudio from ") + start});
}

// The player on a simulated drive, driven like the saver window's 200 ms timer.
struct CdRig {
  explicit CdRig(std::int16_t repeat, int tracks = 10, int trackMs = 3000) : drive(tracks, trackMs) {
    settings.BgmRepeat = repeat;
  }
  MusicSettings settings{kMusicCd, 0, ""};
  SimulatedCdDrive drive;
  MciCommandLayer layer{drive};
  CdAudioPlayer player{settings, drive, layer};

  // Opens the device; the monitor's first tick comes one interval later.
  void Start() {
    player.StartCdAudio();
    drive.calls.clear();
  }
  // One timer interval passes, then the tick runs; false once monitoring has ended.
  bool Tick() {
    drive.Advance(kTickMs);
    player.MonitorCdAudio();
    return player.CdAudioActive();
  }
};

TEST(CdAudioPlayer, StartOpensTheDeviceInTmsfWithoutPlaying) {
  CdRig rig(0);
  rig.player.StartCdAudio();
  EXPECT_EQ(rig.drive.TakeCommands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));
  EXPECT_EQ(rig.drive.mode(), Mode::Stopped);
}

TEST(CdAudioPlayer, WithoutATrackToHoldTheDiscPlaysAndIsStartedAgainWheneverItStops) {
  CdRig rig(0, 3);
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(), Queries({"play cdaudio"}));
  EXPECT_EQ(rig.drive.calls.size(), 0u);
  // Playing: each tick only looks.
  for (int tick = 0; tick < 10; ++tick) ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands().size(), 30u);
  // Another program stops it: the next tick plays on from there, and so does every tick while stopped.
  rig.drive.SeekTo(2);
  rig.drive.StopFromAnotherProgram();
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(), Queries({"play cdaudio"}));
  EXPECT_EQ(rig.drive.CurrentTrack(), 2);
  // Paused by another program: left alone.
  rig.drive.PauseFromAnotherProgram();
  for (int tick = 0; tick < 3; ++tick) ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands().size(), 9u);
  EXPECT_EQ(rig.drive.mode(), Mode::Paused);
}

TEST(CdAudioPlayer, WithoutATrackToHoldTheDiscStartsAgainAtItsEnd) {
  CdRig rig(0, 2);
  rig.Start();
  int stoppedTicks = 0, playTicks = 0;
  for (int tick = 0; tick < 70; ++tick) {  // 14 s: the 6 s disc ends twice
    rig.drive.Advance(kTickMs);
    stoppedTicks += rig.drive.mode() == Mode::Stopped;
    rig.player.MonitorCdAudio();
    ASSERT_TRUE(rig.player.CdAudioActive());
    const Commands sent = rig.drive.TakeCommands();
    playTicks += sent == Queries({"play cdaudio"});
    EXPECT_EQ(rig.drive.mode(), Mode::Playing) << "tick " << tick;
  }
  EXPECT_EQ(stoppedTicks, 3);  // the first tick, then each end of the disc
  EXPECT_EQ(playTicks, 3);
}

TEST(CdAudioPlayer, HoldsTrack3OfTenWithinOneTickOfTrack4Starting) {
  CdRig rig(3, 10, 3070);  // track 4 begins 70 ms after a tick
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(),
            PlayFromTrack(3));
  EXPECT_EQ(rig.drive.CurrentTrack(), 3);
  int returns = 0;
  int longestOnTrack4Ms = 0;
  for (int tick = 0; tick < 100; ++tick) {  // 20 s: track 3 is 3.07 s long
    rig.drive.Advance(kTickMs);
    if (rig.drive.CurrentTrack() == 4) longestOnTrack4Ms = std::max(longestOnTrack4Ms, rig.drive.MsIntoTrack());
    rig.player.MonitorCdAudio();
    ASSERT_TRUE(rig.player.CdAudioActive());
    ASSERT_EQ(rig.drive.CurrentTrack(), 3) << "tick " << tick;
    const Commands sent = rig.drive.TakeCommands();
    if (sent.size() > 3) {
      EXPECT_EQ(sent, PlayFromTrack(3));
      ++returns;
    }
  }
  EXPECT_EQ(returns, 6);  // once at each end of the track, and never while it plays
  EXPECT_LT(longestOnTrack4Ms, kTickMs);
}

TEST(CdAudioPlayer, TheLastTrackStartsAgainWhenTheDiscEnds) {
  CdRig rig(10);
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(),
            PlayFromTrack(10));
  for (int tick = 0; tick < 20; ++tick) {
    ASSERT_TRUE(rig.Tick());
    ASSERT_EQ(rig.drive.CurrentTrack(), 10);
    ASSERT_EQ(rig.drive.mode(), Mode::Playing);
  }
}

TEST(CdAudioPlayer, AHeldTrackIsLeftAloneWhilePausedAndRestartedWhenPausedElsewhere) {
  CdRig rig(3);
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  rig.drive.calls.clear();
  rig.drive.PauseFromAnotherProgram();
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(), kQueries);
  EXPECT_EQ(rig.drive.mode(), Mode::Paused);
  rig.drive.SeekTo(7);
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(),
            PlayFromTrack(3));
  EXPECT_EQ(rig.drive.CurrentTrack(), 3);
  EXPECT_EQ(rig.drive.mode(), Mode::Playing);
}

TEST(CdAudioPlayer, ATrackBeyondTheDiscSendsAFailingPlayEveryTickAndKeepsMonitoring) {
  CdRig rig(15, 12);
  rig.Start();
  for (int tick = 0; tick < 5; ++tick) {
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(rig.drive.TakeCommands(),
              Queries({"status cdaudio position track 15", "play cdaudio from Error:282"}));
    EXPECT_EQ(rig.drive.mode(), Mode::Stopped);
  }
  rig.settings.BgmRepeat = -2;
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(),
            Queries({"status cdaudio position track -2", "play cdaudio from Error:282"}));
}

TEST(CdAudioPlayer, MonitoringEndsAtTheFirstFailingQuery) {
  struct Case {
    const char* name;
    std::int16_t repeat;
    void (*breakDrive)(SimulatedCdDrive&);
    Commands lastTick;
  };
  const Case cases[] = {
      {"no drive", 0, [](SimulatedCdDrive& d) { d.driveExists = false; }, {"status cdaudio current track"}},
      {"no disc", 3, [](SimulatedCdDrive& d) { d.Eject(); }, {"status cdaudio current track"}},
      {"reply contains err", 0, [](SimulatedCdDrive& d) { d.currentTrackReplyOverride = "terr"; },
       {"status cdaudio current track"}},
      {"unreadable track, stopped", 3, [](SimulatedCdDrive& d) { d.currentTrackReplyOverride = "three"; },
       kQueries},
      {"empty track reply", 3, [](SimulatedCdDrive& d) { d.currentTrackReplyOverride = " "; }, kQueries},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CdRig rig(c.repeat);
    c.breakDrive(rig.drive);
    rig.Start();
    EXPECT_FALSE(rig.Tick());
    EXPECT_EQ(rig.drive.TakeCommands(), c.lastTick);
    EXPECT_EQ(rig.drive.mode(), Mode::Stopped);
  }
}

TEST(CdAudioPlayer, AnUnreadableTrackDoesNotMatterWithoutATrackToHold) {
  CdRig rig(0);
  rig.drive.currentTrackReplyOverride = "three";
  rig.Start();
  EXPECT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.mode(), Mode::Playing);
}

TEST(CdAudioPlayer, ADiscEjectedDuringPlaybackEndsMonitoringAtTheNextTick) {
  CdRig rig(0);
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  ASSERT_TRUE(rig.Tick());
  rig.drive.Eject();
  EXPECT_FALSE(rig.Tick());
}

TEST(CdAudioPlayer, EveryTickStartsActiveAgain) {
  CdRig rig(0);
  rig.drive.currentTrackReplyOverride = "Error";
  rig.Start();
  EXPECT_FALSE(rig.Tick());
  rig.drive.currentTrackReplyOverride.clear();
  EXPECT_TRUE(rig.Tick());
}

TEST(CdAudioPlayer, TheModeQueryUses255AndAReplyLeftUnwrittenIsReadAgain) {
  CdRig rig(0);
  rig.Start();
  ASSERT_TRUE(rig.Tick());  // "stopped": plays
  EXPECT_EQ(rig.drive.calls[2].returnLength, 255u);
  rig.drive.calls.clear();
  rig.drive.modeQueryWritesNothing = true;  // the buffer still says "stopped" from the first tick
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.drive.TakeCommands(), Queries({"play cdaudio"}));
}

TEST(CdAudioPlayer, StopStopsAndClosesTheDevice) {
  CdRig rig(0);
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  rig.drive.calls.clear();
  rig.player.StopCdAudio();
  EXPECT_EQ(rig.drive.TakeCommands(), (Commands{"stop cdaudio", "close cdaudio"}));
  EXPECT_EQ(rig.drive.mode(), Mode::Stopped);
  EXPECT_FALSE(rig.drive.isOpen());
}

}  // namespace
}  // namespace quillane
