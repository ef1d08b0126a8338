#pragma once
// The zoom effect through the system's own caption animation.
#include <windows.h>

#include "startup/window_zoom.h"

namespace quillane::win32 {

class SystemZoom final : public ZoomPort {
 public:
  bool GetCursorPos(long& x, long& y) override {
    POINT p{};
    if (!::GetCursorPos(&p)) return false;
    x = p.x, y = p.y;
    return true;
  }
  bool GetWindowRect(std::intptr_t window, ScreenRect& rect) override {
    RECT r{};
    if (!::GetWindowRect(reinterpret_cast<HWND>(window), &r)) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
  }
  bool DrawAnimatedRects(std::intptr_t window, int animation, const ScreenRect& from,
                         const ScreenRect& to) override {
    const RECT f{from.left, from.top, from.right, from.bottom}, t{to.left, to.top, to.right, to.bottom};
    return ::DrawAnimatedRects(reinterpret_cast<HWND>(window), animation, &f, &t) != FALSE;
  }
};

}  // namespace quillane::win32
