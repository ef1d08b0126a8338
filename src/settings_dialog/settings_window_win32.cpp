#include "settings_dialog/settings_window_win32.h"

#include "common/window_procedure.h"
#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "common/win32_util.h"
#include "resources/picture_ids.h"

namespace quillane::win32 {
namespace {

using settings_dialog::Part;

constexpr wchar_t kClassName[] = L"QuillaneSettingsDialog";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // fixed size, close box only
constexpr UINT kCodePage932 = 932;
enum ControlId { kPanelId = 1000, kTrackListId, kFileButtonId, kSaveButtonId, kCancelButtonId, kOtherWorksId };

ATOM RegisterDialogClass(HINSTANCE instance, WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QUILLANE_ICON), IMAGE_ICON, 32, 32, 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QUILLANE_ICON), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));  // lives as long as the class
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

// The window's outer size for the client area at this resolution.
SIZE OuterSize(int clientWidth, int clientHeight, int dotsPerInch) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT r{0, 0, clientWidth, clientHeight};
  if (!adjustForDpi || !adjustForDpi(&r, kStyle, FALSE, 0, static_cast<UINT>(dotsPerInch))) {
    AdjustWindowRectEx(&r, kStyle, FALSE, 0);
  }
  return {r.right - r.left, r.bottom - r.top};
}

// Text in the system's code page for the ANSI settings; nothing when a character has no place there.
std::optional<std::string> ToAnsi(const std::wstring& text) {
  if (text.empty()) return std::string();
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, &lossy);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, &lossy);
  if (lossy) return std::nullopt;
  return narrow;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

SettingsWindow::SettingsWindow(HINSTANCE instance, MusicSettings& settings, std::string iniPath, ZoomPoint& zoomPoint)
    : instance_(instance),
      zoomPoint_(zoomPoint),
      logic_(settings, profile_, std::move(iniPath), *this, zoom_, zoomPoint),
      panel_(instance, [this](int category) { logic_.SelectBgmCategory(category); }) {}

void SettingsWindow::ShowModal() {
  constexpr WNDPROC procedure =
      &OwnedWindowProc<SettingsWindow, &SettingsWindow::window_, &SettingsWindow::HandleMessage>;
  if (!RegisterDialogClass(instance_, procedure)) return;
  const std::wstring caption = Widen(settings_dialog::kCaption, kCodePage932);
  if (!CreateWindowExW(0, kClassName, caption.c_str(), kStyle, 0, 0, 0, 0, nullptr, nullptr, instance_, this)) return;
  logic_.Open();
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
  MSG message;
  while (!closed_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window_, &message)) {  // Tab moves the focus between the controls
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

LRESULT SettingsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (!CreateControls()) return -1;
      Arrange(DotsPerInchOf(window_));
      return 0;
    case WM_SIZE:
      PaintBackground();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      Arrange(HIWORD(wParam));
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the background bitmap covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_COMMAND:
      return 0;  // Enter and Escape do nothing: the buttons have no keyboard activation
    case WM_CLOSE:  // close box, Alt+F4 and the system menu: close without saving
      logic_.Close();
      return 0;
    case WM_DESTROY:
      closed_ = true;
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

bool SettingsWindow::CreateControls() {
  // Created in the focus order: track list, "...", "設定", "ｷｬﾝｾﾙ", "その他の作品".
  if (!panel_.Create(window_, kPanelId)) return false;
  trackList_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                               CBS_AUTOHSCROLL, 0, 0, 0, 0, panel_.Window(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTrackListId)), instance_, nullptr);
  const auto text = [](Part part) { return settings_dialog::Place(part).text; };
  return trackList_ &&
         buttons_[kFileButton].Create(instance_, panel_.Window(), kFileButtonId, text(Part::FileButton),
                                      [this] { logic_.ChooseFile(); }) &&
         buttons_[kSaveButton].Create(instance_, window_, kSaveButtonId, text(Part::SaveButton),
                                      [this] { logic_.Save(); }) &&
         buttons_[kCancelButton].Create(instance_, window_, kCancelButtonId, text(Part::CancelButton),
                                        [this] { logic_.Cancel(); }) &&
         buttons_[kOtherWorksButton].Create(instance_, window_, kOtherWorksId, text(Part::OtherWorksButton),
                                            [this] { logic_.OpenOtherWorks(); });
}

RECT SettingsWindow::PixelRect(Part part) const {
  const auto& p = settings_dialog::Place(part);
  const int left = settings_dialog::TwipsToPixels(p.left, dpi_), top = settings_dialog::TwipsToPixels(p.top, dpi_);
  return {left, top, left + settings_dialog::TwipsToPixels(p.width, dpi_),
          top + settings_dialog::TwipsToPixels(p.height, dpi_)};
}

