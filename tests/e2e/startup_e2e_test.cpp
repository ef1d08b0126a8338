// Start-up of the real Quillane.scr: the missing-visual-program message, the switches, the
// single-instance test and the settings file through the real profile functions.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "harness.h"
#include "startup/profile_win32.h"
#include "startup/settings.h"

namespace e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;  // the message box's static text
constexpr int kMessageIconId = 0x0440;  // the message box's icon

HWND WaitForMessageBox(const Process& program) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindowsOf(program.Id())) {
          if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) box = window;
        }
        return box != nullptr;
      },
      10000, 20);
  return box;
}

class MissingVisualProgramInBothLocales : public DesktopTest {};

TEST_F(MissingVisualProgramInBothLocales, ShowsTheMessageThenEndsAfterOk) {
  std::printf("ANSI code page of this run: %u\n", GetACP());
  for (const wchar_t* switches : {L"/s", L"/c", L"/a", L""}) {
    SCOPED_TRACE(testing::Message() << "switches \"" << Narrow(switches) << "\", code page " << GetACP());
    SaverFolder folder;  // no Quillane.dll in it
    Process saver(folder.Scr(), switches);
    ASSERT_TRUE(saver.Started());
    HWND box = WaitForMessageBox(saver);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Quillane (ScreenSaver)");
    wchar_t text[256] = L"";
    GetDlgItemTextW(box, kMessageTextId, text, 256);
    EXPECT_EQ(std::wstring(text), L"Quillane.dll が Quillane.scr と同じﾌｫﾙﾀﾞに見つかりません！");
    HWND icon = GetDlgItem(box, kMessageIconId);
    EXPECT_TRUE(icon == nullptr || !IsWindowVisible(icon) || !SendMessageW(icon, STM_GETICON, 0, 0))
        << "the message has no icon";
    for (int other : {IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE}) {
      HWND button = GetDlgItem(box, other);
      EXPECT_TRUE(button == nullptr || !IsWindowVisible(button)) << "button " << other;
    }
    EXPECT_FALSE(saver.WaitForExit(300)) << "the program waits for the message to be dismissed";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(saver.WaitForExit(5000));
    EXPECT_EQ(FindTopLevel(L"Quillane_Main"), nullptr);
  }
}

class Startup : public DesktopTest {};

TEST_F(Startup, OtherSwitchesWithTheVisualProgramPresentEndWithoutAnyWindow) {
  for (const wchar_t* switches : {L"/a", L"/x", L"s"}) {
    SCOPED_TRACE(Narrow(switches));
    SaverFolder folder;
    folder.AddFakeVisual();
    Process saver(folder.Scr(), switches);
    ASSERT_TRUE(saver.WaitForExit(5000));
    EXPECT_EQ(folder.VisualStarts(), 0);
    EXPECT_EQ(FindTopLevel(L"Quillane_Main"), nullptr);
  }
}

TEST_F(Startup, EitherInstanceMarkerEndsEveryStartAtOnce) {
  for (const wchar_t* marker : {L"Quillane_Main", L"<Quillane>"}) {
    MarkerWindow running(marker);
    ASSERT_NE(running.Handle(), nullptr);
    for (const wchar_t* switches : {L"/s", L"/c", L"/p 0", L""}) {
      SCOPED_TRACE(testing::Message() << Narrow(marker) << " " << Narrow(switches));
      // No visual program: getting past the test would show the message, which holds the program
      // until it is dismissed, so ending by itself proves the start went no further.
      SaverFolder folder;
      Process saver(folder.Scr(), switches);
      EXPECT_TRUE(saver.WaitForExit(5000));
    }
  }
}

TEST(ProductFile, CarriesItsNameAndVersion) {
  const std::wstring scr = Join(DistDir(), L"Quillane.scr");
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(scr.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(scr.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  wchar_t* product = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_EQ(std::wstring(product), L"Quillane");
}

// The settings file through the real profile functions, with the key names in code page 932.
class SettingsFile : public DesktopTest {
 protected:
  SaverFolder folder_;
  std::string ini_ = Narrow(folder_.File(L"Quillane.ini"));
  std::string music_ = Narrow(folder_.File(L"theme.mp3"));
  quillane::win32::SystemProfile profile_;
  quillane::win32::SystemFileProbe probe_;

  quillane::MusicSettings Load(const std::string& fileBytes) {
    folder_.WriteIni(fileBytes);
    quillane::MusicSettings settings;
    quillane::LoadSettings(profile_, probe_, ini_, settings);
    return settings;
  }
};

std::string Ini(const std::string& category, const std::string& repeat, const std::string& file) {
  return "[Section]\r\nBGM\x8b\xe6\x95\xaa=" + category + "\r\nBGM\xd8\xcb\xdf\xb0\xc4=" + repeat +
         "\r\nBGM\xcc\xa7\xb2\xd9=" + file + "\r\n";
}

TEST_F(SettingsFile, EdgeCasesReadThroughTheRealProfileFunctions) {
  WriteBytes(folder_.File(L"theme.mp3"), "ID3");
  const struct {
    std::string bytes;
    int category, repeat;
    std::string file;
  } cases[] = {
      {"", 0, 0, ""},
      {Ini(" 2", " 0", music_), 2, 0, music_},
      {Ini(" 2", " 0", ""), 0, 0, ""},
      {Ini(" 2", " 0", music_ + ".gone"), 0, 0, ""},
      {Ini(" 1", " 3", music_ + ".gone"), 1, 3, ""},
      {Ini("2.9", "-0.5", music_), 2, -1, music_},
      {Ini("abc", "40000", ""), 0, 0, ""},
      {Ini(" 2", " 0", Narrow(folder_.Path())), 0, 0, ""},
      {Ini(" 2", " 0", Narrow(folder_.Path()) + "\\"), 0, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const auto settings = Load(c.bytes);
    EXPECT_EQ(settings.BgmCategory, c.category);
    EXPECT_EQ(settings.BgmRepeat, c.repeat);
    EXPECT_EQ(settings.BgmFile, c.file);
  }
}

TEST_F(SettingsFile, LongValuesAreCutTo255Bytes) {
  folder_.WriteIni(Ini(" 0", " 0", std::string(300, 'x')));
  EXPECT_EQ(quillane::ReadIniString(profile_, "Section", quillane::kFileKey, ini_), std::string(255, 'x'));
}

// Windows stores a value as given; Wine's profile writer drops the blanks at its start.
bool ProfileKeepsLeadingBlanks() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr;
}

TEST_F(SettingsFile, WrittenBytesAreTheShiftJisKeysWithTheNumberTexts) {
  quillane::SaveSettings(profile_, ini_, quillane::MusicSettings{2, -3, "C:\\Music\\theme.mp3"});
  const std::string category = ProfileKeepsLeadingBlanks() ? " 2" : "2";
  EXPECT_EQ(folder_.ReadIni(), Ini(category, "-3", "C:\\Music\\theme.mp3"));
  const auto settings = Load(folder_.ReadIni());
  EXPECT_EQ(settings.BgmCategory, 0) << "the file kind without an existing file falls back to none";
  EXPECT_EQ(settings.BgmRepeat, -3);
}

TEST_F(SettingsFile, AMusicFileHeldOpenByAnotherProgramStillCounts) {
  const std::wstring path = folder_.File(L"held.wav");
  WriteBytes(path, "RIFF");
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(quillane::FileExists(probe_, Narrow(path)));
  CloseHandle(held);
}

}  // namespace
}  // namespace e2e
