#include "harness.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace e2e {
namespace {

std::wstring ModuleFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Join(folder, L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = Join(folder, name);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
}

LRESULT CALLBACK MarkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

std::wstring DistDir() {
  wchar_t value[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"QUILLANE_DIST_DIR", value, MAX_PATH);
  return value;
}

std::wstring FixtureDir() { return ModuleFolder(); }

std::wstring Join(const std::wstring& folder, const std::wstring& name) { return folder + L"\\" + name; }

std::string Narrow(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(length) - 1);
  return narrow;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

SaverFolder::SaverFolder(const std::wstring& name) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  root_ = std::wstring(temp) + L"quillane-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  path_ = Join(root_, name);
  CreateDirectoryW(root_.c_str(), nullptr);
  CreateDirectoryW(path_.c_str(), nullptr);
  CopyFileW(Join(DistDir(), L"Quillane.scr").c_str(), Scr().c_str(), FALSE);
}

SaverFolder::~SaverFolder() { RemoveTree(root_); }

void SaverFolder::AddFakeVisual() { AddVisual(Join(FixtureDir(), L"fake_visual.exe")); }

void SaverFolder::AddVisual(const std::wstring& programPath) {
  CopyFileW(programPath.c_str(), File(L"Quillane.dll").c_str(), FALSE);
}

int SaverFolder::VisualStarts() const {
  const std::string log = ReadBytes(File(L"visual_started.txt"));
  int starts = 0;
  for (char c : log) starts += c == '\n';
  return starts;
}

Process::Process(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_)) {
    info_ = {};
  }
}

Process::~Process() {
  if (!Started()) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Process::WaitForExit(DWORD timeoutMs) const {
  return Started() && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

HWND FindTopLevel(const wchar_t* caption) { return FindWindowW(nullptr, caption); }

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MSG message;  // keep the driver's own marker windows answering
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(stepMs);
  }
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

double MillisecondsSince(LARGE_INTEGER start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(Now().QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void CloseAll(const wchar_t* caption) {
  while (HWND window = FindTopLevel(caption)) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(window); }, 3000)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, owner)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 3000);
        CloseHandle(process);
      }
    }
  }
}

MarkerWindow::MarkerWindow(const wchar_t* caption) {
  static const ATOM atom = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MarkerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuillaneTestMarker";
    return RegisterClassW(&windowClass);
  }();
  window_ = CreateWindowExW(0, MAKEINTATOM(atom), caption, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

MarkerWindow::~MarkerWindow() { DestroyWindow(window_); }

}  // namespace e2e
