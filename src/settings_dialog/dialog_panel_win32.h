#pragma once
// The panel of music choices: its own gradient, the framed heading, the captions and option marks
// (drawn, not windows: the gradient shows through them) and the file label. Presses of any mouse
// button on a caption or a mark are handed to the dialog.
#include <windows.h>

#include <functional>
#include <string>

#include "common/gdi_objects.h"
#include "settings_dialog/dialog_layout.h"

namespace quillane::win32 {

class DialogPanel {
 public:
  using CategoryPress = std::function<void(int category)>;

  DialogPanel(HINSTANCE instance, CategoryPress onPress);
  DialogPanel(const DialogPanel&) = delete;
  DialogPanel& operator=(const DialogPanel&) = delete;

  bool Create(HWND parent, int controlId);
  HWND Window() const { return window_; }
  // Places the panel in its parent and takes the resolution and font its drawing uses.
  void Arrange(int dotsPerInch, HFONT font);
  void SetMarkSelected(int category, bool selected);
  void ShowFileName(const std::wstring& path);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  RECT PixelRect(settings_dialog::Part part) const;
  void PaintBackground();
  void Paint();
  void Press(LPARAM lParam);

  HINSTANCE instance_;
  CategoryPress onPress_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  HFONT font_ = nullptr;
  bool selected_[3] = {false, false, false};
  std::wstring fileName_;
  UniqueBitmap background_;
  UniqueBitmap markUnselected_;
  UniqueBitmap markSelected_;
};

// The drawing both surfaces share.
void PaintGradient(HDC dc, int width, int height, bool panel);
void DrawLabel(HDC dc, HFONT font, const RECT& box, std::string_view text932, COLORREF colour, UINT format);

}  // namespace quillane::win32
