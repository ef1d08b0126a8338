// The settings dialog on a screen scaled to 150 %: the runner starts a pass of its own at 144 dots
// per inch for this suite, and the dialog must keep its proportions there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "dialog_driver.h"

namespace e2e {
namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using ThreadDpiAwareness = void*(WINAPI*)(void*);
const auto kPerMonitorAwareV2 = reinterpret_cast<void*>(static_cast<INT_PTR>(-4));

// An export as a plain function pointer, to be cast to its real type.
void (*Function(HMODULE module, const char* name))() {
  return reinterpret_cast<void (*)()>(GetProcAddress(module, name));
}

int Scaled(int twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

class SettingsDialogAtScaledDpi : public DesktopTest {};

TEST_F(SettingsDialogAtScaledDpi, KeepsItsProportionsAt144DotsPerInch) {
  const char* wanted = std::getenv("QUILLANE_TEST_DPI");
  if (!wanted) GTEST_SKIP() << "runs in the runner's scaled-screen pass";
  const int dpi = std::atoi(wanted);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto dpiFor = reinterpret_cast<DpiForWindow>(Function(user32, "GetDpiForWindow"));
  const auto setAwareness = reinterpret_cast<ThreadDpiAwareness>(Function(user32, "SetThreadDpiAwarenessContext"));
  ASSERT_TRUE(dpiFor && setAwareness);
  void* previous = setAwareness(kPerMonitorAwareV2);  // see the dialog's real pixels

  SaverFolder folder;
  folder.AddFakeVisual();
  folder.WriteIni(IniBytes(" 1", " 7", ""));
  RunningDialog dialog(folder);
  ASSERT_NE(dialog.Window(), nullptr);
  EXPECT_EQ(static_cast<int>(dpiFor(dialog.Window())), dpi);
  RECT client{};
  GetClientRect(dialog.Window(), &client);
  EXPECT_EQ(client.right, Scaled(7185, dpi));
  EXPECT_EQ(client.bottom, Scaled(3780, dpi));

  const Pixels shot = CaptureClient(dialog.Window());
  dialog.Screenshot(L"dialog-dpi" + std::to_wstring(dpi));
  EXPECT_EQ(shot.At(0, 0), RGB(0, 0, 30)) << "dark navy at the top";
  EXPECT_EQ(shot.At(1, client.bottom / 2), RGB(220, 220, 250)) << "pale lavender at mid-height";
  EXPECT_EQ(shot.At(Scaled(180, dpi), Scaled(240, dpi)), RGB(30, 30, 30)) << "the panel starts where laid out";
  const HWND save = dialog.ControlAt(dialog.Client({Scaled(4800 + 1095 / 2, dpi), Scaled(3000 + 375 / 2, dpi)}));
  ASSERT_TRUE(IsChild(dialog.Window(), save));
  RECT button{};
  GetWindowRect(save, &button);
  EXPECT_EQ(button.right - button.left, Scaled(1095, dpi)) << "the save button's width";
  EXPECT_EQ(button.bottom - button.top, Scaled(375, dpi)) << "the save button's height";
  setAwareness(previous);
}

}  // namespace
}  // namespace e2e
