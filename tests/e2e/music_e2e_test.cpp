// The music of real saver sessions, heard through Wine's sound file.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "audio_capture.h"
#include "harness.h"
#include "music_session.h"

namespace e2e {
namespace {

constexpr double kWavMs = 1000;  // loop_tone.wav
// tone_2500ms.mp3: not a whole number of seconds, so that its end falls between two of the
// player's once-a-second checks and the silence before the restart shows.
constexpr double kMp3Ms = 2500;

// A folder with a music file in a subfolder whose name has spaces, and the settings that choose it.
struct MusicFolder {
  SaverFolder saver{L"Saver Folder"};
  std::wstring music;
  explicit MusicFolder(const std::wstring& fixture, const std::wstring& name) {
    saver.AddFakeVisual();
    CreateDirectoryW(saver.File(L"My Music").c_str(), nullptr);
    music = Join(saver.File(L"My Music"), name);
    if (!fixture.empty()) CopyFileW(Join(FixtureDir(), fixture).c_str(), music.c_str(), FALSE);
    saver.WriteIni(MusicIni(2, 0, Narrow(music)));
  }
};

void Report(const char* what, const AudioCapture& capture, const SessionTimes& session) {
  // The tick count at the capture's zero, to set its times beside Wine's time-stamped traces.
  const double zeroTick = static_cast<double>(GetTickCount64()) - capture.NowMs();
  std::printf("[audio] %s: zero at tick %.0f, session %.0f..%.0f ms, sound %s\n", what, zeroTick, session.startMs,
              session.endMs, Describe(capture.Spans()).c_str());
}

class Music : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    if (!AudioCapture::Available()) GTEST_SKIP() << "no sound file from the runner";
    if (waveOutGetNumDevs() == 0) GTEST_SKIP() << "Wine has no wave device in this pass";
  }
};

TEST_F(Music, AWavInAFolderWithSpacesLoopsForTheWholeSessionAndStopsWhenItEnds) {
  MusicFolder folder(L"loop_tone.wav", L"Rain Loop.wav");
  AudioCapture capture(SampleFormat::S16);
  const SessionTimes session = RunSession(folder.saver, 3500, &capture);
  Report("wav", capture, session);
  const double heardMs = capture.SoundMsBetween(session.startMs, session.endMs);
  EXPECT_GE(heardMs, 2.5 * kWavMs) << "a " << kWavMs << " ms file heard for less than the session: no loop";
  EXPECT_GE(heardMs, 0.85 * (session.endMs - session.startMs)) << Describe(capture.Spans());
  EXPECT_GE(capture.LastSoundMs(), session.endMs - 300) << "the loop stopped before the session ended";
  EXPECT_LE(capture.LastSoundMs(), session.endMs + 250) << "sound after the session ended";
  std::printf("[bench] wav: last sound %.0f ms after the session's end\n", capture.LastSoundMs() - session.endMs);
}

TEST_F(Music, AnMp3RestartsWithinASecondOfItsEndAndStopsWhenTheSessionEnds) {
  MusicFolder folder(L"tone_2500ms.mp3", L"Night Drive.mp3");
  AudioCapture capture(SampleFormat::F32);
  const SessionTimes session = RunSession(folder.saver, 8000, &capture);
  Report("mp3", capture, session);
  // The mixer delivers the MP3 in bursts about 150 ms apart: bursts closer than 300 ms are one play.
  const std::vector<SoundSpan> spans = capture.Spans(300);
  ASSERT_GE(spans.size(), 3u) << "played, ended and restarted twice: " << Describe(spans);
  for (std::size_t i = 0; i + 1 < spans.size(); ++i) {
    if (spans[i].endMs > session.endMs) break;
    const double silenceMs = spans[i + 1].startMs - spans[i].endMs;
    std::printf("[bench] mp3: %.0f ms of sound, then %.0f ms of silence before the restart\n", spans[i].Length(),
                silenceMs);
    EXPECT_GE(spans[i].Length(), 0.8 * kMp3Ms) << "a play shorter than the file: " << Describe(spans);
    EXPECT_LE(silenceMs, 1300) << "the restart came late: " << Describe(spans);
  }
  EXPECT_LE(spans.back().endMs, session.endMs + 250) << "sound after the session ended";
  std::printf("[bench] mp3: last sound %.0f ms after the session's end\n", capture.LastSoundMs() - session.endMs);
}

TEST_F(Music, AMissingOrBrokenMp3LeavesTheSessionSilent) {
  struct Case {
    const wchar_t* fixture;
    const char* bytes;
  };
  for (const Case& c : {Case{L"", nullptr}, Case{L"", "ID3 this is not an MP3 at all \x01\x02\x03"}}) {
    SCOPED_TRACE(c.bytes ? "broken" : "missing");
    MusicFolder folder(c.fixture, L"Broken Song.mp3");
    if (c.bytes) WriteBytes(folder.music, std::string(c.bytes) + std::string(20000, '\x55'));
    AudioCapture capture(SampleFormat::F32);
    const SessionTimes session = RunSession(folder.saver, 2500, &capture);
    Report("broken mp3", capture, session);
    EXPECT_EQ(capture.LastSoundMs(), -1) << Describe(capture.Spans());
  }
}

// Runs in the runner's pass where Wine has no wave device (QUILLANE_TEST_NO_WAVE_DEVICE).
class MusicWithoutWaveDevice : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    if (!GetEnvironmentVariableW(L"QUILLANE_TEST_NO_WAVE_DEVICE", nullptr, 0)) {
      GTEST_SKIP() << "runs in the pass without a wave device";
    }
    ASSERT_EQ(waveOutGetNumDevs(), 0u) << "this pass must have no wave device";
  }
};

TEST_F(MusicWithoutWaveDevice, WavAndMp3SessionsRunAndEndQuietly) {
  for (const auto& [fixture, name] : {std::pair{L"loop_tone.wav", L"Rain Loop.wav"},
                                      std::pair{L"tone_2500ms.mp3", L"Night Drive.mp3"}}) {
    SCOPED_TRACE(Narrow(name));
    MusicFolder folder(fixture, name);
    RunSession(folder.saver, 2500);
  }
}

}  // namespace
}  // namespace e2e
