#include "settings_dialog/dialog_buttons_win32.h"

#include <string>

#include "common/win32_util.h"

namespace quillane::win32 {
namespace {
constexpr wchar_t kButtonProperty[] = L"QuillaneDialogButton";
}

bool DialogButton::Create(HINSTANCE instance, HWND parent, int controlId, std::string_view caption932,
                          std::function<void()> onClick) {
  onClick_ = std::move(onClick);
  const std::wstring caption = Widen(std::string(caption932), 932);
  window_ = CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
  if (window_) SetPropW(window_, kButtonProperty, this);
  return window_ != nullptr;
}

void DialogButton::SetEnabled(bool enabled) { EnableWindow(window_, enabled); }

void DialogButton::Place(const RECT& where, HFONT font) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(window_, nullptr, where.left, where.top, where.right - where.left, where.bottom - where.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DialogButton::ForwardCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED || !lParam) return false;
  auto* button = static_cast<DialogButton*>(GetPropW(reinterpret_cast<HWND>(lParam), kButtonProperty));
  if (!button || !button->onClick_) return false;
  button->onClick_();
  return true;
}

}  // namespace quillane::win32
