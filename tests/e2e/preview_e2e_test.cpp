// The preview inside a host window of the driver's own, as the display settings would give it.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "screen_capture.h"

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

// How many pixels differ from the picture at the top-left with black beyond it.
int Mismatches(const Pixels& shown, const Pixels& picture) {
  int wrong = 0;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const bool inPicture = x < picture.width && y < picture.height;
      wrong += shown.At(x, y) != (inPicture ? picture.At(x, y) : RGB(0, 0, 0));
    }
  }
  return wrong;
}

std::wstring PreviewSwitch(HWND host) {
  return L"/p " + std::to_wstring(static_cast<long long>(reinterpret_cast<std::intptr_t>(host)));
}

class Preview : public DesktopTest {};

// Wine does not show what a child window paints inside a top-level window of another process
// (the child's drawing has no surface to go to), so the test looks at the window's place, size and
// style inside the host, then lifts it onto the desktop for a moment to capture what it draws.
TEST_F(Preview, ShowsThePictureOnBlackInHostsOfEverySizeAndEndsWhenTheHostGoes) {
  SaverFolder folder;  // no visual program: the preview does not need one
  const Pixels picture = BitmapResource(folder.Scr(), kPreviewPictureId);
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

    // What it draws: lifted out of the host onto the desktop at the same place, where Wine shows it.
    RECT shown{};
    GetWindowRect(preview, &shown);
    SetWindowLongW(preview, GWL_STYLE, (GetWindowLongW(preview, GWL_STYLE) & ~WS_CHILD) | WS_POPUP);
    SetParent(preview, nullptr);
    SetWindowPos(preview, HWND_TOPMOST, shown.left, shown.top, size.cx, size.cy, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    Pixels pixels;
    const bool matches = WaitUntil([&] { return Mismatches(pixels = CaptureScreen(shown), picture) == 0; }, 5000, 50);
    SaveScreenshot(pixels, L"preview-" + std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy));
    EXPECT_TRUE(matches) << Mismatches(pixels, picture) << " pixels differ from the picture on black";
    SetParent(preview, host.Handle());

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
