#include "startup/window_zoom.h"

namespace quillane {
namespace {

ScreenRect PointRect(const ZoomPoint& point) { return {point.CursorX, point.CursorY, point.CursorX, point.CursorY}; }

// The window's rectangle; the empty rectangle at (0, 0) when it can't be read.
ScreenRect WindowRect(ZoomPort& port, std::intptr_t window) {
  ScreenRect rect;
  if (!port.GetWindowRect(window, rect)) rect = {};
  return rect;
}

}  // namespace

void RecordCursorPosition(ZoomPort& port, ZoomPoint& point) {
  long x = 0, y = 0;
  if (!port.GetCursorPos(x, y)) x = y = 0;
  point.CursorX = static_cast<std::int16_t>(x);
  point.CursorY = static_cast<std::int16_t>(y);
}

void AnimateWindowOpen(ZoomPort& port, const ZoomPoint& point, std::intptr_t window) {
  port.DrawAnimatedRects(window, kCaptionAnimation, PointRect(point), WindowRect(port, window));
}

void AnimateWindowClose(ZoomPort& port, const ZoomPoint& point, std::intptr_t window) {
  port.DrawAnimatedRects(window, kCaptionAnimation, WindowRect(port, window), PointRect(point));
}

}  // namespace quillane
