#include "preview/preview_setup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillane {
namespace {

constexpr std::intptr_t kHost = 524;
constexpr std::intptr_t kPreview = 900;

// Records the calls in order and answers like a host of the given rectangle.
class FakePreviewPort : public PreviewPort {
 public:
  bool hostExists = true;
  bool rectReadable = true;
  ScreenRect hostRect{100, 50, 252, 162};
  long createdStyle = static_cast<long>(0x80000000UL) | 0x04000000L;  // pop-up, clip siblings
  std::vector<std::string> calls;
  long writtenStyle = 0;
  int x = -1, y = -1, width = -1, height = -1;

  bool IsWindow(std::intptr_t window) override { return window == kHost && hostExists; }
  bool GetWindowRect(std::intptr_t, ScreenRect& rect) override {
    calls.push_back("GetWindowRect");
    if (rectReadable) rect = hostRect;
    return rectReadable;
  }
  std::intptr_t CreatePreviewWindow() override {
    calls.push_back("Create");
    return kPreview;
  }
  long GetWindowLongA(std::intptr_t, int) override { return createdStyle; }
  long SetWindowLongA(std::intptr_t window, int index, long value) override {
    EXPECT_EQ(window, kPreview);
    EXPECT_EQ(index, kStyleIndex);
    calls.push_back("SetWindowLongA");
    writtenStyle = value;
    return 0;
  }
  std::intptr_t SetParent(std::intptr_t child, std::intptr_t parent) override {
    EXPECT_EQ(child, kPreview);
    EXPECT_EQ(parent, kHost);
    calls.push_back("SetParent");
    return 0;
  }
  bool MoveWindow(std::intptr_t, int newX, int newY, int newWidth, int newHeight) override {
    calls.push_back("MoveWindow");
    x = newX, y = newY, width = newWidth, height = newHeight;
    return true;
  }
  void ShowPreviewWindow(std::intptr_t window) override {
    EXPECT_EQ(window, kPreview);
    calls.push_back("Show");
  }
};

TEST(PreviewSetUp, BecomesAChildFillingTheHostThenShows) {
  FakePreviewPort port;
  EXPECT_TRUE(SetUpPreview(port, kHost));
  EXPECT_EQ(port.calls, (std::vector<std::string>{"GetWindowRect", "Create", "SetWindowLongA", "SetParent",
                                                  "MoveWindow", "Show"}));
  EXPECT_EQ(port.writtenStyle, 0x40000000L | 0x04000000L) << "child instead of pop-up, other bits kept";
  EXPECT_EQ(port.x, 0);
  EXPECT_EQ(port.y, 0);
  EXPECT_EQ(port.width, 152);
  EXPECT_EQ(port.height, 112);
}

TEST(PreviewSetUp, AnUnreadableHostRectangleGivesAnEmptyWindow) {
  FakePreviewPort port;
  port.rectReadable = false;
  EXPECT_TRUE(SetUpPreview(port, kHost));
  EXPECT_EQ(port.width, 0);
  EXPECT_EQ(port.height, 0);
}

TEST(PreviewSetUp, AHandleThatNamesNoWindowEndsWithoutAnyWindow) {
  for (std::int32_t handle : {0, 77, static_cast<std::int32_t>(kHost)}) {
    FakePreviewPort port;
    port.hostExists = false;
    EXPECT_FALSE(SetUpPreview(port, handle)) << handle;
    EXPECT_TRUE(port.calls.empty()) << handle;
  }
}

}  // namespace
}  // namespace quillane
