#pragma once
// Pixels for the end-to-end tests: what the screen shows, what the program's own pictures hold,
// and screenshots written under the build folder for a person to look at.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> rgb;  // top-down rows
  COLORREF At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// The 32-bit top-down pixels of a bitmap, through a device context.
inline Pixels ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> raw(static_cast<std::size_t>(width) * height);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS);
  Pixels pixels{width, height, {}};
  for (std::uint32_t v : raw) pixels.rgb.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
  return pixels;
}

// What the screen shows in this rectangle (screen coordinates).
inline Pixels CaptureScreen(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  Pixels pixels = ReadBitmap(memory, bitmap, width, height);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

inline Pixels CaptureClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return CaptureScreen(client);
}

inline Pixels CaptureWindow(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return CaptureScreen(area);
}

// A bitmap of the program file's resources, read without running the program.
inline Pixels ProgramPicture(const std::wstring& program, int id) {
  Pixels pixels;
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return pixels;
  if (auto bitmap = static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                     LR_CREATEDIBSECTION))) {
    BITMAP size{};
    GetObjectW(bitmap, sizeof(size), &size);
    HDC screen = GetDC(nullptr);
    pixels = ReadBitmap(screen, bitmap, size.bmWidth, size.bmHeight);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
  }
  FreeLibrary(module);
  return pixels;
}

// Writes a 24-bit bitmap into the screenshots folder beside the test driver, for a person to look at.
inline void SaveScreenshot(const Pixels& pixels, const std::wstring& name) {
  const std::wstring folder = Join(FixtureDir(), L"screenshots");
  CreateDirectoryW(folder.c_str(), nullptr);
  const int rowBytes = (pixels.width * 3 + 3) & ~3;
  std::string file;
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) file.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  put(0x4D42, 2), put(54 + rowBytes * pixels.height, 4), put(0, 4), put(54, 4);
  put(40, 4), put(pixels.width, 4), put(pixels.height, 4), put(1, 2), put(24, 2);
  put(0, 4), put(rowBytes * pixels.height, 4), put(3780, 4), put(3780, 4), put(0, 4), put(0, 4);
  for (int y = pixels.height - 1; y >= 0; --y) {
    for (int x = 0; x < pixels.width; ++x) {
      const COLORREF c = pixels.At(x, y);
      file.push_back(static_cast<char>(GetBValue(c)));
      file.push_back(static_cast<char>(GetGValue(c)));
      file.push_back(static_cast<char>(GetRValue(c)));
    }
    file.append(static_cast<std::size_t>(rowBytes - pixels.width * 3), '\0');
  }
  WriteBytes(Join(folder, name + L".bmp"), file);
}

}  // namespace e2e
