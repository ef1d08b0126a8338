#include "audio_capture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {
namespace {

// The Linux path of the capture file, as Wine's drive Z: shows it.
std::wstring CapturePath() {
  wchar_t value[MAX_PATH] = L"";
  if (!GetEnvironmentVariableW(L"QUILLANE_TEST_AUDIO_RAW", value, MAX_PATH)) return {};
  std::wstring path = L"Z:" + std::wstring(value);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

bool Loud(SampleFormat format, const char* data, std::size_t size) {
  for (std::size_t at = 0; at + 4 <= size; at += 4) {
    if (format == SampleFormat::F32) {
      float sample;
      std::memcpy(&sample, data + at, 4);
      if (std::fabs(sample) >= 0.05f && std::fabs(sample) <= 1.5f) return true;
    } else {
      std::int16_t samples[2];
      std::memcpy(samples, data + at, 4);
      if (std::abs(samples[0]) >= 1638 || std::abs(samples[1]) >= 1638) return true;
    }
  }
  return false;
}

}  // namespace

bool AudioCapture::Available() { return !CapturePath().empty(); }

AudioCapture::AudioCapture(SampleFormat format) : path_(CapturePath()), format_(format) {
  QueryPerformanceFrequency(&frequency_);
  QueryPerformanceCounter(&start_);
  thread_ = std::thread([this] { Listen(); });
}

AudioCapture::~AudioCapture() { Stop(); }

void AudioCapture::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

double AudioCapture::NowMs() const {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
}

void AudioCapture::Listen() {
  // Only what is written from now on counts; each new sound stream truncates the file.
  LONGLONG offset = -1;
  std::vector<char> buffer(1 << 20);
  double polledMs = NowMs();
  while (!stop_) {
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size{};
    if (file != INVALID_HANDLE_VALUE && GetFileSizeEx(file, &size)) {
      if (offset < 0 || size.QuadPart < offset) offset = offset < 0 ? (size.QuadPart & ~3LL) : 0;
      while (offset < size.QuadPart) {
        LARGE_INTEGER at;
        at.QuadPart = offset;
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        // Whole 4-byte words only, so that every read starts on a sample.
        const DWORD want = static_cast<DWORD>(std::min<LONGLONG>(buffer.size(), size.QuadPart - offset) & ~3LL);
        DWORD got = 0;
        if (want == 0 || !ReadFile(file, buffer.data(), want, &got, nullptr) || got == 0) break;
        const bool sound = Loud(format_, buffer.data(), got);
        const double ms = NowMs();
        std::lock_guard<std::mutex> lock(mutex_);
        pieces_.push_back({polledMs, ms, sound});
        polledMs = ms;
        bytesRead_ += got;
        offset += got;
      }
    } else if (offset < 0) {
      offset = 0;  // no file yet: everything it will hold is new
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    polledMs = NowMs();
    Sleep(2);
  }
}

std::vector<SoundSpan> AudioCapture::Spans(double joinMs) const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<SoundSpan> spans;
  for (const Piece& piece : pieces_) {
    if (!piece.sound) continue;
    if (!spans.empty() && piece.fromMs - spans.back().endMs <= joinMs) {
      spans.back().endMs = piece.toMs;
    } else {
      spans.push_back({piece.fromMs, piece.toMs});
    }
  }
  return spans;
}

double AudioCapture::SoundMsBetween(double fromMs, double toMs) const {
  double total = 0;
  for (const SoundSpan& span : Spans()) {
    total += std::max(0.0, std::min(span.endMs, toMs) - std::max(span.startMs, fromMs));
  }
  return total;
}

double AudioCapture::LastSoundMs() const {
  const std::vector<SoundSpan> spans = Spans();
  return spans.empty() ? -1 : spans.back().endMs;
}

std::size_t AudioCapture::BytesRead() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return bytesRead_;
}

std::string Describe(const std::vector<SoundSpan>& spans) {
  std::string text;
  char part[64];
  for (const SoundSpan& span : spans) {
    std::snprintf(part, sizeof part, "[%.0f..%.0f ms] ", span.startMs, span.endMs);
    text += part;
  }
  return text.empty() ? "silence" : text;
}

}  // namespace e2e
