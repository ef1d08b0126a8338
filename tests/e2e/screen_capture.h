#pragma once
// Pixels as the user sees them: captures of screen rectangles, pictures read from a program's
// resources, and enlarged copies saved for a person to look at.
#include <windows.h>

#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> data;  // rows top-down, as RGB()
  COLORREF At(int x, int y) const { return data[static_cast<std::size_t>(y) * width + x]; }
};

// The bitmap's pixels through a 32-bit top-down DIB.
inline Pixels BitmapPixels(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> raw(static_cast<std::size_t>(width) * height);
  Pixels pixels{width, height, {}};
  if (!GetDIBits(dc, bitmap, 0, height, raw.data(), &info, DIB_RGB_COLORS)) return pixels;
  pixels.data.reserve(raw.size());
  for (const RGBQUAD& q : raw) pixels.data.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return pixels;
}

// What the screen shows in the rectangle (screen coordinates).
inline Pixels CaptureScreen(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  Pixels pixels = BitmapPixels(memory, bitmap, width, height);
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
  RECT rect;
  GetWindowRect(window, &rect);
  return CaptureScreen(rect);
}

// A bitmap resource of another program, read without running it.
inline Pixels BitmapResource(const std::wstring& program, int id) {
  Pixels pixels;
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return pixels;
  if (auto bitmap = static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    BITMAP info;
    GetObjectW(bitmap, sizeof(info), &info);
    HDC screen = GetDC(nullptr);
    pixels = BitmapPixels(screen, bitmap, info.bmWidth, info.bmHeight);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
  }
  FreeLibrary(module);
  return pixels;
}

// <driver folder>\screenshots, where the enlarged captures go.
inline std::wstring ScreenshotDir() {
  const std::wstring folder = Join(FixtureDir(), L"screenshots");
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// Saves the pixels, each as a scale x scale square, as a 24-bit bitmap file.
inline bool SaveEnlarged(const Pixels& pixels, int scale, const std::wstring& path) {
  const int width = pixels.width * scale, height = pixels.height * scale;
  const int rowBytes = (width * 3 + 3) & ~3;
  std::string file(14 + 40 + static_cast<std::size_t>(rowBytes) * height, '\0');
  auto put = [&](std::size_t at, unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(0, 0x4D42, 2);
  put(2, static_cast<unsigned>(file.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, width, 4);
  put(22, height, 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = 54 + static_cast<std::size_t>(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixels.At(x / scale, y / scale);
      file[row + x * 3] = static_cast<char>(GetBValue(c));
      file[row + x * 3 + 1] = static_cast<char>(GetGValue(c));
      file[row + x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
  }
  WriteBytes(path, file);
  return FileExists(path);
}

// Saves the pixels as they are into the screenshots folder, for a person to look at.
inline void SaveScreenshot(const Pixels& pixels, const std::wstring& name) {
  SaveEnlarged(pixels, 1, Join(ScreenshotDir(), name + L".bmp"));
}

}  // namespace e2e
