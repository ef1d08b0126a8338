// The test machine's Wine is set up like a Japanese Windows for the dialog's font: there
// "ＭＳ Ｐゴシック" is a proportional face, here it is mapped to the proportional IPA face (Wine's
// own mapping picks the fixed-pitch one). Programs started after this read the mapping.
#include <gtest/gtest.h>
#include <windows.h>

namespace e2e {
namespace {

class JapaneseFontEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
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

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new JapaneseFontEnvironment);

}  // namespace
}  // namespace e2e
