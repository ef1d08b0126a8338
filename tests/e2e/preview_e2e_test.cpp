// The preview inside a host window of the driver's own, as the display settings would give it.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "screen_pixels.h"

namespace e2e {
namespace {

constexpr int kPreviewPictureId = 200;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// A white top-level window standing in for the display settings' preview area.
class HostWindow {
 public:
  HostWindow(int width, int height) {
    static const ATOM atom = [] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = HostProc;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.hbrBackground = nullptr;
      windowClass.lpszClassName = L"QuillaneTestPreviewHost";
      return RegisterClassW(&windowClass);
    }();
    window_ = CreateWindowExW(WS_EX_TOPMOST, MAKEINTATOM(atom), L"host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 60,
                              40, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window_);
  }
  ~HostWindow() { Destroy(); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND Handle() const { return window_; }
  void Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  HWND window_;
};

std::wstring PreviewSwitch(HWND host) {
  return L"/p " + std::to_wstring(static_cast<long long>(reinterpret_cast<std::intptr_t>(host)));
}

class Preview : public DesktopTest {};

// Wine does not show what a child window paints inside a top-level window of another process
// (the child's drawing has no surface to go to), so the pixels can't be captured here: the test
// looks at the window's place, size and style and that it has painted.
TEST_F(Preview, FillsHostsOfEverySizeAndEndsWhenTheHostGoes) {
  SaverFolder folder;  // no visual program: the preview does not need one
  const Pixels picture = ProgramPicture(folder.Scr(), kPreviewPictureId);
  ASSERT_EQ(picture.width, 152);
  ASSERT_EQ(picture.height, 112);
  for (const SIZE size : {SIZE{152, 112}, SIZE{200, 150}, SIZE{100, 80}}) {
    SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
    HostWindow host(size.cx, size.cy);
    Process saver(folder.Scr(), PreviewSwitch(host.Handle()));
    ASSERT_TRUE(saver.Started());
    HWND preview = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (preview = FindWindowExW(host.Handle(), nullptr, nullptr, L"Preview Window")); },
                          10000, 20));
    // Found as soon as it is parented: wait for the rest of the set-up.
    RECT client{};
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(preview) && GetClientRect(preview, &client) &&
                                       client.right == size.cx && client.bottom == size.cy; }, 5000, 20))
        << client.right << " x " << client.bottom;
    RECT placed{};
    GetWindowRect(preview, &placed);
    MapWindowPoints(HWND_DESKTOP, host.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(GetWindowLongW(preview, GWL_STYLE) & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME), WS_CHILD);
    EXPECT_TRUE(WaitUntil([&] { return !GetUpdateRect(preview, nullptr, FALSE); }, 5000, 20)) << "painted";

    EXPECT_FALSE(saver.WaitForExit(200)) << "the preview stays while its host does";
    host.Destroy();
    EXPECT_TRUE(saver.WaitForExit(5000)) << "the program ends once its host has gone";
  }
}

TEST_F(Preview, AHandleThatNamesNoWindowEndsAtOnce) {
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  SaverFolder folder;
  for (const std::wstring& switches : {std::wstring(L"/p"), std::wstring(L"/p 0"), std::wstring(L"/p abc"),
                                       PreviewSwitch(gone)}) {
    SCOPED_TRACE(Narrow(switches));
    Process saver(folder.Scr(), switches);
    ASSERT_TRUE(saver.Started());
    EXPECT_TRUE(saver.WaitForExit(5000));
    EXPECT_EQ(FindTopLevel(L"Preview Window"), nullptr);
  }
}

}  // namespace
}  // namespace e2e
