#include "controls/command_button_win32.h"

#include "common/window_procedure.h"
#include <algorithm>
#include <cmath>

#include "common/win32_util.h"
#include "controls/button_pictures.h"

namespace quillane::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuillaneCommand";
constexpr UINT_PTR kMouseTimerId = 1;
constexpr UINT kCaptionCodePage = 932;
constexpr UINT kDpiChangedAfterParent = 0x02E3;  // WM_DPICHANGED_AFTERPARENT

ATOM RegisterCommandClass(HINSTANCE instance, WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_OWNDC;  // presenting a face draws straight into the window's own DC
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A caption colour: a COLORREF, or with the top bit set the index of a system colour.
COLORREF ToColorRef(std::int32_t colour) {
  const auto bits = static_cast<std::uint32_t>(colour);
  if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFF));
  return bits & 0xFFFFFFu;
}

UniqueFont CreateCaptionFont(const FontSpec& wanted, double dpi) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(wanted.sizePoints * dpi / 72.0));
  font.lfWeight = wanted.weight;
  font.lfItalic = wanted.italic;
  font.lfUnderline = wanted.underline;
  font.lfStrikeOut = wanted.strikethrough;
  font.lfCharSet = static_cast<BYTE>(wanted.charset);
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Widen(wanted.faceName, kCaptionCodePage);
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

CommandButton::CommandButton(HINSTANCE instance, HWND parent, int controlId, int x, int y, int width,
                             int height)
    : logic_(*this, *this) {
  for (int i = 0; i < kStatePictureCount; ++i) {
    pictures_[i].reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_BUTTON_NORMAL + i), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  }
  ScreenDc screen;
  pictureDc_.reset(CreateCompatibleDC(screen.Get()));
  faceDc_.reset(CreateCompatibleDC(screen.Get()));
  caption_ = logic_.CaptionState();
  constexpr WNDPROC procedure =
      &OwnedWindowProc<CommandButton, &CommandButton::window_, &CommandButton::HandleMessage>;
  if (!RegisterCommandClass(instance, procedure)) return;
  CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, x, y, width, height,
                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, this);
}

CommandButton::~CommandButton() {
  if (window_) DestroyWindow(window_);
  if (faceDc_ && faceDcOriginal_) SelectObject(faceDc_.get(), faceDcOriginal_);
}

