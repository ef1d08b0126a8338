#include "preview/preview_setup.h"

namespace quillane {

bool SetUpPreview(PreviewPort& port, std::int32_t hostHandle) {
  const auto host = static_cast<std::intptr_t>(hostHandle);
  // A handle that names no window would give a window that nothing ever closes: end instead.
  if (host == 0 || !port.IsWindow(host)) return false;

  ScreenRect hostRect;
  if (!port.GetWindowRect(host, hostRect)) hostRect = {};
  const int width = static_cast<int>(hostRect.right - hostRect.left);
  const int height = static_cast<int>(hostRect.bottom - hostRect.top);

  const std::intptr_t preview = port.CreatePreviewWindow();
  if (preview == 0) return false;
  // A child window can't also be a pop-up: that one bit goes, the others stay.
  const long style = port.GetWindowLongA(preview, kStyleIndex);
  port.SetWindowLongA(preview, kStyleIndex, (style & ~kPopupStyle) | kChildStyle);
  port.SetParent(preview, host);
  // The picture is drawn at its own size at the top-left: the window only needs the host's size.
  port.MoveWindow(preview, 0, 0, width, height);
  port.ShowPreviewWindow(preview);
  return true;
}

}  // namespace quillane
