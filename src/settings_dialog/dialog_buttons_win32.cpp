#include "settings_dialog/dialog_buttons_win32.h"

#include <string>

#include "controls/command_button_win32.h"

namespace quillane::win32 {

DialogButton::DialogButton() = default;
DialogButton::~DialogButton() = default;

bool DialogButton::Create(HINSTANCE instance, HWND parent, int controlId, std::string_view caption932,
                          std::function<void()> onClick) {
  button_ = std::make_unique<CommandButton>(instance, parent, controlId, 0, 0, 0, 0);
  // The stored set of each button holds its caption and the dialog's font, nothing else.
  ButtonPropertySet stored;
  stored.Set("Caption", std::string(caption932));
  stored.Set("Font", DesignFont());
  button_->LoadProperties(stored);
  button_->SetClickHandler(std::move(onClick));
  return button_->Window() != nullptr;
}

HWND DialogButton::Window() const { return button_ ? button_->Window() : nullptr; }

void DialogButton::Initialize() {
  if (button_) button_->Initialize();
}

void DialogButton::SetEnabled(bool enabled) {
  if (button_) button_->SetEnabled(enabled);
}

void DialogButton::Place(const RECT& where) {
  SetWindowPos(Window(), nullptr, where.left, where.top, where.right - where.left, where.bottom - where.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quillane::win32
