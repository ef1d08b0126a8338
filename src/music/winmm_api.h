#pragma once
// The multimedia calls the music module makes, shaped like the Windows functions behind them so
// that the players read like the calls they make and a test can see every one of them.
#include <cstdint>

namespace quillane {

class MciApi {
 public:
  virtual ~MciApi() = default;
  // Sends one command string; the reply (if any) goes into returnString, at most returnLength
  // characters with its NUL. Returns 0 or the MCI error code.
  virtual std::uint32_t mciSendStringA(const char* command, char* returnString, unsigned returnLength,
                                       void* callbackWindow) = 0;
  // Copies the text of an MCI error code into text; false when there is none.
  virtual bool mciGetErrorStringA(std::uint32_t error, char* text, unsigned length) = 0;
};

class SoundApi {
 public:
  virtual ~SoundApi() = default;
  virtual unsigned waveOutGetNumDevs() = 0;
  virtual bool PlaySoundA(const char* sound, void* module, std::uint32_t flags) = 0;
};

// PlaySoundA flags.
inline constexpr std::uint32_t kSndAsync = 0x0001;
inline constexpr std::uint32_t kSndLoop = 0x0008;

}  // namespace quillane
