#include "startup/settings.h"

#include <array>

#include "common/decimal.h"

namespace quillane {
namespace {

constexpr std::size_t kValueBufferSize = 256;
constexpr std::size_t kNameBufferSize = 128;

// A stored number read into a 16-bit setting; the setting keeps its value when the text is not a
// number or does not fit.
void ReadCount(ProfileApi& profile, const char* key, const std::string& iniPath, std::int16_t& out) {
  const std::string text = ReadIniString(profile, kSettingsSection, key, iniPath);
  if (text.empty()) {
    out = 0;
    return;
  }
  if (const auto number = ParseDecimal(text)) {
    if (const auto value = FloorToInt16(*number)) out = *value;
  }
}

}  // namespace

std::string ReadIniString(ProfileApi& profile, const std::string& section, const std::string& key,
                          const std::string& file) {
  std::array<char, kValueBufferSize> buffer{};
  profile.GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                  static_cast<unsigned long>(buffer.size()), file.c_str());
  buffer.back() = '\0';  // whatever the profile function did, the text ends inside the buffer
  return std::string(buffer.data());
}

void WriteIniString(ProfileApi& profile, const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file) {
  const std::string sectionName = section.substr(0, kNameBufferSize);
  const std::string keyName = key.substr(0, kNameBufferSize);
  profile.WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), value.c_str(), file.c_str());
}

bool FileExists(FileProbe& probe, std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.empty()) return false;
  return probe.CanOpenForReading(path);
}

void LoadSettings(ProfileApi& profile, FileProbe& probe, const std::string& iniPath,
                  MusicSettings& settings) {
  ReadCount(profile, kCategoryKey, iniPath, settings.BgmCategory);
  ReadCount(profile, kRepeatKey, iniPath, settings.BgmRepeat);
  settings.BgmFile = ReadIniString(profile, kSettingsSection, kFileKey, iniPath);
  if (!settings.BgmFile.empty() && !FileExists(probe, settings.BgmFile)) settings.BgmFile.clear();
  if (settings.BgmFile.empty() && settings.BgmCategory == kMusicFile) settings.BgmCategory = kNoMusic;
}

void SaveSettings(ProfileApi& profile, const std::string& iniPath, const MusicSettings& settings) {
  WriteIniString(profile, kSettingsSection, kCategoryKey, NumberText(settings.BgmCategory), iniPath);
  WriteIniString(profile, kSettingsSection, kRepeatKey, NumberText(settings.BgmRepeat), iniPath);
  WriteIniString(profile, kSettingsSection, kFileKey, settings.BgmFile, iniPath);
}

}  // namespace quillane
