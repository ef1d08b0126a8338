#include "startup/settings.h"

#include <gtest/gtest.h>

#include "fake_profile.h"

namespace quillane {
namespace {

using testing::FakeFiles;
using testing::FakeProfile;

constexpr const char* kIni = "C:\\Saver\\Quillane.ini";
constexpr const char* kMusic = "C:\\Music\\theme.mp3";

struct LoadCase {
  const char* name;
  const char* category;  // nullptr: key missing
  const char* repeat;
  const char* file;
  std::int16_t expectedCategory;
  std::int16_t expectedRepeat;
  const char* expectedFile;
};

TEST(LoadSettings, EdgeCases) {
  const LoadCase cases[] = {
      {"no file at all", nullptr, nullptr, nullptr, 0, 0, ""},
      {"file kind with an existing file", " 2", " 0", kMusic, 2, 0, kMusic},
      {"file kind, file key missing", " 2", nullptr, nullptr, 0, 0, ""},
      {"file kind, file gone", " 2", nullptr, "C:\\Music\\gone.mp3", 0, 0, ""},
      {"CD kind keeps its kind, stale file cleared", " 1", " 3", "C:\\Music\\gone.mp3", 1, 3, ""},
      {"fraction rounds down", "2.9", nullptr, kMusic, 2, 0, kMusic},
      {"negative fraction rounds down", "-0.5", "-3", nullptr, -1, -3, ""},
      {"not a number", "abc", "x1", nullptr, 0, 0, ""},
      {"beyond 16 bits", "32768", "-32769", nullptr, 0, 0, ""},
      {"16-bit limits", "32767", "-32768", nullptr, 32767, -32768, ""},
      {"folder with a trailing separator", " 2", nullptr, "C:\\Music\\", 0, 0, ""},
      {"folder without it", " 2", nullptr, "C:\\Music", 0, 0, ""},
  };
  for (const auto& c : cases) {
    FakeProfile profile;
    FakeFiles files;
    files.openable = {kMusic};
    if (c.category) profile.Set(kIni, kCategoryKey, c.category);
    if (c.repeat) profile.Set(kIni, kRepeatKey, c.repeat);
    if (c.file) profile.Set(kIni, kFileKey, c.file);
    MusicSettings settings;
    LoadSettings(profile, files, kIni, settings);
    EXPECT_EQ(settings.BgmCategory, c.expectedCategory) << c.name;
    EXPECT_EQ(settings.BgmRepeat, c.expectedRepeat) << c.name;
    EXPECT_EQ(settings.BgmFile, c.expectedFile) << c.name;
  }
}

TEST(ReadIniString, CutsLongValuesToTheirFirst255Bytes) {
  FakeProfile profile;
  profile.Set(kIni, kFileKey, std::string(300, 'a'));
  EXPECT_EQ(ReadIniString(profile, "Section", kFileKey, kIni), std::string(255, 'a'));
  EXPECT_EQ(ReadIniString(profile, "Section", "missing", kIni), "");
}

TEST(WriteIniString, CutsNamesTo128Characters) {
  FakeProfile profile;
  WriteIniString(profile, std::string(130, 's'), std::string(129, 'k'), "v", kIni);
  ASSERT_EQ(profile.writes.size(), 1u);
  EXPECT_EQ(std::get<0>(profile.writes[0]), std::string(128, 's'));
  EXPECT_EQ(std::get<1>(profile.writes[0]), std::string(128, 'k'));
}

TEST(FileExists, DropsOneTrailingSeparatorAndRefusesAnEmptyPath) {
  FakeFiles files;
  files.openable = {"C:\\a.wav"};
  EXPECT_TRUE(FileExists(files, "C:\\a.wav"));
  EXPECT_TRUE(FileExists(files, "C:\\a.wav\\"));
  EXPECT_FALSE(FileExists(files, "C:\\a.wav\\\\"));
  EXPECT_FALSE(FileExists(files, ""));
  EXPECT_FALSE(FileExists(files, "\\"));
}

TEST(SaveSettings, WritesTheThreeKeysInOrderAndLoadReadsThemBack) {
  FakeProfile profile;
  FakeFiles files;
  files.openable = {kMusic};
  SaveSettings(profile, kIni, MusicSettings{2, -3, kMusic});
  ASSERT_EQ(profile.writes.size(), 3u);
  EXPECT_EQ(profile.writes[0], std::make_tuple(std::string("Section"), std::string(kCategoryKey),
                                               std::string(" 2"), std::string(kIni)));
  EXPECT_EQ(std::get<1>(profile.writes[1]), kRepeatKey);
  EXPECT_EQ(std::get<2>(profile.writes[1]), "-3");
  EXPECT_EQ(std::get<1>(profile.writes[2]), kFileKey);
  EXPECT_EQ(std::get<2>(profile.writes[2]), kMusic);

  MusicSettings loaded;
  LoadSettings(profile, files, kIni, loaded);
  EXPECT_EQ(loaded.BgmCategory, 2);
  EXPECT_EQ(loaded.BgmRepeat, -3);
  EXPECT_EQ(loaded.BgmFile, kMusic);
}

}  // namespace
}  // namespace quillane
