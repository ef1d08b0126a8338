// Demo visual program: a full-screen window "QuillaneVC" with glowing, many-coloured curves on
// black. It ends on a key, a click or a real mouse movement, which ends the saver session too.
#include <windows.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFrameMs = 33;
constexpr int kMouseJitterPixels = 8;
constexpr int kCurves = 5;
constexpr int kPointsPerCurve = 160;

struct Visual {
  int width = 0;
  int height = 0;
  double time = 0;
  POINT firstMouse{};
  bool mouseSeen = false;
};

COLORREF Hue(double h, double brightness) {
  const double r = 0.5 + 0.5 * std::sin(h);
  const double g = 0.5 + 0.5 * std::sin(h + 2.094);
  const double b = 0.5 + 0.5 * std::sin(h + 4.189);
  return RGB(static_cast<int>(r * brightness), static_cast<int>(g * brightness),
             static_cast<int>(b * brightness));
}

// One curve drawn as wide dim strokes under narrow bright ones, which reads as a glow.
void DrawCurve(HDC dc, const Visual& v, int index) {
  POINT points[kPointsPerCurve];
  const double phase = v.time * (0.6 + 0.15 * index) + index * 1.3;
  for (int i = 0; i < kPointsPerCurve; ++i) {
    const double t = i / static_cast<double>(kPointsPerCurve - 1) * 6.2832;
    const double x = std::sin(t * (2 + index % 3) + phase) * std::cos(t * 0.5 + phase * 0.7);
    const double y = std::cos(t * (3 + index % 2) + phase * 1.1) * std::sin(t * 0.7 + phase * 0.4);
    points[i].x = static_cast<LONG>(v.width / 2 + x * v.width * 0.42);
    points[i].y = static_cast<LONG>(v.height / 2 + y * v.height * 0.42);
  }
  const struct { int width; double brightness; } strokes[] = {{14, 40}, {8, 90}, {4, 170}, {1, 255}};
  for (const auto& stroke : strokes) {
    HPEN pen = CreatePen(PS_SOLID, stroke.width, Hue(v.time * 0.8 + index * 1.25, stroke.brightness));
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, points, kPointsPerCurve);
    SelectObject(dc, old);
    DeleteObject(pen);
  }
}

void Paint(HWND window, Visual& v) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window, &paint);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP frame = CreateCompatibleBitmap(screen, v.width, v.height);
  HGDIOBJ oldBitmap = SelectObject(dc, frame);
  RECT all{0, 0, v.width, v.height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  for (int i = 0; i < kCurves; ++i) DrawCurve(dc, v, i);
  BitBlt(screen, 0, 0, v.width, v.height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(frame);
  DeleteDC(dc);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static Visual v;
  switch (message) {
    case WM_CREATE:
      v.width = GetSystemMetrics(SM_CXSCREEN);
      v.height = GetSystemMetrics(SM_CYSCREEN);
      SetTimer(window, kFrameTimer, kFrameMs, nullptr);
      return 0;
    case WM_TIMER:
      v.time += kFrameMs / 1000.0;
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT:
      Paint(window, v);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_MOUSEMOVE: {
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (!v.mouseSeen) {
        v.mouseSeen = true;
        v.firstMouse = p;
      } else if (std::abs(p.x - v.firstMouse.x) > kMouseJitterPixels ||
                 std::abs(p.y - v.firstMouse.y) > kMouseJitterPixels) {
        DestroyWindow(window);
      }
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuillaneDemoVisual";
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"QuillaneVC", WS_POPUP, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
