#pragma once
// The image button `Command`: its state machine (pointer, press, focus, hover timer), the drawing of
// its face and its properties with their store. Windows is reached only through the two ports.
#include <cstdint>
#include <functional>
#include <string>

#include "controls/button_properties.h"
#include "controls/face_geometry.h"

namespace quillane {

struct ScreenPoint {
  std::int32_t x = 0, y = 0;
};
using WindowRef = std::uintptr_t;  // a window handle as a number

inline constexpr unsigned kMouseTimerIntervalMs = 100;

// The button's window and the user-interface calls the hover timer makes.
class CommandWindowPort {
 public:
  virtual ~CommandWindowPort() = default;
  virtual bool GetCursorPos(ScreenPoint* point) = 0;
  virtual WindowRef WindowFromPoint(ScreenPoint point) = 0;
  virtual WindowRef OwnWindow() = 0;
  virtual WindowRef ParentWindow() = 0;
  // Starts (or restarts) the hover timer TmrMouse.
  virtual void SetTimer(unsigned intervalMs) = 0;
  // The button's size in pixels and its window's dots per inch; false when they could not be read.
  virtual bool GetClientSize(int* width, int* height, double* dpi) = 0;
};

// What the caption shows, where, and whether the drawn face shows under it.
struct CaptionLook {
  std::string text;  // code page 932
  FontSpec font;
  std::int32_t colour = 0;
  bool enabled = true;
  PixelRect box;
  bool faceShown = true;
  bool operator==(const CaptionLook&) const = default;
};

// The face image and the caption over it.
class FacePainter {
 public:
  virtual ~FacePainter() = default;
  virtual void ClearFace() = 0;  // to the system button-face colour
  virtual bool GradientFill(const TriVertex* vertices, unsigned long vertexCount, const GradientRect* rects,
                            unsigned long rectCount, unsigned long mode) = 0;
  // Copies a part of a state picture onto the face, scaled to the destination.
  virtual bool StretchBlt(const PixelRect& destination, StatePicture picture, const PixelRect& source) = 0;
  virtual void PresentFace() = 0;  // shows the face image on the screen
  virtual void ShowCaption(const CaptionLook& look) = 0;
};

enum class MouseButton { Left, Right, Middle };

class Command {
 public:
  Command(CommandWindowPort& window, FacePainter& painter, FontSpec hostFont = DesignFont());

  // Host side.
  void Initialize();
  void SetClickHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  void SetPropertyChangedHandler(std::function<void(const std::string&)> onChanged) {
    onPropertyChanged_ = std::move(onChanged);
  }

  // Input from the window.
  void OnMouseMove();
  void OnMouseDown(MouseButton button);
  void OnMouseUp(MouseButton button);
  void OnGotFocus();
  void OnLostFocus();
  void OnMouseTimer();
  void OnResize();

  // Drawing.
  void DrawFace(StatePicture picture);
  void ApplyEnabledLook();
  void ApplyNormalLook();

  // Properties.
  const std::string& Caption() const { return caption_.text; }
  void SetCaption(const std::string& newCaption);
  const FontSpec& Font() const { return caption_.font; }
  void SetFont(const FontSpec& newFont);
  std::int32_t FontColour();
  void SetFontColour(std::int32_t newFontColour);
  bool Enabled();
  void SetEnabled(bool newEnabled);
  std::uint8_t Visible();
  void SetVisible(std::uint8_t newVisible);
  void LoadProperties(const ButtonPropertySet& stored);
  void SaveProperties(ButtonPropertySet& stored);

  // The state fields, for the host's tests.
  std::uint8_t ButtonState() const { return buttonState_; }
  bool LeftButtonDown() const { return leftButtonDown_ != 0; }
  bool HoverGradient() const { return hoverGradient_ != 0; }
  bool IsEnabled() const { return isEnabled_ != 0; }
  std::uint8_t FirstRun() const { return firstRun_; }
  const CaptionLook& CaptionState() const { return caption_; }

 private:
  static constexpr std::int16_t kTrue = -1;
  static constexpr std::int16_t kFalse = 0;

  void ResetHover();
  void FillFaceGradient(int width, int height);
  void DrawFrame(StatePicture picture, double dpi);
  void ShowCaptionEnabled(bool enabled);
  void Changed(const char* property);

  CommandWindowPort& window_;
  FacePainter& painter_;
  FontSpec hostFont_;
  std::function<void()> onClick_;
  std::function<void(const std::string&)> onPropertyChanged_;

  std::uint8_t buttonState_ = 0;
  std::int16_t leftButtonDown_ = kFalse;
  std::int16_t hoverGradient_ = kFalse;
  std::int16_t isEnabled_ = kFalse;
  std::uint8_t firstRun_ = 0;
  FrameGeometry geometry_;
  CaptionLook caption_;
};

}  // namespace quillane
