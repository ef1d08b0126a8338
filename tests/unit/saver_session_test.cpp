#include "saver/saver_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillane {
namespace {

using Calls = std::vector<std::string>;

class RecordingMusic : public MusicPlayers {
 public:
  explicit RecordingMusic(Calls& log) : log_(log) {}
  bool active = true;
  void StartCdAudio() override { log_.push_back("StartCdAudio"); }
  void MonitorCdAudio() override { log_.push_back("MonitorCdAudio"); }
  bool CdAudioActive() const override { return active; }
  void StopCdAudio() override { log_.push_back("StopCdAudio"); }
  void StartMp3() override { log_.push_back("StartMp3"); }
  void RepeatMp3() override { log_.push_back("RepeatMp3"); }
  void StopMp3() override { log_.push_back("StopMp3"); }
  void StartWav() override { log_.push_back("StartWav"); }
  void StopWav() override { log_.push_back("StopWav"); }

 private:
  Calls& log_;
};

class RecordingWindow : public SaverWindowPort {
 public:
  explicit RecordingWindow(Calls& log) : log_(log) {}
  bool visualWindow = true;
  void StartVisualProgram(const std::string& path) override { log_.push_back("start " + path); }
  void SetTimerEnabled(SaverTimer timer, bool enabled) override {
    log_.push_back(std::string(enabled ? "on " : "off ") + "Timer" +
                   std::to_string(static_cast<int>(timer)));
  }
  bool TopLevelWindowExists(const char* caption) override {
    return std::string(caption) == kVisualWindowCaption && visualWindow;
  }
  void ShowCursor() override { log_.push_back("ShowCursor"); }
  void EndProgram() override { log_.push_back("end"); }

 private:
  Calls& log_;
};

struct Session {
  Calls log;
  MusicSettings settings;
  RecordingMusic music{log};
  RecordingWindow window{log};
  SaverSession session;
  Session(std::int16_t category, std::string file, bool saverMode = true)
      : settings{category, 0, std::move(file)},
        session(settings, music, window, "C:\\S\\Quillane.dll", saverMode) {}
  Calls Take() { return std::exchange(log, {}); }
};

TEST(FileKindOf, UpperCasesTheLastThreeCharacters) {
  EXPECT_EQ(FileKindOf("C:\\a.wav"), FileKind::Wav);
  EXPECT_EQ(FileKindOf("C:\\a.Mp3"), FileKind::Mp3);
  EXPECT_EQ(FileKindOf("C:\\a.wave"), FileKind::Other);
  EXPECT_EQ(FileKindOf("C:\\a.mid"), FileKind::Other);
  EXPECT_EQ(FileKindOf("wav"), FileKind::Wav);
  EXPECT_EQ(FileKindOf("v"), FileKind::Other);
}

TEST(SaverSession, LoadAndCloseStepsPerCategoryAndFileKind) {
  const struct {
    std::int16_t category;
    const char* file;
    Calls load;   // after "on Timer3", "start ..."
    Calls close;  // before "ShowCursor", "end"
  } cases[] = {
      {0, "", {}, {}},
      {1, "", {"StartCdAudio", "on Timer2"}, {"off Timer2", "StopCdAudio"}},
      {2, "C:\\m\\a.WAV", {"StartWav"}, {"StopWav"}},
      {2, "C:\\m\\a.Mp3", {"StartMp3", "on Timer1"}, {"StopMp3"}},
      {2, "C:\\m\\a.wave", {}, {}},
      {2, "C:\\m\\a.mid", {}, {}},
      {5, "C:\\m\\a.mp3", {}, {}},
      {-1, "C:\\m\\a.wav", {}, {}},
  };
  for (const auto& c : cases) {
    Session s(c.category, c.file);
    s.session.Load();
    Calls load = {"on Timer3", "start C:\\S\\Quillane.dll"};
    load.insert(load.end(), c.load.begin(), c.load.end());
    EXPECT_EQ(s.Take(), load) << c.category << ' ' << c.file;
    s.session.Close();
    Calls close = c.close;
    close.insert(close.end(), {"ShowCursor", "end"});
    EXPECT_EQ(s.Take(), close) << c.category << ' ' << c.file;
  }
}

TEST(SaverSession, CdMonitorTimerStopsForGoodOnceInactiveAndThenNoStopIsSent) {
  Session s(1, "");
  s.session.Load();
  s.session.Tick(SaverTimer::Timer2);
  s.Take();
  s.music.active = false;
  s.session.Tick(SaverTimer::Timer2);
  EXPECT_EQ(s.Take(), (Calls{"MonitorCdAudio", "off Timer2"}));
  s.session.Tick(SaverTimer::Timer2);  // a tick queued before the timer stopped
  EXPECT_EQ(s.Take(), Calls{});
  s.session.Close();
  EXPECT_EQ(s.Take(), (Calls{"ShowCursor", "end"}));
}

TEST(SaverSession, TimerTicksRunTheirWork) {
  Session s(2, "a.mp3");
  s.session.Load();
  s.Take();
  s.session.Tick(SaverTimer::Timer1);
  EXPECT_EQ(s.Take(), Calls{"RepeatMp3"});
  s.session.Tick(SaverTimer::Timer3);
  EXPECT_EQ(s.Take(), Calls{});  // the visual window is there: nothing happens
  s.window.visualWindow = false;
  s.session.Tick(SaverTimer::Timer3);
  EXPECT_EQ(s.Take(), (Calls{"off Timer3", "StopMp3", "ShowCursor", "end"}));
}

TEST(SaverSession, WithoutArgumentsTheCursorIsNeverShown) {
  Session s(0, "", /*saverMode=*/false);
  s.session.Load();
  s.Take();
  s.session.Close();
  EXPECT_EQ(s.Take(), Calls{"end"});
}

TEST(SaverSession, CloseRunsOnce) {
  Session s(2, "a.wav");
  s.session.Load();
  s.session.Close();
  s.Take();
  s.session.Close();
  s.session.Tick(SaverTimer::Timer3);
  EXPECT_EQ(s.Take(), Calls{});
}

}  // namespace
}  // namespace quillane
