// The image button in a real window under the real pointer: clicks, hover timing and the pixels of
// every look, in the test host fixture (fixtures/button_host.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fixtures/button_host_protocol.h"
#include "harness.h"
#include "pointer_input.h"
#include "screen_capture.h"

namespace e2e {
namespace {

using namespace button_host;

enum Picture { kNormal, kHighLight, kPressed, kDisable, kSelected, kHighLightSelect };
const wchar_t* const kPictureNames[] = {L"Normal", L"HighLight", L"Pressed", L"Disable", L"Selected", L"HighLightSelect"};
constexpr int kFirstPictureId = 101;
constexpr COLORREF kHostBackground = RGB(236, 233, 216);

int Channel(COLORREF c, int i) { return i == 0 ? GetRValue(c) : i == 1 ? GetGValue(c) : GetBValue(c); }
bool Near(COLORREF a, COLORREF b, int tolerance) {
  for (int i = 0; i < 3; ++i) {
    if (std::abs(Channel(a, i) - Channel(b, i)) > tolerance) return false;
  }
  return true;
}
std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}
int Luminance(COLORREF c) { return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10; }

class ImageButton : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    CloseAll(kCaption);
    MovePointer(900, 700);  // away from every window of the host
    host_ = std::make_unique<Process>(HostProgram(), L"");
    ASSERT_TRUE(host_->Started());
    ASSERT_TRUE(WaitUntil([&] { return (window_ = FindTopLevel(kCaption)) != nullptr; }, 10000));
    WaitForInputIdle(host_->Handle(), 5000);
  }
  void TearDown() override {
    MovePointer(900, 700);
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (host_) host_->WaitForExit(3000);
    host_.reset();
    DesktopTest::TearDown();
  }

  static std::wstring HostProgram() { return Join(FixtureDir(), L"button_host.exe"); }
  LRESULT Ask(Request request, int button, LPARAM value = 0) const {
    return SendMessageW(window_, request, static_cast<WPARAM>(button), value);
  }
  int State(int button) const { return static_cast<int>(Ask(kState, button) & 0xFF); }
  bool LeftDown(int button) const { return (Ask(kState, button) >> 8) & 1; }
  int Clicks(int button) const { return static_cast<int>(Ask(kClicks, button)); }
  bool WaitForState(int button, int state, DWORD timeoutMs = 2000) const {
    return WaitUntil([&] { return State(button) == state; }, timeoutMs);
  }
  RECT Rect(int button) const {
    RECT rect;
    GetWindowRect(reinterpret_cast<HWND>(Ask(kButtonWindow, button)), &rect);
    return rect;
  }
  POINT Centre(int button) const {
    const RECT r = Rect(button);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void PointAt(int button) {
    const POINT p = Centre(button);
    MovePointer(p.x, p.y);
  }
  void PointAtHostBackground() { MovePointer(kLeft + 340, kTop + 130); }
  Pixels Face(int button) const {
    Sleep(30);  // let the repaint reach the screen
    return CaptureScreen(Rect(button));
  }
  void Save(const Pixels& pixels, const std::wstring& name) const {
    SaveEnlarged(pixels, 8, Join(ScreenshotDir(), name + L".bmp"));
  }
  void SaveHost(const std::wstring& name) const {
    Sleep(30);
    Save(CaptureScreen(RECT{kLeft, kTop, kLeft + 300, kTop + 110}), name);
  }

  // The face's gradient at column x: white above lavender (or the other way round) from row 0 to
  // row h - 2, as GradientFill spreads the two vertex colours.
  static void ExpectGradient(const Pixels& face, int x, bool lavenderOnTop) {
    const COLORREF white = RGB(255, 255, 255), lavender = RGB(198, 197, 215);
    const COLORREF top = lavenderOnTop ? lavender : white, bottom = lavenderOnTop ? white : lavender;
    const int span = face.height - 1;
    for (int y = 4; y < face.height - 4; ++y) {
      const COLORREF expected = RGB(GetRValue(top) + (GetRValue(bottom) - GetRValue(top)) * y / span,
                                    GetGValue(top) + (GetGValue(bottom) - GetGValue(top)) * y / span,
                                    GetBValue(top) + (GetBValue(bottom) - GetBValue(top)) * y / span);
      EXPECT_TRUE(Near(face.At(x, y), expected, 3)) << "row " << y << ": " << Hex(face.At(x, y)) << ", expected "
                                                    << Hex(expected);
    }
  }

  // The face's outer four pixels against the state picture's: the corners exactly, the edges at
  // their middle where the picture's band runs unchanged along the edge.
  static void ExpectFrame(const Pixels& face, const Pixels& picture) {
    ASSERT_EQ(picture.width, 64);
    ASSERT_EQ(picture.height, 25);
    const int w = face.width, h = face.height;
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(face.At(x, y), picture.At(x, y)) << "top-left " << x << "," << y;
        EXPECT_EQ(face.At(w - 4 + x, y), picture.At(60 + x, y)) << "top-right " << x << "," << y;
        EXPECT_EQ(face.At(x, h - 4 + y), picture.At(x, 21 + y)) << "bottom-left " << x << "," << y;
        EXPECT_EQ(face.At(w - 4 + x, h - 4 + y), picture.At(60 + x, 21 + y)) << "bottom-right " << x << "," << y;
        EXPECT_EQ(face.At(w / 2, y), picture.At(32, y)) << "top edge row " << y;
        EXPECT_EQ(face.At(w / 2, h - 4 + y), picture.At(32, 21 + y)) << "bottom edge row " << y;
      }
    }
  }

  static Pixels Picture(int picture) { return BitmapResource(HostProgram(), kFirstPictureId + picture); }

  std::unique_ptr<Process> host_;
  HWND window_ = nullptr;
};

