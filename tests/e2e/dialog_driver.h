#pragma once
// Driving the settings dialog of the real program from outside: starting it, finding its parts by
// the layout's positions, pressing the mouse and keys as a person would, and the settings file.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "screen_capture.h"

namespace e2e {

// Pixels of the layout at 96 dots per inch: the dialog's client area, and the panel inside it.
inline constexpr POINT kPanelOrigin{12, 16};
inline constexpr SIZE kClientSize{479, 252};
// In the panel:
inline constexpr RECT kCdMark{20, 56, 33, 69}, kCdCaption{36, 56, 79, 69};
inline constexpr RECT kNoneMark{20, 76, 33, 89}, kNoneCaption{36, 76, 59, 89};
inline constexpr RECT kFileMark{20, 96, 33, 109}, kFileCaption{36, 96, 96, 109};
inline constexpr RECT kTrackList{92, 52, 133, 72}, kFileButton{36, 116, 65, 137};
// In the dialog's client area:
inline constexpr RECT kOtherWorksButton{192, 200, 317, 225}, kSaveButton{320, 200, 393, 225},
    kCancelButton{396, 200, 465, 225};
inline constexpr int kMarkUnselectedId = 201, kMarkSelectedId = 202;
inline constexpr COLORREF kMarkKeyColour = RGB(255, 0, 255);

// The settings file as the profile functions write it. Windows keeps the blank before a number;
// Wine's writer drops it.
inline bool ProfileKeepsLeadingBlanks() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr;
}
inline std::string Number(const std::string& text) {
  return !ProfileKeepsLeadingBlanks() && !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}
inline std::string IniBytes(const std::string& category, const std::string& repeat, const std::string& file) {
  return "[Section]\r\nBGM\x8b\xe6\x95\xaa=" + Number(category) + "\r\nBGM\xd8\xcb\xdf\xb0\xc4=" + Number(repeat) +
         "\r\nBGM\xcc\xa7\xb2\xd9=" + file + "\r\n";
}

// Moves the pointer there and presses and releases a mouse button.
inline void ClickAt(POINT screen, bool rightButton = false) {
  SetCursorPos(screen.x, screen.y);
  Sleep(30);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

inline void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    inputs.push_back(down);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *--it;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The settings dialog of a started Quillane.scr /c.
class RunningDialog {
 public:
  explicit RunningDialog(const SaverFolder& folder)
      : program_(std::make_unique<Process>(folder.Scr(), L"/c")) {
    WaitUntil([&] {
      window_ = FindTopLevel(L"<Quillane>");
      return window_ && IsWindowVisible(window_);
    }, 10000, 20);
    Sleep(300);  // the opening zoom and the first paint
  }
  HWND Window() const { return window_; }
  Process& Program() { return *program_; }

  POINT Client(POINT p) const {
    ClientToScreen(window_, &p);
    return p;
  }
  // The centre of a part given in the panel's pixels.
  POINT PanelCentre(RECT part) const {
    return Client({kPanelOrigin.x + (part.left + part.right) / 2, kPanelOrigin.y + (part.top + part.bottom) / 2});
  }
  POINT ClientCentre(RECT part) const { return Client({(part.left + part.right) / 2, (part.top + part.bottom) / 2}); }
  HWND ControlAt(POINT screen) const { return WindowFromPoint(screen); }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
  }
  // Whether the mark at this place in the panel shows the picture, its see-through pixels aside.
  bool MarkShows(const RECT& mark, const Pixels& picture) const {
    const Pixels client = CaptureClient(window_);
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        if (picture.At(x, y) == kMarkKeyColour) continue;
        if (client.At(kPanelOrigin.x + mark.left + x, kPanelOrigin.y + mark.top + y) != picture.At(x, y)) return false;
      }
    }
    return true;
  }
  HWND FindComboBox() const {
    HWND panel = GetWindow(window_, GW_CHILD);
    for (; panel; panel = GetWindow(panel, GW_HWNDNEXT)) {
      if (HWND combo = FindWindowExW(panel, nullptr, L"ComboBox", nullptr)) return combo;
    }
    return nullptr;
  }
  // The track list's edit text, through messages: the text lives in the other process.
  std::wstring TrackText() const {
    wchar_t text[64] = L"";
    SendMessageW(FindComboBox(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
  }
  void SetTrackText(const std::wstring& text) const {
    SendMessageW(FindComboBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // The close box: found by asking the window what lies along its caption.
  POINT CloseBox() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    const int y = (outer.top + origin.y) / 2;
    for (int x = outer.right - 1; x > outer.left; --x) {
      if (SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 4, y};
    }
    return {outer.right - 10, y};
  }
  Pixels Screenshot(const std::wstring& name) const {
    Pixels shot = CaptureWindow(window_);
    SaveScreenshot(shot, name + L"-cp" + std::to_wstring(GetACP()));
    return shot;
  }

 private:
  std::unique_ptr<Process> program_;
  HWND window_ = nullptr;
};

}  // namespace e2e
