#pragma once
// Setting up the preview window inside the host window that the display settings give on the
// command line.
#include <cstdint>

#include "common/screen_rect.h"

namespace quillane {

inline constexpr long kChildStyle = 0x40000000L;  // WS_CHILD
inline constexpr long kPopupStyle = static_cast<long>(0x80000000UL);  // WS_POPUP
inline constexpr int kStyleIndex = -16;            // GWL_STYLE

// The calls the set-up makes, shaped like the Windows functions; windows are their handle values.
class PreviewPort {
 public:
  virtual ~PreviewPort() = default;
  virtual bool IsWindow(std::intptr_t window) = 0;
  virtual bool GetWindowRect(std::intptr_t window, ScreenRect& rect) = 0;
  // Creates the hidden preview window; 0 when it could not be created.
  virtual std::intptr_t CreatePreviewWindow() = 0;
  virtual long GetWindowLongA(std::intptr_t window, int index) = 0;
  virtual long SetWindowLongA(std::intptr_t window, int index, long value) = 0;
  virtual std::intptr_t SetParent(std::intptr_t child, std::intptr_t parent) = 0;
  virtual bool MoveWindow(std::intptr_t window, int x, int y, int width, int height) = 0;
  virtual void ShowPreviewWindow(std::intptr_t window) = 0;
};

// True when the preview window now lives in the host and the program is to wait in its message
// loop; false when the program is to end at once.
bool SetUpPreview(PreviewPort& port, std::int32_t hostHandle);

}  // namespace quillane
