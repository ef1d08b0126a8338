#include "startup/profile_win32.h"

#include "common/win32_util.h"

namespace quillane::win32 {

unsigned long SystemProfile::GetPrivateProfileStringA(const char* section, const char* key,
                                                     const char* defaultValue, char* buffer,
                                                     unsigned long size, const char* file) {
  return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, size, file);
}

bool SystemProfile::WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                              const char* file) {
  return ::WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

bool SystemFileProbe::CanOpenForReading(const std::string& path) {
  const DWORD savedError = GetLastError();
  // Shared for writing and deleting too: a music file another program holds open still counts.
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  const bool opened = file.get() != INVALID_HANDLE_VALUE;
  SetLastError(savedError);
  return opened;
}

}  // namespace quillane::win32