TEST_F(ImageButton, ClicksFollowTheTypicalRuns) {
  // 1. The pointer enters an unfocused button: hover, with lavender above white.
  PointAt(0);
  ASSERT_TRUE(WaitForState(0, 2));
  const Pixels hover = Face(0);
  ExpectFrame(hover, Picture(kHighLight));
  ExpectGradient(hover, 6, true);
  SaveHost(L"run1_hover");
  // 2. Left press: the focus arrives during hover.
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitForState(0, 4));
  ExpectFrame(Face(0), Picture(kPressed));
  SaveHost(L"run2_pressed");
  // 3. Release over the button: Click.
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return Clicks(0) == 1; }, 2000));
  EXPECT_EQ(State(0), 4);
  ExpectFrame(Face(0), Picture(kHighLightSelect));
  SaveHost(L"run3_released");
  // 4. The pointer leaves: the next tick shows the focused look, white above lavender.
  PointAtHostBackground();
  ASSERT_TRUE(WaitForState(0, 3));
  const Pixels selected = Face(0);
  ExpectFrame(selected, Picture(kSelected));
  ExpectGradient(selected, 6, false);
  SaveHost(L"run4_selected");
  // 5. Enter the focused button, press and release: Click.
  PointAt(0);
  ASSERT_TRUE(WaitForState(0, 4));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitUntil([&] { return LeftDown(0); }, 2000));
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return Clicks(0) == 2; }, 2000));
  // 6. Press, drag out, wait for a tick, release outside: no Click.
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitUntil([&] { return LeftDown(0); }, 2000));
  PointAtHostBackground();
  ASSERT_TRUE(WaitForState(0, 3));
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return !LeftDown(0); }, 2000)) << "the release reaches the button outside it";
  EXPECT_EQ(Clicks(0), 2);
  // 7. Enter, press, drag out and back in, release: still no Click.
  PointAt(0);
  ASSERT_TRUE(WaitForState(0, 4));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitUntil([&] { return LeftDown(0); }, 2000));
  PointAtHostBackground();
  ASSERT_TRUE(WaitForState(0, 3));
  PointAt(0);
  Sleep(250);
  EXPECT_EQ(State(0), 3) << "the held button blocks 3 -> 4";
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return !LeftDown(0); }, 2000));
  EXPECT_EQ(Clicks(0), 2);
  // 8. Another button takes the focus: back to normal.
  PointAt(1);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return Clicks(1) == 1; }, 2000));
  EXPECT_EQ(State(0), 1);
  EXPECT_EQ(State(1), 4);
  ExpectFrame(Face(0), Picture(kNormal));
  SaveHost(L"run8_other_focused");
}

