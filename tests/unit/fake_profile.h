#pragma once
// An in-memory profile file and file system that answer like the Windows calls.
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "startup/profile_api.h"

namespace quillane::testing {

class FakeProfile : public ProfileApi {
 public:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values;  // file, section, key
  std::vector<std::tuple<std::string, std::string, std::string, std::string>> writes;

  void Set(const std::string& file, const std::string& key, const std::string& value) {
    values[{file, "Section", key}] = value;
  }

  unsigned long GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                        char* buffer, unsigned long size, const char* file) override {
    const auto found = values.find({file, section, key});
    const std::string value = found == values.end() ? defaultValue : found->second;
    const std::size_t copied = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), copied);
    buffer[copied] = '\0';
    return static_cast<unsigned long>(copied);
  }

  bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                 const char* file) override {
    writes.emplace_back(section, key, value, file);
    values[{file, section, key}] = value;
    return true;
  }
};

class FakeFiles : public FileProbe {
 public:
  std::set<std::string> openable;
  std::vector<std::string> probed;
  bool CanOpenForReading(const std::string& path) override {
    probed.push_back(path);
    return openable.count(path) > 0;
  }
};

}  // namespace quillane::testing
