#pragma once
// The dialog's four buttons.
// TEMPORARY: plain push buttons stand in until the image button control lands; they take the same
// place, caption, font and click handling.
#include <windows.h>

#include <functional>
#include <string_view>

namespace quillane::win32 {

class DialogButton {
 public:
  DialogButton() = default;
  DialogButton(const DialogButton&) = delete;
  DialogButton& operator=(const DialogButton&) = delete;

  bool Create(HINSTANCE instance, HWND parent, int controlId, std::string_view caption932,
              std::function<void()> onClick);
  HWND Window() const { return window_; }
  void Initialize() {}
  void SetEnabled(bool enabled);
  void Place(const RECT& where, HFONT font);

  // Runs the click handler of the button that sent this command; false when it was none of ours.
  static bool ForwardCommand(WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  std::function<void()> onClick_;
};

}  // namespace quillane::win32