TEST_F(ImageButton, RightAndMiddleClicksRaiseClickWithoutTakingTheFocus) {
  PointAt(1);
  ASSERT_TRUE(WaitForState(1, 2));
  MouseButton(MOUSEEVENTF_RIGHTDOWN);
  MouseButton(MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitUntil([&] { return Clicks(1) == 1; }, 2000));
  MouseButton(MOUSEEVENTF_MIDDLEDOWN);
  MouseButton(MOUSEEVENTF_MIDDLEUP);
  ASSERT_TRUE(WaitUntil([&] { return Clicks(1) == 2; }, 2000));
  EXPECT_EQ(State(1), 2);
  ExpectFrame(Face(1), Picture(kHighLight));
}

TEST_F(ImageButton, TheHoverLookGoesWithinTwoTimerPeriodsOfLeaving) {
  std::vector<double> delays;
  for (int run = 0; run < 5; ++run) {
    PointAt(0);
    ASSERT_TRUE(WaitForState(0, 2));
    PointAtHostBackground();
    const LARGE_INTEGER left = Now();
    ASSERT_TRUE(WaitUntil([&] { return State(0) == 1; }, 2000, 1));
    delays.push_back(MillisecondsSince(left));
  }
  std::sort(delays.begin(), delays.end());
  std::printf("hover look gone after leaving: min %.1f ms, median %.1f ms, max %.1f ms\n", delays.front(),
              delays[delays.size() / 2], delays.back());
  EXPECT_LE(delays[delays.size() / 2], 200.0) << "median delay in ms";
  const Pixels normal = Face(0);
  ExpectFrame(normal, Picture(kNormal));
  ExpectGradient(normal, 6, false);
}

TEST_F(ImageButton, EveryPictureGivesTheFaceItsFrameOverTheGradient) {
  for (int picture = kNormal; picture <= kHighLightSelect; ++picture) {
    SCOPED_TRACE(Narrow(kPictureNames[picture]));
    Ask(kDrawFace, 0, picture);
    const Pixels face = Face(0);
    ExpectFrame(face, Picture(picture));
    ExpectGradient(face, 6, false);
    Save(face, std::wstring(L"face_") + kPictureNames[picture]);
    Save(Picture(picture), std::wstring(L"picture_") + kPictureNames[picture]);
  }
  for (int button : {1, 2}) {  // 73 x 25 and 29 x 21: the corners stay 4 pixels, the edges stretch
    SCOPED_TRACE(button);
    Ask(kDrawFace, button, kNormal);
    ExpectFrame(Face(button), Picture(kNormal));
  }
}

TEST_F(ImageButton, ADisabledButtonShowsTheDisableFaceAGreyCaptionAndIgnoresClicks) {
  const Pixels disabled = Face(2);
  ExpectFrame(disabled, Picture(kDisable));
  const Pixels enabled = Face(1);
  auto captionInk = [](const Pixels& face) {
    std::vector<COLORREF> ink;
    for (int y = 4; y < face.height - 4; ++y) {
      for (int x = 4; x < face.width - 4; ++x) {
        if (Luminance(face.At(x, y)) < 170) ink.push_back(face.At(x, y));
      }
    }
    return ink;
  };
  const std::vector<COLORREF> greyInk = captionInk(disabled);
  ASSERT_FALSE(greyInk.empty()) << "the disabled caption shows";
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  EXPECT_TRUE(std::count(greyInk.begin(), greyInk.end(), grey) > 0) << "drawn in " << Hex(grey);
  for (COLORREF c : greyInk) EXPECT_GE(Luminance(c), 60) << Hex(c) << " is not grey";
  const std::vector<COLORREF> blackInk = captionInk(enabled);
  EXPECT_TRUE(std::any_of(blackInk.begin(), blackInk.end(), [](COLORREF c) { return Luminance(c) < 40; }))
      << "the enabled caption is black";
  Save(disabled, L"disabled_button");

  PointAt(2);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Sleep(300);
  EXPECT_EQ(Clicks(2), 0);
  EXPECT_EQ(State(2), 1);
  ExpectFrame(Face(2), Picture(kDisable));

  Ask(kSetEnabled, 2, 1);
  ExpectFrame(Face(2), Picture(kNormal));
}

