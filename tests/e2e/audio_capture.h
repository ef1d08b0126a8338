#pragma once
// Listens to what Wine plays: the runner points Wine's sound at a file ($QUILLANE_TEST_AUDIO_RAW),
// which a thread here reads as it grows. Wine writes there as fast as the sink takes it, filling
// gaps with silence, so the content alone has no clock: each piece read is stamped with the time it
// appeared, and "sound" is a piece with a sample above a twentieth of full scale (decoders leave
// faint noise where the music has ended). The sample format is the one Wine chose for the stream:
// 16-bit for a WAV played through the wave API, 32-bit float for the MP3 player's mixer.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

struct SoundSpan {
  double startMs;
  double endMs;
  double Length() const { return endMs - startMs; }
};

enum class SampleFormat { S16, F32 };

class AudioCapture {
 public:
  explicit AudioCapture(SampleFormat format);  // starts listening at once
  ~AudioCapture();
  AudioCapture(const AudioCapture&) = delete;
  AudioCapture& operator=(const AudioCapture&) = delete;

  static bool Available();  // the runner gave Wine a sound file
  double NowMs() const;     // on the clock of the stamps
  void Stop();

  // Stretches of sound since the capture started; pieces less than joinMs apart make one stretch.
  std::vector<SoundSpan> Spans(double joinMs = 60) const;
  double SoundMsBetween(double fromMs, double toMs) const;
  double LastSoundMs() const;  // -1 when nothing was heard
  std::size_t BytesRead() const;

 private:
  struct Piece {  // bytes that appeared between two looks at the file
    double fromMs;
    double toMs;
    bool sound;
  };
  void Listen();

  std::wstring path_;
  SampleFormat format_;
  LARGE_INTEGER start_{}, frequency_{};
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Piece> pieces_;
  std::size_t bytesRead_ = 0;
  std::thread thread_;
};

// Prints spans compactly for a failing assertion or the benchmark.
std::string Describe(const std::vector<SoundSpan>& spans);

}  // namespace e2e
