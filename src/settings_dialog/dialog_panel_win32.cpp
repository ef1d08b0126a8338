#include "settings_dialog/dialog_panel_win32.h"

#include "common/window_procedure.h"
#include "common/win32_util.h"
#include "resources/picture_ids.h"
#include "settings_dialog/settings_dialog.h"

namespace quillane::win32 {
namespace {

using settings_dialog::kMarkPictureSize;
using settings_dialog::Part;

constexpr wchar_t kClassName[] = L"QuillaneSettingsPanel";
constexpr COLORREF kMarkKeyColour = RGB(255, 0, 255);  // the mark pictures' see-through colour
constexpr UINT kCodePage932 = 932;

struct Choice {
  int category;
  Part mark, caption;
};
constexpr Choice kChoices[] = {{0, Part::NoneMark, Part::NoneCaption},
                               {1, Part::CdMark, Part::CdCaption},
                               {2, Part::FileMark, Part::FileCaption}};

ATOM RegisterPanelClass(HINSTANCE instance, WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;  // no double clicks: every press is a press
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

}  // namespace

void PaintGradient(HDC dc, int width, int height, bool panel) {
  const auto surface = panel ? settings_dialog::Surface::Panel : settings_dialog::Surface::Dialog;
  // Row `height` lies just outside the surface; the bitmap clips it as the window would.
  for (int y = 0; y <= height; ++y) {
    const auto c = settings_dialog::GradientRow(surface, y, height);
    UniqueBrush brush(CreateSolidBrush(RGB(c.r, c.g, c.b)));
    const RECT row{0, y, width + 1, y + 1};
    FillRect(dc, &row, brush.get());
  }
}

void DrawLabel(HDC dc, HFONT font, const RECT& box, std::string_view text932, COLORREF colour, UINT format) {
  const std::wstring text = Widen(std::string(text932), kCodePage932);
  ScopedSelect select(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT r = box;
  // The captions are sized to their text: never cut them off.
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX | DT_NOCLIP);
}

DialogPanel::DialogPanel(HINSTANCE instance, CategoryPress onPress)
    : instance_(instance),
      onPress_(std::move(onPress)),
      markUnselected_(LoadPicture(instance, QUILLANE_MARK_UNSELECTED)),
      markSelected_(LoadPicture(instance, QUILLANE_MARK_SELECTED)) {}

bool DialogPanel::Create(HWND parent, int controlId) {
  constexpr WNDPROC procedure =
      &OwnedWindowProc<DialogPanel, &DialogPanel::window_, &DialogPanel::HandleMessage>;
  if (!RegisterPanelClass(instance_, procedure)) return false;
  // A control parent, so that Tab moves on into the controls inside it.
  return CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance_, this) != nullptr;
}

void DialogPanel::Arrange(int dotsPerInch, HFONT font) {
  dpi_ = dotsPerInch;
  font_ = font;
  const RECT r = PixelRect(Part::Panel);
  // The size change repaints the background, as for the dialog.
  SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  PaintBackground();
  InvalidateRect(window_, nullptr, FALSE);
}

void DialogPanel::SetMarkSelected(int category, bool selected) {
  selected_[category] = selected;
  for (const Choice& choice : kChoices) {
    if (choice.category != category) continue;
    const RECT r = PixelRect(choice.mark);
    InvalidateRect(window_, &r, FALSE);
  }
}

void DialogPanel::ShowFileName(const std::wstring& path) {
  fileName_ = path;
  const RECT r = PixelRect(Part::FileLabel);
  InvalidateRect(window_, &r, FALSE);
}

RECT DialogPanel::PixelRect(Part part) const {
  const auto& p = settings_dialog::Place(part);
  const int left = settings_dialog::TwipsToPixels(p.left, dpi_);
  const int top = settings_dialog::TwipsToPixels(p.top, dpi_);
  return {left, top, left + settings_dialog::TwipsToPixels(p.width, dpi_),
          top + settings_dialog::TwipsToPixels(p.height, dpi_)};
}

LRESULT DialogPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the background bitmap covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Press(lParam);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void DialogPanel::PaintBackground() {
  RECT client{};
  GetClientRect(window_, &client);
  HDC windowDc = GetDC(window_);
  background_.reset(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
  UniqueMemoryDc dc(CreateCompatibleDC(windowDc));
  ReleaseDC(window_, windowDc);
  ScopedSelect select(dc.get(), background_.get());
  PaintGradient(dc.get(), client.right, client.bottom, true);

  const RECT frame = PixelRect(Part::HeadingFrame);
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  ScopedSelect selectPen(dc.get(), pen.get());
  ScopedSelect selectBrush(dc.get(), GetStockObject(NULL_BRUSH));
  Rectangle(dc.get(), frame.left, frame.top, frame.right, frame.bottom);
  for (Part part : {Part::Heading, Part::CdCaption, Part::TrackCaption, Part::NoneCaption, Part::FileCaption}) {
    DrawLabel(dc.get(), font_, PixelRect(part), settings_dialog::Place(part).text, RGB(0, 0, 0),
              part == Part::Heading ? DT_CENTER : DT_LEFT);
  }
}

void DialogPanel::Paint() {
  PaintScope paint(window_);
  RECT client{};
  GetClientRect(window_, &client);
  DrawBitmap(paint.Dc(), background_.get(), client.right, client.bottom);
  UniqueMemoryDc source(CreateCompatibleDC(paint.Dc()));
  const int markSize = MulDiv(kMarkPictureSize, dpi_, 96);
  for (const Choice& choice : kChoices) {
    const RECT r = PixelRect(choice.mark);
    ScopedSelect select(source.get(), (selected_[choice.category] ? markSelected_ : markUnselected_).get());
    TransparentBlt(paint.Dc(), r.left, r.top, markSize, markSize, source.get(), 0, 0, kMarkPictureSize,
                   kMarkPictureSize, kMarkKeyColour);
  }
  const RECT label = PixelRect(Part::FileLabel);
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  ScopedSelect selectPen(paint.Dc(), pen.get());
  ScopedSelect selectBrush(paint.Dc(), GetStockObject(NULL_BRUSH));
  Rectangle(paint.Dc(), label.left, label.top, label.right, label.bottom);
  // A long path wraps inside the border; a line the label can't hold whole still shows its top.
  const int saved = SaveDC(paint.Dc());
  IntersectClipRect(paint.Dc(), label.left + 1, label.top + 1, label.right - 1, label.bottom - 1);
  RECT text{label.left + 2, label.top + 2, label.right - 2, label.bottom + label.bottom - label.top};
  ScopedSelect selectFont(paint.Dc(), font_);
  SetBkMode(paint.Dc(), TRANSPARENT);
  SetTextColor(paint.Dc(), RGB(0, 0, 0));
  DrawTextW(paint.Dc(), fileName_.c_str(), static_cast<int>(fileName_.size()), &text,
            DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
  RestoreDC(paint.Dc(), saved);
}

void DialogPanel::Press(LPARAM lParam) {
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  for (const Choice& choice : kChoices) {
    const RECT mark = PixelRect(choice.mark), caption = PixelRect(choice.caption);
    if (PtInRect(&mark, at) || PtInRect(&caption, at)) {
      onPress_(choice.category);
      return;
    }
  }
}

}  // namespace quillane::win32
