// Saver sessions of the real Quillane.scr with a stand-in visual program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

class SaverSession : public DesktopTest {
 protected:
  // Starts a session and waits until both its window and the visual program's window exist.
  void StartSession(Process& saver) {
    ASSERT_TRUE(saver.Started());
    ASSERT_TRUE(WaitUntil([] { return FindTopLevel(L"Quillane_Main") && FindTopLevel(L"QuillaneVC"); }, 10000));
  }
};

TEST_F(SaverSession, EndsWithin100MsOfTheVisualWindowGoing) {
  SaverFolder folder;
  folder.AddFakeVisual();
  std::vector<double> delays;
  for (int run = 0; run < 5; ++run) {
    Process saver(folder.Scr(), L"/s");
    StartSession(saver);
    EXPECT_EQ(folder.VisualStarts(), run + 1);
    HWND visual = FindTopLevel(L"QuillaneVC");
    ASSERT_FALSE(saver.WaitForExit(200)) << "the session runs while the visual window exists";
    PostMessageW(visual, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(visual); }, 5000, 1));
    const LARGE_INTEGER gone = Now();
    ASSERT_TRUE(saver.WaitForExit(5000));
    delays.push_back(MillisecondsSince(gone));
  }
  std::sort(delays.begin(), delays.end());
  std::printf("exit after the visual window went: min %.1f ms, median %.1f ms, max %.1f ms\n", delays.front(),
              delays[delays.size() / 2], delays.back());
  EXPECT_LE(delays[delays.size() / 2], 100.0) << "median delay in ms";
}

TEST_F(SaverSession, WithoutArgumentsASessionRunsToo) {
  SaverFolder folder;
  folder.AddFakeVisual();
  Process saver(folder.Scr(), L"");
  StartSession(saver);
  PostMessageW(FindTopLevel(L"QuillaneVC"), WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitForExit(5000));
}

TEST_F(SaverSession, CloseFromOutsideEndsTheSaverAndLeavesTheVisualProgramRunning) {
  for (UINT message : {UINT(WM_CLOSE), UINT(WM_ENDSESSION)}) {
    SCOPED_TRACE(message);
    SaverFolder folder;
    folder.AddFakeVisual();
    Process saver(folder.Scr(), L"/s");
    StartSession(saver);
    PostMessageW(FindTopLevel(L"Quillane_Main"), message, TRUE, 0);
    EXPECT_TRUE(saver.WaitForExit(5000));
    EXPECT_NE(FindTopLevel(L"QuillaneVC"), nullptr);
    CloseAll(L"QuillaneVC");
  }
}

TEST_F(SaverSession, ASecondStartDuringASessionEndsAtOnce) {
  SaverFolder folder;
  folder.AddFakeVisual();
  Process saver(folder.Scr(), L"/s");
  StartSession(saver);
  Process second(folder.Scr(), L"/s");
  EXPECT_TRUE(second.WaitForExit(5000));
  EXPECT_EQ(folder.VisualStarts(), 1);
  EXPECT_TRUE(saver.Running());
}

TEST_F(SaverSession, AFolderWithSpacesStartsTheRightProgramAndNeverATrap) {
  SaverFolder folder(L"Saver Folder");
  folder.AddFakeVisual();
  // Where an unquoted command line would lead: "...\Saver Folder\Quillane.dll" read as "...\Saver".
  const std::wstring trap = Join(folder.Root(), L"Saver.exe");
  ASSERT_TRUE(CopyFileW(Join(FixtureDir(), L"trap_program.exe").c_str(), trap.c_str(), FALSE));
  Process saver(folder.Scr(), L"/s");
  StartSession(saver);
  EXPECT_EQ(folder.VisualStarts(), 1);
  PostMessageW(FindTopLevel(L"QuillaneVC"), WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitForExit(5000));
  EXPECT_FALSE(FileExists(Join(folder.Root(), L"TRAPPED.txt")));
}

TEST_F(SaverSession, AVisualProgramThatTakesTwoSecondsToOpenItsWindowKeepsTheSession) {
  SetEnvironmentVariableW(L"QUILLANE_FAKE_VISUAL_DELAY_MS", L"2000");
  SaverFolder folder;
  folder.AddFakeVisual();
  Process saver(folder.Scr(), L"/s");
  SetEnvironmentVariableW(L"QUILLANE_FAKE_VISUAL_DELAY_MS", nullptr);
  StartSession(saver);
  EXPECT_FALSE(saver.WaitForExit(500));
  PostMessageW(FindTopLevel(L"QuillaneVC"), WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitForExit(5000));
}

TEST_F(SaverSession, AVisualWindowThatAlreadyExistsKeepsTheSessionUntilItGoes) {
  SaverFolder folder;
  folder.AddVisual(Join(FixtureDir(), L"trap_program.exe"));  // a visual program that ends at once
  auto existing = std::make_unique<MarkerWindow>(L"QuillaneVC");
  Process saver(folder.Scr(), L"/s");
  StartSession(saver);
  EXPECT_FALSE(saver.WaitForExit(500));
  existing.reset();
  EXPECT_TRUE(saver.WaitForExit(5000));
}

TEST_F(SaverSession, AVisualProgramThatCannotStartEndsTheSessionAtOnce) {
  SaverFolder folder;
  WriteBytes(folder.File(L"Quillane.dll"), "not a program");
  Process saver(folder.Scr(), L"/s");
  EXPECT_TRUE(saver.WaitForExit(5000));
}

}  // namespace
}  // namespace e2e
