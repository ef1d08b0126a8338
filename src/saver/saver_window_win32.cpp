#include "saver/saver_window_win32.h"

#include "common/window_procedure.h"
#include "common/win32_util.h"
#include "startup/entry_routine.h"

namespace quillane::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuillaneSaverWindow";
// How long the load step waits for the visual program to show its window before the first poll.
constexpr DWORD kVisualProgramStartBoundMs = 10000;

ATOM RegisterSaverClass(HINSTANCE instance, WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

// Waits until the started program shows the window the session watches, ends, or the bound passes.
void WaitUntilVisualWindowExists(HANDLE process) {
  const ULONGLONG deadline = GetTickCount64() + kVisualProgramStartBoundMs;
  while (!FindWindowA(nullptr, kVisualWindowCaption) && GetTickCount64() < deadline) {
    if (WaitForSingleObject(process, 10) == WAIT_OBJECT_0) return;
  }
}

}  // namespace

SaverWindow::SaverWindow(const MusicSettings& settings, MusicPlayers& music,
                         std::string visualProgramPath, bool saverMode)
    : session_(settings, music, *this, std::move(visualProgramPath), saverMode) {}

bool SaverWindow::Create(HINSTANCE instance) {
  constexpr WNDPROC procedure =
      &OwnedWindowProc<SaverWindow, &SaverWindow::window_, &SaverWindow::HandleMessage>;
  if (!RegisterSaverClass(instance, procedure)) return false;
  // Never shown: the window exists for its timers and for the caption other starts look for.
  return CreateWindowExW(0, kClassName, L"Quillane_Main", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         this) != nullptr;
}

LRESULT SaverWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      session_.Load();
      return 0;
    case WM_TIMER:
      session_.Tick(static_cast<SaverTimer>(wParam));
      return 0;
    case WM_CLOSE:
      session_.Close();
      return 0;
    case WM_ENDSESSION:
      if (wParam) session_.Close();  // the end of the Windows session closes like any other close
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void SaverWindow::StartVisualProgram(const std::string& path) {
  // The full path as the application name and quoted as the command line: no search, so a folder
  // with spaces works and no other program can be started in its place.
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return;
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  WaitUntilVisualWindowExists(process.get());
}

void SaverWindow::SetTimerEnabled(SaverTimer timer, bool enabled) {
  const auto id = static_cast<UINT_PTR>(timer);
  if (enabled) {
    SetTimer(window_, id, TimerInterval(timer), nullptr);
  } else {
    KillTimer(window_, id);
  }
}

bool SaverWindow::TopLevelWindowExists(const char* caption) { return FindWindowA(nullptr, caption) != nullptr; }

void SaverWindow::ShowCursor() { ::ShowCursor(TRUE); }

void SaverWindow::EndProgram() { ExitProcess(0); }

}  // namespace quillane::win32
