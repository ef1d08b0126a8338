#pragma once
// A stand-in for the image button's window and painter: it records every drawing call, names the
// picture of each presented face, and plays the pointer position and the focus like Windows would.
#include <string>
#include <utility>
#include <vector>

#include "controls/command.h"

namespace quillane::testing {

inline constexpr WindowRef kOwnWindow = 0x100;
inline constexpr WindowRef kParentWindow = 0x200;
inline constexpr WindowRef kOtherWindow = 0x300;

struct StretchCall {
  PixelRect destination;
  StatePicture picture;
  PixelRect source;
};

struct GradientCall {
  std::vector<TriVertex> vertices;
  std::vector<GradientRect> rects;
  unsigned long mode;
};

class FakeCommandPorts : public CommandWindowPort, public FacePainter {
 public:
  // Window side.
  WindowRef underCursor = kOtherWindow;
  int width = 125, height = 25;
  double dpi = 96;
  std::vector<unsigned> timersStarted;

  bool GetCursorPos(ScreenPoint* point) override {
    *point = ScreenPoint{10, 10};
    return true;
  }
  WindowRef WindowFromPoint(ScreenPoint) override { return underCursor; }
  WindowRef OwnWindow() override { return kOwnWindow; }
  WindowRef ParentWindow() override { return kParentWindow; }
  void SetTimer(unsigned intervalMs) override { timersStarted.push_back(intervalMs); }
  bool GetClientSize(int* w, int* h, double* d) override {
    *w = width;
    *h = height;
    *d = dpi;
    return true;
  }

  // Painter side: calls in order ("clear", "gradient", "stretch", "present", "caption").
  std::vector<std::string> calls;
  std::vector<StretchCall> stretches;     // of the last face
  std::vector<GradientCall> gradients;    // every gradient fill
  std::vector<StatePicture> faces;        // the picture of every presented face
  std::vector<CaptionLook> captions;      // every caption shown

  void ClearFace() override {
    calls.push_back("clear");
    stretches.clear();
  }
  bool GradientFill(const TriVertex* vertices, unsigned long vertexCount, const GradientRect* rects,
                    unsigned long rectCount, unsigned long mode) override {
    calls.push_back("gradient");
    gradients.push_back({{vertices, vertices + vertexCount}, {rects, rects + rectCount}, mode});
    return true;
  }
  bool StretchBlt(const PixelRect& destination, StatePicture picture, const PixelRect& source) override {
    calls.push_back("stretch");
    stretches.push_back({destination, picture, source});
    return true;
  }
  void PresentFace() override {
    calls.push_back("present");
    faces.push_back(stretches.empty() ? StatePicture::Normal : stretches.front().picture);
  }
  void ShowCaption(const CaptionLook& look) override {
    calls.push_back("caption");
    captions.push_back(look);
  }

  std::vector<StatePicture> TakeFaces() { return std::exchange(faces, {}); }
  bool HoverGradientDrawn() const {  // lavender on top in the last gradient
    return gradients.back().vertices[0].red == 0xC600;
  }
};

}  // namespace quillane::testing
