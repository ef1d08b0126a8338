#pragma once
#include "startup/profile_api.h"

namespace quillane::win32 {

class SystemProfile final : public ProfileApi {
 public:
  unsigned long GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                        char* buffer, unsigned long size, const char* file) override;
  bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                 const char* file) override;
};

class SystemFileProbe final : public FileProbe {
 public:
  bool CanOpenForReading(const std::string& path) override;
};

}  // namespace quillane::win32
