// The test machine's Wine is set up like a Windows desktop for the dialog:
// - "ＭＳ Ｐゴシック" is a proportional face on a Japanese Windows; here it is mapped to the
//   proportional IPA face (Wine's own mapping picks the fixed-pitch one);
// - with no window manager on the test display, Wine draws the title bars itself, so that the
//   close box is there to be pressed and seen in the screenshots.
// Programs started after this read both settings.
#include <gtest/gtest.h>
#include <windows.h>

namespace e2e {
namespace {

class DesktopLikeWindowsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    SetFontSubstitute();
    DrawTitleBars();
  }

 private:
  static void DrawTitleBars() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return;
    }
    const wchar_t no[] = L"N";
    RegSetValueExW(key, L"Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof(no));
    RegCloseKey(key);
  }

  static void SetFontSubstitute() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", 0,
                        nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    const wchar_t face[] = L"IPAPGothic";
    RegSetValueExW(key, L"ＭＳ Ｐゴシック", 0, REG_SZ, reinterpret_cast<const BYTE*>(face), sizeof(face));
    RegCloseKey(key);
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new DesktopLikeWindowsEnvironment);

}  // namespace
}  // namespace e2e