void SettingsWindow::Arrange(int dotsPerInch) {
  dpi_ = dotsPerInch;
  const std::wstring face = Widen(settings_dialog::kFontFace, kCodePage932);
  font_.reset(CreateFontW(-settings_dialog::FontPixelHeight(dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          settings_dialog::kShiftJisCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  const SIZE outer = OuterSize(settings_dialog::TwipsToPixels(settings_dialog::kClientWidthTwips, dpi_),
                               settings_dialog::TwipsToPixels(settings_dialog::kClientHeightTwips, dpi_), dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PaintBackground();  // also when the size stayed the same but the resolution changed
  panel_.Arrange(dpi_, font_.get());

  // The list's closed height comes from its item height: set that so the field is as tall as laid out.
  const RECT list = PixelRect(Part::TrackList);
  SendMessageW(trackList_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  const int listHeight = list.bottom - list.top;
  SetWindowPos(trackList_, nullptr, list.left, list.top, list.right - list.left, listHeight * 8, SWP_NOZORDER);
  RECT closed{};
  GetWindowRect(trackList_, &closed);
  const auto item = static_cast<int>(SendMessageW(trackList_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  const int edges = (closed.bottom - closed.top) - item;
  SendMessageW(trackList_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), listHeight - edges);

  const Part places[kButtonCount] = {Part::FileButton, Part::SaveButton, Part::CancelButton, Part::OtherWorksButton};
  for (int i = 0; i < kButtonCount; ++i) buttons_[i].Place(PixelRect(places[i]));
  InvalidateRect(window_, nullptr, TRUE);
}

void SettingsWindow::GetScreenSize(int& width, int& height) {
  width = GetSystemMetrics(SM_CXSCREEN);
  height = GetSystemMetrics(SM_CYSCREEN);
}

void SettingsWindow::GetWindowSize(int& width, int& height) {
  RECT outer{};
  GetWindowRect(window_, &outer);
  width = outer.right - outer.left;
  height = outer.bottom - outer.top;
}

void SettingsWindow::MoveWindow(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every image button of the dialog, those inside the panel included, starts its hover timer.
void SettingsWindow::InitializeButtons() {
  for (DialogButton& button : buttons_) button.Initialize();
}

void SettingsWindow::PaintBackground() {
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right <= 0 || client.bottom <= 0 || !font_) return;
  HDC windowDc = GetDC(window_);
  background_.reset(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
  UniqueMemoryDc dc(CreateCompatibleDC(windowDc));
  ReleaseDC(window_, windowDc);
  ScopedSelect select(dc.get(), background_.get());
  PaintGradient(dc.get(), client.right, client.bottom, false);
  DrawLabel(dc.get(), font_.get(), PixelRect(Part::Signature), settings_dialog::Place(Part::Signature).text,
            RGB(255, 255, 255), DT_LEFT);
}

void SettingsWindow::Paint() {
  PaintScope paint(window_);
  RECT client{};
  GetClientRect(window_, &client);
  DrawBitmap(paint.Dc(), background_.get(), client.right, client.bottom);
}

void SettingsWindow::SetTrackText(const std::string& text) { SetWindowTextW(trackList_, Widen(text).c_str()); }

std::string SettingsWindow::TrackText() { return ToAnsi(WindowText(trackList_)).value_or(std::string()); }

void SettingsWindow::AddTrackEntry(const std::string& text) {
  SendMessageW(trackList_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void SettingsWindow::ShowFileName(const std::string& path) { panel_.ShowFileName(Widen(path)); }

std::optional<std::string> SettingsWindow::GetOpenFileNameA(const settings_dialog::FileChooserRequest& request) {
  const std::wstring filter = Widen(request.filter, kCodePage932);
  const std::wstring title = Widen(request.title, kCodePage932);
  std::vector<wchar_t> file(request.fileBufferLength, L'\0'), fileTitle(request.fileTitleBufferLength, L'\0');
  OPENFILENAMEW chooser{};
  chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400W;  // without the later extension fields
  chooser.hwndOwner = window_;
  chooser.hInstance = instance_;
  chooser.lpstrFilter = filter.c_str();
  chooser.lpstrFile = file.data();
  chooser.nMaxFile = static_cast<DWORD>(file.size());
  chooser.lpstrFileTitle = fileTitle.data();
  chooser.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
  chooser.lpstrTitle = title.c_str();
  chooser.Flags = request.flags;
  if (!GetOpenFileNameW(&chooser)) return std::nullopt;
  // A path the settings file's code page can't hold would be stored as a different, wrong path.
  return ToAnsi(file.data());
}

void SettingsWindow::SetBusyCursor(bool busy) { SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW)); }

void SettingsWindow::ShellExecuteA(const char* verb, const char* file) {
  ShellExecuteW(window_, Widen(verb).c_str(), Widen(file).c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace quillane::win32
