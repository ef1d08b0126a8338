#include "music/winmm_win32.h"

#include <windows.h>
#include <mmsystem.h>

namespace quillane::win32 {

std::uint32_t SystemMci::mciSendStringA(const char* command, char* returnString, unsigned returnLength,
                                        void* callbackWindow) {
  return ::mciSendStringA(command, returnString, returnLength, static_cast<HWND>(callbackWindow));
}

bool SystemMci::mciGetErrorStringA(std::uint32_t error, char* text, unsigned length) {
  return ::mciGetErrorStringA(error, text, length) != FALSE;
}

unsigned SystemSound::waveOutGetNumDevs() { return ::waveOutGetNumDevs(); }

bool SystemSound::PlaySoundA(const char* sound, void* module, std::uint32_t flags) {
  return ::PlaySoundA(sound, static_cast<HMODULE>(module), flags) != FALSE;
}

}  // namespace quillane::win32