LRESULT CommandButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      dpi_ = DotsPerInchOf(window_);
      ResizeFace(LOWORD(lParam), HIWORD(lParam));
      logic_.OnResize();
      return 0;
    case WM_MOUSEMOVE:
      logic_.OnMouseMove();
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(MouseButton::Left);
      return 0;
    case WM_RBUTTONDOWN:
      OnButtonDown(MouseButton::Right);
      return 0;
    case WM_MBUTTONDOWN:
      OnButtonDown(MouseButton::Middle);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(MouseButton::Left, wParam);
      return 0;  // the click handler may have destroyed this button: touch nothing after it
    case WM_RBUTTONUP:
      OnButtonUp(MouseButton::Right, wParam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(MouseButton::Middle, wParam);
      return 0;
    case WM_SETFOCUS:
      logic_.OnGotFocus();
      return 0;
    case WM_KILLFOCUS:
      logic_.OnLostFocus();
      return 0;
    case WM_TIMER:
      if (wParam == kMouseTimerId) logic_.OnMouseTimer();
      return 0;
    case kDpiChangedAfterParent:
      dpi_ = DotsPerInchOf(window_);
      logic_.OnResize();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the face covers everything
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      Paint(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void CommandButton::OnButtonDown(MouseButton button) {
  SetCapture(window_);
  logic_.OnMouseDown(button);
  if (button == MouseButton::Left && GetFocus() != window_) SetFocus(window_);
}

void CommandButton::OnButtonUp(MouseButton button, WPARAM keys) {
  if (!(keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == window_) ReleaseCapture();
  logic_.OnMouseUp(button);
}

void CommandButton::ResizeFace(int width, int height) {
  if (!faceDc_) return;
  if (faceDcOriginal_) SelectObject(faceDc_.get(), faceDcOriginal_);
  faceDcOriginal_ = nullptr;
  faceWidth_ = std::max(width, 1);
  faceHeight_ = std::max(height, 1);
  ScreenDc screen;
  faceImage_.reset(CreateCompatibleBitmap(screen.Get(), faceWidth_, faceHeight_));
  if (!faceImage_) return;
  faceDcOriginal_ = SelectObject(faceDc_.get(), faceImage_.get());
  ClearFace();
}

void CommandButton::Paint(HDC dc) {
  if (caption_.faceShown && faceImage_) {
    BitBlt(dc, 0, 0, faceWidth_, faceHeight_, faceDc_.get(), 0, 0, SRCCOPY);
  } else {
    PaintHostBackground(dc);
  }
  DrawCaption(dc);
}

// With a transparent face the host's own painting shows through, drawn into this window's place.
void CommandButton::PaintHostBackground(HDC dc) {
  HWND parent = GetParent(window_);
  POINT origin{0, 0};
  MapWindowPoints(window_, parent, &origin, 1);
  POINT previous;
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void CommandButton::DrawCaption(HDC dc) {
  const double dpi = dpi_;
  if (!captionFont_ || !(captionFontSpec_ == caption_.font) || captionFontDpi_ != dpi) {
    captionFont_ = CreateCaptionFont(caption_.font, dpi);
    captionFontSpec_ = caption_.font;
    captionFontDpi_ = dpi;
  }
  const std::wstring text = Widen(caption_.text, kCaptionCodePage);
  RECT box{caption_.box.x, caption_.box.y, caption_.box.x + caption_.box.width,
           caption_.box.y + caption_.box.height};
  ScopedSelect font(dc, captionFont_.get());
  SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
  if (caption_.enabled) {
    SetTextColor(dc, ToColorRef(caption_.colour));
  } else {
    // The system's engraved look for disabled text: a highlight one pixel down-right, grey over it.
    RECT shifted = box;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shifted, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
}

// ---- CommandWindowPort ----

bool CommandButton::GetCursorPos(ScreenPoint* point) {
  POINT cursor{point->x, point->y};
  const bool ok = ::GetCursorPos(&cursor) != FALSE;
  *point = ScreenPoint{cursor.x, cursor.y};
  return ok;
}

WindowRef CommandButton::WindowFromPoint(ScreenPoint point) {
  return reinterpret_cast<WindowRef>(::WindowFromPoint(POINT{point.x, point.y}));
}

WindowRef CommandButton::OwnWindow() { return reinterpret_cast<WindowRef>(window_); }

WindowRef CommandButton::ParentWindow() { return reinterpret_cast<WindowRef>(GetParent(window_)); }

void CommandButton::SetTimer(unsigned intervalMs) { ::SetTimer(window_, kMouseTimerId, intervalMs, nullptr); }

bool CommandButton::GetClientSize(int* width, int* height, double* dpi) {
  RECT client;
  if (!window_ || !GetClientRect(window_, &client)) return false;
  *width = client.right - client.left;
  *height = client.bottom - client.top;
  *dpi = dpi_;
  return true;
}

// ---- FacePainter ----

void CommandButton::ClearFace() {
  if (!faceImage_) return;
  RECT all{0, 0, faceWidth_, faceHeight_};
  FillRect(faceDc_.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
}

bool CommandButton::GradientFill(const TriVertex* vertices, unsigned long vertexCount, const GradientRect* rects,
                                 unsigned long rectCount, unsigned long mode) {
  if (!faceImage_ || vertexCount > 2 || rectCount > 1) return false;
  TRIVERTEX points[2]{};
  for (unsigned long i = 0; i < vertexCount; ++i) {
    points[i] = TRIVERTEX{static_cast<LONG>(vertices[i].x), static_cast<LONG>(vertices[i].y),
                          vertices[i].red, vertices[i].green, vertices[i].blue, vertices[i].alpha};
  }
  GRADIENT_RECT rect{rects[0].upperLeft, rects[0].lowerRight};
  return ::GradientFill(faceDc_.get(), points, vertexCount, &rect, rectCount, mode) != FALSE;
}

bool CommandButton::StretchBlt(const PixelRect& destination, StatePicture picture, const PixelRect& source) {
  HBITMAP bitmap = pictures_[static_cast<int>(picture)].get();
  if (!faceImage_ || !bitmap) return false;
  ScopedSelect selected(pictureDc_.get(), bitmap);
  SetStretchBltMode(faceDc_.get(), COLORONCOLOR);
  return ::StretchBlt(faceDc_.get(), destination.x, destination.y, destination.width, destination.height,
                      pictureDc_.get(), source.x, source.y, source.width, source.height, SRCCOPY) != FALSE;
}

void CommandButton::PresentFace() {
  if (!window_) return;
  HDC dc = GetDC(window_);
  Paint(dc);
  ReleaseDC(window_, dc);
}

void CommandButton::ShowCaption(const CaptionLook& look) {
  if (look == caption_) return;
  caption_ = look;
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

}  // namespace quillane::win32
