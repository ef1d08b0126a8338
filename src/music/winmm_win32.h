#pragma once
#include "music/winmm_api.h"

namespace quillane::win32 {

class SystemMci final : public MciApi {
 public:
  std::uint32_t mciSendStringA(const char* command, char* returnString, unsigned returnLength,
                               void* callbackWindow) override;
  bool mciGetErrorStringA(std::uint32_t error, char* text, unsigned length) override;
};

class SystemSound final : public SoundApi {
 public:
  unsigned waveOutGetNumDevs() override;
  bool PlaySoundA(const char* sound, void* module, std::uint32_t flags) override;
};

}  // namespace quillane::win32
