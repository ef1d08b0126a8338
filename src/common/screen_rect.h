#pragma once
// A rectangle in screen pixels, laid out like the system's RECT.
namespace quillane {

struct ScreenRect {
  long left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

}  // namespace quillane
