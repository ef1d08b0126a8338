#pragma once
// The image button as a Win32 child window: it draws its whole face into an image of its own and
// shows it, with the caption over it, on every repaint. The behaviour lives in quillane::Command.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/gdi_objects.h"
#include "controls/command.h"

namespace quillane::win32 {

using quillane::ButtonPropertySet;
using quillane::FontSpec;

class CommandButton final : private CommandWindowPort, private FacePainter {
 public:
  // Creates the child window at the given place and size in pixels. The window gets the control
  // id, takes the focus with the tab key and on a left press, and is destroyed with this object.
  CommandButton(HINSTANCE instance, HWND parent, int controlId, int x, int y, int width, int height);
  ~CommandButton() override;
  CommandButton(const CommandButton&) = delete;
  CommandButton& operator=(const CommandButton&) = delete;

  HWND Window() const { return window_; }

  // The stored property set the host keeps with its layout, read once after creation; and the
  // set filled when the host saves its layout.
  void LoadProperties(const ButtonPropertySet& stored) { logic_.LoadProperties(stored); }
  void SaveProperties(ButtonPropertySet& stored) { logic_.SaveProperties(stored); }
  // Starts the hover timer; call once, after LoadProperties.
  void Initialize() { logic_.Initialize(); }

  bool Enabled() { return logic_.Enabled(); }  // reading redraws the face, like the control always did
  void SetEnabled(bool enabled) { logic_.SetEnabled(enabled); }
  std::string Caption() const { return logic_.Caption(); }  // code page 932
  void SetCaption(const std::string& caption) { logic_.SetCaption(caption); }
  FontSpec Font() const { return logic_.Font(); }
  void SetFont(const FontSpec& font) { logic_.SetFont(font); }
  std::int32_t FontColour() { return logic_.FontColour(); }  // a COLORREF, or a system colour with the top bit
  void SetFontColour(std::int32_t colour) { logic_.SetFontColour(colour); }
  std::uint8_t Visible() { return logic_.Visible(); }  // 0: only the caption shows over the host
  void SetVisible(std::uint8_t visible) { logic_.SetVisible(visible); }

  // Runs inside the handling of the mouse release; it may destroy this button.
  void SetClickHandler(std::function<void()> onClick) { logic_.SetClickHandler(std::move(onClick)); }
  // Told the property name after each property change.
  void SetPropertyChangedHandler(std::function<void(const std::string&)> onChanged) {
    logic_.SetPropertyChangedHandler(std::move(onChanged));
  }

  // The state machine's fields, and a face drawing on demand (tests and the benchmark).
  const Command& Logic() const { return logic_; }
  void DrawFace(StatePicture picture) { logic_.DrawFace(picture); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnButtonDown(MouseButton button);
  void OnButtonUp(MouseButton button, WPARAM keys);
  void ResizeFace(int width, int height);
  void Paint(HDC dc);
  void PaintHostBackground(HDC dc);
  void DrawCaption(HDC dc);

  // CommandWindowPort
  bool GetCursorPos(ScreenPoint* point) override;
  WindowRef WindowFromPoint(ScreenPoint point) override;
  WindowRef OwnWindow() override;
  WindowRef ParentWindow() override;
  void SetTimer(unsigned intervalMs) override;
  bool GetClientSize(int* width, int* height, double* dpi) override;

  // FacePainter
  void ClearFace() override;
  bool GradientFill(const TriVertex* vertices, unsigned long vertexCount, const GradientRect* rects,
                    unsigned long rectCount, unsigned long mode) override;
  bool StretchBlt(const PixelRect& destination, StatePicture picture, const PixelRect& source) override;
  void PresentFace() override;
  void ShowCaption(const CaptionLook& look) override;

  HWND window_ = nullptr;
  Command logic_;
  std::array<UniqueBitmap, kStatePictureCount> pictures_;
  UniqueMemoryDc pictureDc_;
  UniqueMemoryDc faceDc_;
  UniqueBitmap faceImage_;
  HGDIOBJ faceDcOriginal_ = nullptr;
  int faceWidth_ = 0, faceHeight_ = 0;
  CaptionLook caption_;
  UniqueFont captionFont_;
  FontSpec captionFontSpec_;
  double captionFontDpi_ = 0;
  double dpi_ = 96;  // the window's, read at every size change and DPI change
};

}  // namespace quillane::win32
