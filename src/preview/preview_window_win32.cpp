#include "preview/preview_window_win32.h"

#include "common/window_procedure.h"
#include "resources/picture_ids.h"

namespace quillane::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuillanePreviewWindow";

HWND AsWindow(std::intptr_t handle) { return reinterpret_cast<HWND>(handle); }

ATOM RegisterPreviewClass(HINSTANCE instance, WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

}  // namespace

PreviewWindow::PreviewWindow(HINSTANCE instance)
    : instance_(instance), picture_(LoadPicture(instance, QUILLANE_PREVIEW_PICTURE)) {}

LRESULT PreviewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      // The only window of this mode: when the host takes it away, the program ends.
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void PreviewWindow::Paint() {
  PaintScope paint(window_);
  BITMAP size{};
  if (!picture_ || !GetObjectW(picture_.get(), sizeof(size), &size)) return;
  // At its own size: a larger host shows the black background beyond it, a smaller one cuts it.
  DrawBitmap(paint.Dc(), picture_.get(), size.bmWidth, size.bmHeight);
}

bool PreviewWindow::IsWindow(std::intptr_t window) { return ::IsWindow(AsWindow(window)) != FALSE; }

bool PreviewWindow::GetWindowRect(std::intptr_t window, ScreenRect& rect) {
  RECT r{};
  if (!::GetWindowRect(AsWindow(window), &r)) return false;
  rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

std::intptr_t PreviewWindow::CreatePreviewWindow() {
  constexpr WNDPROC procedure =
      &OwnedWindowProc<PreviewWindow, &PreviewWindow::window_, &PreviewWindow::HandleMessage>;
  if (!RegisterPreviewClass(instance_, procedure)) return 0;
  return reinterpret_cast<std::intptr_t>(CreateWindowExW(0, kClassName, L"Preview Window", WS_POPUP, 0, 0, 0, 0,
                                                         nullptr, nullptr, instance_, this));
}

long PreviewWindow::GetWindowLongA(std::intptr_t window, int index) {
  return ::GetWindowLongA(AsWindow(window), index);
}

long PreviewWindow::SetWindowLongA(std::intptr_t window, int index, long value) {
  return ::SetWindowLongA(AsWindow(window), index, value);
}

std::intptr_t PreviewWindow::SetParent(std::intptr_t child, std::intptr_t parent) {
  return reinterpret_cast<std::intptr_t>(::SetParent(AsWindow(child), AsWindow(parent)));
}

bool PreviewWindow::MoveWindow(std::intptr_t window, int x, int y, int width, int height) {
  return ::MoveWindow(AsWindow(window), x, y, width, height, TRUE) != FALSE;
}

void PreviewWindow::ShowPreviewWindow(std::intptr_t window) { ShowWindow(AsWindow(window), SW_SHOW); }

}  // namespace quillane::win32
