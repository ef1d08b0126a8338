#pragma once
// One of the dialog's four image buttons, created from its stored caption and font.
#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

namespace quillane::win32 {

class CommandButton;

class DialogButton {
 public:
  DialogButton();
  ~DialogButton();
  DialogButton(const DialogButton&) = delete;
  DialogButton& operator=(const DialogButton&) = delete;

  bool Create(HINSTANCE instance, HWND parent, int controlId, std::string_view caption932,
              std::function<void()> onClick);
  HWND Window() const;
  void Initialize();
  void SetEnabled(bool enabled);
  void Place(const RECT& where);

 private:
  std::unique_ptr<CommandButton> button_;
};

}  // namespace quillane::win32
