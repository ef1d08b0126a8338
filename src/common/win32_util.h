#pragma once
// Small helpers shared by the Win32 edge of every subsystem.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace quillane::win32 {

// The folder of the running program file, without a trailing separator (ANSI, like every path the
// program hands to the system).
inline std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Text in the given code page as UTF-16, for the wide functions that show text to a person.
inline std::wstring Widen(const std::string& text, UINT codePage = CP_ACP) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// The window's real dots per inch: per window where the system knows it, else the screen's.
inline int DotsPerInchOf(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

}  // namespace quillane::win32
