#pragma once
// The zoom animation of the settings dialog: from the cursor point to the window when it opens,
// and back into that point when it closes.
#include <cstdint>

#include "common/screen_rect.h"

namespace quillane {

inline constexpr int kCaptionAnimation = 3;  // IDANI_CAPTION

// The point the zoom starts from and ends in, in screen pixels.
struct ZoomPoint {
  std::int16_t CursorX = 0;
  std::int16_t CursorY = 0;
};

class ZoomPort {
 public:
  virtual ~ZoomPort() = default;
  virtual bool GetCursorPos(long& x, long& y) = 0;
  virtual bool GetWindowRect(std::intptr_t window, ScreenRect& rect) = 0;
  virtual bool DrawAnimatedRects(std::intptr_t window, int animation, const ScreenRect& from,
                                 const ScreenRect& to) = 0;
};

// The cursor's position into the point; (0, 0) when it can't be read.
void RecordCursorPosition(ZoomPort& port, ZoomPoint& point);
void AnimateWindowOpen(ZoomPort& port, const ZoomPoint& point, std::intptr_t window);
void AnimateWindowClose(ZoomPort& port, const ZoomPoint& point, std::intptr_t window);

}  // namespace quillane
