#include "controls/command.h"

#include <cmath>
#include <limits>

namespace quillane {
namespace {

constexpr const char* kCaptionReadDefault = "Command1";
// The caption a caption of "Command1" is written as. It matches the read default so that every
// caption, "Command" included, reads back as it was saved.
constexpr const char* kCaptionWriteDefault = "Command1";

int ToPixel(double twips, double dpi) { return static_cast<int>(std::floor(twips * dpi / kTwipsPerInch + 0.5)); }

template <typename T>
bool Fits(std::int64_t value) {
  return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

}  // namespace

Command::Command(CommandWindowPort& window, FacePainter& painter, FontSpec hostFont)
    : window_(window), painter_(painter), hostFont_(std::move(hostFont)) {
  caption_.text = "Command";
  caption_.font = DesignFont();
  // The caption box of the design size, 1755 x 420 twips, until the first drawing places it.
  caption_.box = PixelRect{0, ToPixel(CaptionBoxTopTwips(420), 96), 117, ToPixel(kCaptionBoxHeightTwips, 96)};
}

void Command::Initialize() {
  buttonState_ = 1;
  window_.SetTimer(kMouseTimerIntervalMs);
}

// ---- the state machine ----

void Command::OnMouseMove() {
  if (!isEnabled_) return;
  if (buttonState_ == 1) {
    buttonState_ = 2;
    DrawFace(StatePicture::HighLight);
  }
  if (buttonState_ == 3 && !leftButtonDown_) {
    buttonState_ = 4;
    DrawFace(StatePicture::HighLightSelect);
  }
}

void Command::OnMouseDown(MouseButton button) {
  if (!isEnabled_) return;
  if (button != MouseButton::Left) return;
  leftButtonDown_ = kTrue;
  DrawFace(StatePicture::Pressed);
}

void Command::OnMouseUp(MouseButton button) {
  if (!isEnabled_) return;
  if (button == MouseButton::Left) {
    leftButtonDown_ = kFalse;
    if (buttonState_ == 2) DrawFace(StatePicture::Normal);
    if (buttonState_ == 4) DrawFace(StatePicture::HighLightSelect);
  }
  // Last step, through a copy of the handler: the host's handler may destroy this button.
  if (buttonState_ != 3 && onClick_) {
    const std::function<void()> onClick = onClick_;
    onClick();
  }
}

void Command::OnGotFocus() {
  if (!isEnabled_) return;
  if (buttonState_ != 2) {
    buttonState_ = 3;
    DrawFace(StatePicture::Selected);
  } else {
    // The focus came with a left press during hover: the pressed look stays until the release.
    buttonState_ = 4;
    DrawFace(StatePicture::Pressed);
  }
}

void Command::OnLostFocus() {
  if (!isEnabled_) return;
  if (buttonState_ != 1) {
    buttonState_ = 1;
    DrawFace(StatePicture::Normal);
  }
}

void Command::OnMouseTimer() {
  ScreenPoint point;
  window_.GetCursorPos(&point);
  // Leaving is noticed only here: anything under the pointer but the button's own window (the
  // parent included) ends the hover look.
  const WindowRef found = window_.WindowFromPoint(point);
  if (found == window_.ParentWindow() || found != window_.OwnWindow()) ResetHover();
}

void Command::ResetHover() {
  if (!isEnabled_) return;
  if (buttonState_ == 2) {
    buttonState_ = 1;
    DrawFace(StatePicture::Normal);
  }
  if (buttonState_ == 4) {
    buttonState_ = 3;
    DrawFace(StatePicture::Selected);
  }
}

void Command::OnResize() { ApplyEnabledLook(); }

// ---- drawing ----

void Command::DrawFace(StatePicture picture) {
  if (buttonState_ == 1 || buttonState_ == 3) hoverGradient_ = kFalse;
  if (buttonState_ == 2) hoverGradient_ = kTrue;

  int width = 0, height = 0;
  double dpi = 96;
  const bool sized = window_.GetClientSize(&width, &height, &dpi) && dpi > 0;
  if (sized) {
    if (const auto geometry = ComputeFrameGeometry(PixelsToTwips(width, dpi), PixelsToTwips(height, dpi))) {
      geometry_ = *geometry;
    }
  }
  painter_.ClearFace();
  if (sized) FillFaceGradient(width, height);
  DrawFrame(picture, sized ? dpi : 96);
  painter_.PresentFace();
  if (sized) {
    const double heightTwips = PixelsToTwips(height, dpi);
    caption_.box = PixelRect{0, ToPixel(CaptionBoxTopTwips(heightTwips), dpi), width,
                             ToPixel(kCaptionBoxHeightTwips, dpi)};
    painter_.ShowCaption(caption_);
  }
}

// The face is presented once, by DrawFace, after the frame: presenting the bare gradient first
// would only make the face flicker.
void Command::FillFaceGradient(int width, int height) {
  const std::array<TriVertex, 2> vertices = FaceGradientVertices(width, height, hoverGradient_ != 0);
  painter_.GradientFill(vertices.data(), 2, &kFaceGradientRect, 1, kGradientFillRectV);
}

void Command::DrawFrame(StatePicture picture, double dpi) {
  for (const std::optional<FramePiece>& piece : FramePieces(geometry_)) {
    if (!piece) continue;
    const PixelRect destination = ToWindowPixels(piece->destination, dpi);
    // An edge of no length (a button 8 pixels wide) or less has nothing to show.
    if (destination.width <= 0 || destination.height <= 0) continue;
    painter_.StretchBlt(destination, picture, ToPicturePixels(piece->source));
  }
}

void Command::ShowCaptionEnabled(bool enabled) {
  caption_.enabled = enabled;
  painter_.ShowCaption(caption_);
}

void Command::ApplyEnabledLook() {
  if (isEnabled_) {
    DrawFace(StatePicture::Normal);
    ShowCaptionEnabled(true);
  } else {
    DrawFace(StatePicture::Disable);
    ShowCaptionEnabled(false);
  }
}

void Command::ApplyNormalLook() {
  if (!isEnabled_) return;
  ShowCaptionEnabled(true);
  if (firstRun_ == 0) caption_.colour = 0;
  DrawFace(StatePicture::Normal);
}

// ---- properties ----

void Command::Changed(const char* property) {
  if (onPropertyChanged_) onPropertyChanged_(property);
}

void Command::SetCaption(const std::string& newCaption) {
  caption_.text = newCaption;
  painter_.ShowCaption(caption_);
  Changed("Caption");
}

void Command::SetFont(const FontSpec& newFont) {
  caption_.font = newFont;
  painter_.ShowCaption(caption_);
  Changed("Font");
}

std::int32_t Command::FontColour() {
  const std::int32_t colour = caption_.colour;
  ApplyNormalLook();
  return colour;
}

void Command::SetFontColour(std::int32_t newFontColour) {
  caption_.colour = newFontColour;
  painter_.ShowCaption(caption_);
  ApplyNormalLook();
  Changed("FontColour");
}

bool Command::Enabled() {
  if (firstRun_ == 0) {
    // A button that was never given a stored set becomes enabled on the first read.
    ApplyNormalLook();
    firstRun_ = 1;
    isEnabled_ = kTrue;
  }
  const bool result = isEnabled_ != 0;
  ApplyEnabledLook();
  return result;
}

void Command::SetEnabled(bool newEnabled) {
  isEnabled_ = newEnabled ? kTrue : kFalse;
  Changed("Enabled");
  ApplyEnabledLook();
}

std::uint8_t Command::Visible() {
  if (!caption_.faceShown) return 0;
  ApplyNormalLook();
  return 255;
}

void Command::SetVisible(std::uint8_t newVisible) {
  caption_.faceShown = newVisible != 0;
  painter_.ShowCaption(caption_);
  if (newVisible != 0) ApplyNormalLook();
  Changed("Visible");
}

void Command::LoadProperties(const ButtonPropertySet& stored) {
  // Each key stands alone: a value that does not convert leaves what the button had.
  if (const auto enabled = ToBoolean(stored.ReadProperty("Enabled", true))) isEnabled_ = *enabled ? kTrue : kFalse;
  if (const auto caption = ToText(stored.ReadProperty("Caption", std::string(kCaptionReadDefault)))) {
    caption_.text = *caption;
  }
  if (const auto font = ToFont(stored.ReadProperty("Font", hostFont_))) caption_.font = *font;
  if (const auto firstRun = ToInteger(stored.ReadProperty("FirstRun", std::string("1")));
      firstRun && Fits<std::uint8_t>(*firstRun)) {
    firstRun_ = static_cast<std::uint8_t>(*firstRun);
  }
  if (const auto colour = ToInteger(stored.ReadProperty("FontColour", std::string("0")));
      colour && Fits<std::int32_t>(*colour)) {
    caption_.colour = static_cast<std::int32_t>(*colour);
  }
  // The face's backdrop mode: 1 opaque, 0 transparent; nothing else is a mode.
  if (const auto mode = ToInteger(stored.ReadProperty("Visible", std::string("1")));
      mode && (*mode == 0 || *mode == 1)) {
    caption_.faceShown = *mode == 1;
  }
  painter_.ShowCaption(caption_);
  ApplyNormalLook();
}

void Command::SaveProperties(ButtonPropertySet& stored) {
  stored.WriteProperty("Enabled", isEnabled_ != 0, true);
  stored.WriteProperty("Caption", caption_.text, std::string(kCaptionWriteDefault));
  stored.WriteProperty("FirstRun", static_cast<std::int32_t>(firstRun_), std::int32_t{1});
  stored.WriteProperty("Font", caption_.font, hostFont_);
  stored.WriteProperty("FontColour", caption_.colour, std::int32_t{0});
  stored.WriteProperty("Visible", std::int32_t{caption_.faceShown ? 1 : 0}, std::int32_t{1});
  ApplyNormalLook();
}

}  // namespace quillane