TEST_F(ImageButton, AButtonWithoutAStoredSetIsDisabledUntilEnabledIsRead) {
  ExpectFrame(Face(3), Picture(kDisable));
  EXPECT_EQ(Ask(kReadEnabled, 3), 1);
  ExpectFrame(Face(3), Picture(kNormal));
  EXPECT_EQ(Ask(kState, 3) >> 16, 1) << "FirstRun";
}

TEST_F(ImageButton, ATransparentFaceShowsOnlyTheCaptionOverTheHost) {
  Ask(kSetVisible, 0, 0);
  const Pixels face = Face(0);
  EXPECT_EQ(face.At(1, 1), kHostBackground);
  EXPECT_EQ(face.At(6, 12), kHostBackground);
  EXPECT_TRUE(std::any_of(face.data.begin(), face.data.end(), [](COLORREF c) { return Luminance(c) < 40; }))
      << "the caption still shows";
  Save(face, L"transparent_face");
  Ask(kSetVisible, 0, 1);
  ExpectFrame(Face(0), Picture(kNormal));
}

// The caption's ink, measured against the same text drawn here in the same font: a caption read in
// the wrong code page would have other characters and another width.
class ImageButtonInBothLocales : public ImageButton {
 protected:
  // Where the dark pixels lie, leaving out a margin (the face's frame).
  static RECT InkBounds(const Pixels& pixels, int threshold, int margin) {
    RECT bounds{pixels.width, pixels.height, -1, -1};
    for (int y = margin; y < pixels.height - margin; ++y) {
      for (int x = margin; x < pixels.width - margin; ++x) {
        if (Luminance(pixels.At(x, y)) >= threshold) continue;
        bounds = RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
                      std::max<LONG>(bounds.bottom, y + 1)};
      }
    }
    return bounds;
  }
  static Pixels Reference(const wchar_t* text) {
    LOGFONTW font{};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyW(font.lfFaceName, L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
    HFONT hfont = CreateFontIndirectW(&font);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 30);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, hfont);
    RECT all{0, 0, 200, 30};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, 10, 5, text, lstrlenW(text));
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    Pixels pixels = BitmapPixels(dc, bitmap, 200, 30);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DeleteObject(hfont);
    return pixels;
  }
};

TEST_F(ImageButtonInBothLocales, CaptionsShowTheirJapaneseText) {
  struct Case {
    int button;
    const wchar_t* text;
  };
  for (const Case c : {Case{0, L"\x305D\x306E\x4ED6\x306E\x4F5C\x54C1"}, Case{1, L"\x8A2D\x5B9A"}}) {
    SCOPED_TRACE(c.button);
    const Pixels face = Face(c.button);
    const RECT shown = InkBounds(face, 100, 4);
    const RECT expected = InkBounds(Reference(c.text), 100, 0);
    ASSERT_LT(shown.left, shown.right) << "no caption ink";
    EXPECT_EQ(shown.right - shown.left, expected.right - expected.left) << "ink width";
    EXPECT_EQ(shown.bottom - shown.top, expected.bottom - expected.top) << "ink height";
    // Centred: as much room on the left as on the right, give or take the glyphs' side bearings.
    EXPECT_LE(std::abs(shown.left - (face.width - shown.right)), 2);
    Save(face, std::wstring(L"caption_") + std::to_wstring(c.button) + (GetACP() == 932 ? L"_cp932" : L"_cp1252"));
  }
}

}  // namespace
}  // namespace e2e
