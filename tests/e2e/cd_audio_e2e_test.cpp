// Music-CD sessions of the real Quillane.scr against the stand-in CD audio driver that the runner
// installs in the test prefix (fixtures/cd_audio_driver.cpp), read back from the driver's log.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"
#include "music_session.h"

namespace e2e {
namespace {

struct LogLine {
  unsigned long long tick;
  std::string command;
};

std::vector<LogLine> ReadLog(const std::wstring& path) {
  std::vector<LogLine> lines;
  std::istringstream in(ReadBytes(path));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) continue;
    lines.push_back({std::stoull(line.substr(0, space)), line.substr(space + 1)});
  }
  return lines;
}

std::string Joined(const std::vector<LogLine>& lines) {
  std::string text;
  for (const LogLine& line : lines) text += "  " + line.command + "\n";
  return text;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// The value after "for " in "... (was on track 4 for 123 ms, ...)" or after "stopped for ".
int MsAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + marker.size());
}

class CdAudio : public DesktopTest {
 protected:
  // A session with the music-CD setting on a disc of the given tracks; returns the driver's log.
  std::vector<LogLine> Session(int repeat, int tracks, int trackMs, DWORD lengthMs, const char* fail = nullptr) {
    SaverFolder folder;
    folder.AddFakeVisual();
    folder.WriteIni(MusicIni(1, repeat, ""));
    const std::wstring log = folder.File(L"cd.log");
    SetEnvironmentVariableW(L"QUILLANE_CD_LOG", log.c_str());
    SetEnvironmentVariableA("QUILLANE_CD_TRACKS", std::to_string(tracks).c_str());
    SetEnvironmentVariableA("QUILLANE_CD_TRACK_MS", std::to_string(trackMs).c_str());
    SetEnvironmentVariableA("QUILLANE_CD_FAIL", fail);
    RunSession(folder, lengthMs);
    for (const char* name : {"QUILLANE_CD_LOG", "QUILLANE_CD_TRACKS", "QUILLANE_CD_TRACK_MS", "QUILLANE_CD_FAIL"}) {
      SetEnvironmentVariableA(name, nullptr);
    }
    return ReadLog(log);
  }
  void CheckHold(int trackMs);
};

// The length of track 3 sets how late the change to track 4 falls after a monitor tick, since each
// return starts the track again: 1530 ms gives 70 ms. The benchmark sweeps other lengths through
// QUILLANE_BENCH_TRACK_MS (a comma-separated list).
std::vector<int> HoldTrackLengths() {
  char value[256] = "";
  std::vector<int> lengths;
  if (GetEnvironmentVariableA("QUILLANE_BENCH_TRACK_MS", value, sizeof value)) {
    std::istringstream in(value);
    std::string item;
    while (std::getline(in, item, ',')) lengths.push_back(std::atoi(item.c_str()));
  }
  if (lengths.empty()) lengths.push_back(1530);
  return lengths;
}

TEST_F(CdAudio, HoldsTrack3WithinATickOfTrack4Starting) {
  for (int trackMs : HoldTrackLengths()) {
    SCOPED_TRACE(trackMs);
    CheckHold(trackMs);
  }
}

void CdAudio::CheckHold(int trackMs) {
  const std::vector<LogLine> log = Session(3, 10, trackMs, 4 * trackMs + 300);
  ASSERT_GE(log.size(), 4u) << Joined(log);
  EXPECT_EQ(log[0].command, "open");
  EXPECT_EQ(log[1].command, "set time format tmsf");
  int returns = 0;
  bool started = false;
  for (const LogLine& line : log) {
    EXPECT_FALSE(StartsWith(line.command, "play (")) << "a play that is not from track 3";
    if (!StartsWith(line.command, "play from")) continue;
    EXPECT_TRUE(StartsWith(line.command, "play from 03:00:00:00")) << line.command;
    if (!started) {  // the first tick starts the stopped disc
      started = true;
      continue;
    }
    ++returns;
    EXPECT_NE(line.command.find("was on track 4 for"), std::string::npos) << line.command;
    const int lateMs = MsAfter(line.command, "was on track 4 for ");
    std::printf("[bench] cd: back on track 3 %d ms after track 4 began (tracks of %d ms)\n", lateMs, trackMs);
    EXPECT_LE(lateMs, 400) << "the 200 ms monitor came late";
  }
  EXPECT_GE(returns, 2) << Joined(log);  // four tracks' time
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2].command, "stop");
  EXPECT_EQ(log.back().command, "close");
}

TEST_F(CdAudio, WithoutATrackToHoldTheDiscIsPlayedAgainWhenItStops) {
  const std::vector<LogLine> log = Session(0, 3, 810, 5000);  // a 2.43 s disc
  int plays = 0;
  for (const LogLine& line : log) {
    EXPECT_FALSE(StartsWith(line.command, "play from")) << line.command;
    if (!StartsWith(line.command, "play (")) continue;
    ++plays;
    if (plays == 1) continue;
    const int stoppedMs = MsAfter(line.command, "stopped for ");
    std::printf("[bench] cd: played again %d ms after the disc stopped\n", stoppedMs);
    EXPECT_GE(stoppedMs, 0) << "played again while still playing: " << line.command;
    EXPECT_LE(stoppedMs, 400) << line.command;
  }
  EXPECT_EQ(plays, 3) << Joined(log);  // the first tick, and each end of the disc
  EXPECT_EQ(log.back().command, "close");
}

TEST_F(CdAudio, AFailingCurrentTrackQueryEndsMonitoringWithoutStopOrClose) {
  const std::vector<LogLine> log = Session(3, 10, 1500, 1500, "current-track");
  std::vector<std::string> commands;
  for (const LogLine& line : log) commands.push_back(line.command);
  EXPECT_EQ(commands, (std::vector<std::string>{"open", "set time format tmsf", "status current track -> error"}))
      << Joined(log);
}

}  // namespace
}  // namespace e2e
