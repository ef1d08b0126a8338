#pragma once
// The music settings, the settings file Quillane.ini and its helpers.
#include <cstdint>
#include <string>

#include "startup/profile_api.h"

namespace quillane {

struct MusicSettings {
  std::int16_t BgmCategory = 0;  // 0 none, 1 music CD, 2 MP3 or WAV file; other values play nothing
  std::int16_t BgmRepeat = 0;    // CD track to hold, 0 none
  std::string BgmFile;           // full path of the music file (ANSI), empty when none
};

enum : std::int16_t { kNoMusic = 0, kMusicCd = 1, kMusicFile = 2 };

// Names in the file. The key names are stored in code page 932 whatever the system's code page,
// so a file written on one system reads back byte for byte on any other.
inline constexpr const char* kSettingsSection = "Section";
inline constexpr const char* kCategoryKey = "BGM\x8b\xe6\x95\xaa";          // BGM区分
inline constexpr const char* kRepeatKey = "BGM\xd8\xcb\xdf\xb0\xc4";        // BGMﾘﾋﾟｰﾄ
inline constexpr const char* kFileKey = "BGM\xcc\xa7\xb2\xd9";              // BGMﾌｧｲﾙ
inline constexpr const char* kSettingsFileName = "\\Quillane.ini";

std::string ReadIniString(ProfileApi& profile, const std::string& section, const std::string& key,
                          const std::string& file);
void WriteIniString(ProfileApi& profile, const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file);
bool FileExists(FileProbe& probe, std::string path);

// Fills the settings from the file at iniPath; every value that can't be used leaves its start value.
void LoadSettings(ProfileApi& profile, FileProbe& probe, const std::string& iniPath,
                  MusicSettings& settings);

// The three keys, in the order the settings dialog saves them.
void SaveSettings(ProfileApi& profile, const std::string& iniPath, const MusicSettings& settings);

}  // namespace quillane
