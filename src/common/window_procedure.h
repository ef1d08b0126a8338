#pragma once
// The one window procedure of every window owned by a C++ object: the owner comes from
// lpCreateParams at WM_NCCREATE, learns its handle, gets every message, and is forgotten at
// WM_NCDESTROY.
#include <windows.h>

namespace quillane::win32 {

template <typename Owner, HWND Owner::*Handle, LRESULT (Owner::*Handler)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->*Handle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    owner->*Handle = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return (owner->*Handler)(message, wParam, lParam);
}

}  // namespace quillane::win32
