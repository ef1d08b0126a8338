#include "startup/window_zoom.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillane {
namespace {

struct Animation {
  std::intptr_t window;
  int kind;
  ScreenRect from, to;
  bool operator==(const Animation&) const = default;
};

class FakeZoomPort : public ZoomPort {
 public:
  bool cursorReadable = true;
  long cursorX = 300, cursorY = 200;
  bool rectReadable = true;
  ScreenRect windowRect{272, 150, 757, 433};
  std::vector<Animation> drawn;

  bool GetCursorPos(long& x, long& y) override {
    if (!cursorReadable) {
      x = y = 12345;  // a failing call leaves rubbish behind
      return false;
    }
    x = cursorX, y = cursorY;
    return true;
  }
  bool GetWindowRect(std::intptr_t, ScreenRect& rect) override {
    if (rectReadable) rect = windowRect;
    return rectReadable;
  }
  bool DrawAnimatedRects(std::intptr_t window, int kind, const ScreenRect& from, const ScreenRect& to) override {
    drawn.push_back({window, kind, from, to});
    return true;
  }
};

TEST(WindowZoom, OpensFromTheCursorAndClosesBackIntoIt) {
  FakeZoomPort port;
  ZoomPoint point;
  RecordCursorPosition(port, point);
  EXPECT_EQ(point.CursorX, 300);
  EXPECT_EQ(point.CursorY, 200);
  AnimateWindowOpen(port, point, 42);
  port.cursorX = 5;  // the cursor moving afterwards changes nothing
  AnimateWindowClose(port, point, 42);
  const ScreenRect dot{300, 200, 300, 200};
  EXPECT_EQ(port.drawn, (std::vector<Animation>{{42, 3, dot, port.windowRect}, {42, 3, port.windowRect, dot}}));
}

TEST(WindowZoom, FailuresUseTheScreenCornerAndTheEmptyRectangle) {
  FakeZoomPort port;
  port.cursorReadable = false;
  ZoomPoint point{7, 9};
  RecordCursorPosition(port, point);
  EXPECT_EQ(point.CursorX, 0);
  EXPECT_EQ(point.CursorY, 0);
  port.rectReadable = false;
  AnimateWindowClose(port, point, 42);
  ASSERT_EQ(port.drawn.size(), 1u);
  EXPECT_EQ(port.drawn[0].from, ScreenRect{});
  EXPECT_EQ(port.drawn[0].to, ScreenRect{});
}

}  // namespace
}  // namespace quillane
