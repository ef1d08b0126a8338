#include "music_session.h"

#include "startup/settings.h"

namespace e2e {

std::string MusicIni(int category, int repeat, const std::string& file) {
  using namespace quillane;
  return std::string("[") + kSettingsSection + "]\r\n" + kCategoryKey + "=" + std::to_string(category) + "\r\n" +
         kRepeatKey + "=" + std::to_string(repeat) + "\r\n" + kFileKey + "=" + file + "\r\n";
}

SessionTimes RunSession(const SaverFolder& folder, DWORD lengthMs, AudioCapture* capture) {
  auto now = [&] { return capture ? capture->NowMs() : 0.0; };
  Process saver(folder.Scr(), L"/s");
  EXPECT_TRUE(saver.Started());
  EXPECT_TRUE(WaitUntil([] { return FindTopLevel(L"Quillane_Main") && FindTopLevel(L"QuillaneVC"); }, 10000));
  const double startMs = now();
  EXPECT_FALSE(saver.WaitForExit(lengthMs)) << "the session ended by itself";
  for (HWND window : TopLevelWindowsOf(saver.Id())) {
    EXPECT_FALSE(IsWindowVisible(window)) << "the session shows a window";
  }
  PostMessageW(FindTopLevel(L"QuillaneVC"), WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return saver.WaitForExit(0); }, 5000, 1));
  const double endMs = now();
  EXPECT_EQ(saver.ExitCode(), 0u);
  if (capture) {
    Sleep(700);  // long enough for anything still playing to reach the file
    capture->Stop();
  }
  return {startMs, endMs};
}

}  // namespace e2e
