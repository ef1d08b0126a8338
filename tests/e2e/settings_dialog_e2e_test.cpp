// The settings dialog of the real program: where it opens, what presses select, what it saves.
#include <gtest/gtest.h>

#include "dialog_driver.h"

namespace e2e {
namespace {

class SettingsDialogInBothLocales : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    folder_.AddFakeVisual();
  }
  SaverFolder folder_;
};

TEST_F(SettingsDialogInBothLocales, OpensCentredAtOneThirdWithItsLayoutAndGradients) {
  folder_.WriteIni(IniBytes(" 1", " 7", ""));
  RunningDialog dialog(folder_);
  ASSERT_NE(dialog.Window(), nullptr);
  EXPECT_EQ(TextOf(dialog.Window()), L"<Quillane>");
  RECT client{}, outer{};
  GetClientRect(dialog.Window(), &client);
  GetWindowRect(dialog.Window(), &outer);
  EXPECT_EQ(client.right, kClientSize.cx);
  EXPECT_EQ(client.bottom, kClientSize.cy);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 3);
  const LONG style = GetWindowLongW(dialog.Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  const Pixels shot = CaptureClient(dialog.Window());
  dialog.Screenshot(L"dialog-music-cd");
  EXPECT_EQ(shot.At(0, 0), RGB(0, 0, 30)) << "dark navy at the top";
  EXPECT_EQ(shot.At(0, 126), RGB(220, 220, 250)) << "pale lavender at mid-height";
  EXPECT_EQ(shot.At(kPanelOrigin.x, kPanelOrigin.y), RGB(30, 30, 30)) << "the panel's own gradient";
  EXPECT_EQ(shot.At(kPanelOrigin.x, kPanelOrigin.y + 84), RGB(250, 250, 250));
}

}  // namespace
}  // namespace e2e
