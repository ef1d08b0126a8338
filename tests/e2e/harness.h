#pragma once
// What the end-to-end tests need to run the real Quillane.scr: throw-away saver folders, started
// programs that are always cleaned up, and ways to look at windows.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

std::wstring DistDir();     // the x64 dist folder, from QUILLANE_DIST_DIR
std::wstring FixtureDir();  // the folder of the test driver, where the fixture programs are
std::wstring Join(const std::wstring& folder, const std::wstring& name);
std::string Narrow(const std::wstring& text);  // to the ANSI code page, as the product sees paths
bool FileExists(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);

// A fresh folder holding Quillane.scr, removed with everything in it when the test ends.
class SaverFolder {
 public:
  explicit SaverFolder(const std::wstring& name = L"Saver");
  ~SaverFolder();
  SaverFolder(const SaverFolder&) = delete;
  SaverFolder& operator=(const SaverFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  const std::wstring& Root() const { return root_; }  // the folder that holds Path()
  std::wstring File(const std::wstring& name) const { return Join(path_, name); }
  std::wstring Scr() const { return File(L"Quillane.scr"); }

  void AddFakeVisual();            // the test stand-in that only shows "QuillaneVC"
  void AddVisual(const std::wstring& programPath);
  void WriteIni(const std::string& bytes) const { WriteBytes(File(L"Quillane.ini"), bytes); }
  std::string ReadIni() const { return ReadBytes(File(L"Quillane.ini")); }
  int VisualStarts() const;        // how often the fake visual program has started

 private:
  std::wstring root_;
  std::wstring path_;
};

// A started program, terminated when the test leaves if it still runs.
class Process {
 public:
  Process(const std::wstring& program, const std::wstring& arguments);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  bool WaitForExit(DWORD timeoutMs) const;
  bool Running() const { return !WaitForExit(0); }
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

HWND FindTopLevel(const wchar_t* caption);
// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs = 2);
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
double MillisecondsSince(LARGE_INTEGER start);
LARGE_INTEGER Now();

// Closes every window with this caption left from an earlier test, and waits until they are gone.
void CloseAll(const wchar_t* caption);

// A window of the driver's own, with a caption the product looks for.
class MarkerWindow {
 public:
  explicit MarkerWindow(const wchar_t* caption);
  ~MarkerWindow();
  MarkerWindow(const MarkerWindow&) = delete;
  MarkerWindow& operator=(const MarkerWindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

}  // namespace e2e

#include <gtest/gtest.h>

namespace e2e {

// Every end-to-end test starts and ends with no window of an earlier run left on the desktop.
class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override { CleanUp(); }
  void TearDown() override { CleanUp(); }
  static void CleanUp() {
    CloseAll(L"QuillaneVC");
    CloseAll(L"Quillane_Main");
    CloseAll(L"<Quillane>");
  }
};

}  // namespace e2e
