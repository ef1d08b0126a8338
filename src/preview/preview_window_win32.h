#pragma once
// The borderless "Preview Window" shown inside the display settings' preview area.
#include <windows.h>

#include "common/gdi_objects.h"
#include "preview/preview_setup.h"

namespace quillane::win32 {

class PreviewWindow final : private PreviewPort {
 public:
  explicit PreviewWindow(HINSTANCE instance);
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;

  // False when the program is to end at once (see SetUpPreview).
  bool SetUp(std::int32_t hostHandle) { return SetUpPreview(*this, hostHandle); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  bool IsWindow(std::intptr_t window) override;
  bool GetWindowRect(std::intptr_t window, ScreenRect& rect) override;
  std::intptr_t CreatePreviewWindow() override;
  long GetWindowLongA(std::intptr_t window, int index) override;
  long SetWindowLongA(std::intptr_t window, int index, long value) override;
  std::intptr_t SetParent(std::intptr_t child, std::intptr_t parent) override;
  bool MoveWindow(std::intptr_t window, int x, int y, int width, int height) override;
  void ShowPreviewWindow(std::intptr_t window) override;

  HINSTANCE instance_;
  HWND window_ = nullptr;
  UniqueBitmap picture_;
};

}  // namespace quillane::win32
