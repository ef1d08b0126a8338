#pragma once
// The two profile functions and the file-open test, shaped like the Windows calls behind them so
// that the settings logic reads like the calls it makes.
#include <string>

namespace quillane {

class ProfileApi {
 public:
  virtual ~ProfileApi() = default;
  // Copies the value (or the default) into buffer, cut and
  // zero-terminated to fit size; returns the number of characters copied.
  virtual unsigned long GetPrivateProfileStringA(const char* section, const char* key,
                                                const char* defaultValue, char* buffer,
                                                unsigned long size, const char* file) = 0;

  virtual bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                         const char* file) = 0;
};

class FileProbe {
 public:
  virtual ~FileProbe() = default;
  // Opens an existing file for reading and closes it again; true when the open succeeded.
  virtual bool CanOpenForReading(const std::string& path) = 0;
};

}  // namespace quillane
