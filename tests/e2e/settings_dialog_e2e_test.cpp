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

  HWND trackList = dialog.FindComboBox();
  ASSERT_NE(trackList, nullptr);
  const HWND atTrackList = dialog.ControlAt(dialog.PanelCentre(kTrackList));
  EXPECT_TRUE(atTrackList == trackList || IsChild(trackList, atTrackList)) << "the list lies where laid out";
  EXPECT_EQ(dialog.TrackText(), L"7");
  ASSERT_EQ(SendMessageW(trackList, CB_GETCOUNT, 0, 0), 31);
  wchar_t entry[8] = L"?";
  SendMessageW(trackList, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(std::wstring(entry), L"");
  SendMessageW(trackList, CB_GETLBTEXT, 30, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(std::wstring(entry), L"30");
  EXPECT_EQ(SendMessageW(trackList, CB_GETCURSEL, 0, 0), CB_ERR) << "no entry selected";
  // Each button where the layout puts it: four different windows of the dialog.
  const HWND buttons[] = {dialog.ControlAt(dialog.PanelCentre(kFileButton)),
                          dialog.ControlAt(dialog.ClientCentre(kSaveButton)),
                          dialog.ControlAt(dialog.ClientCentre(kCancelButton)),
                          dialog.ControlAt(dialog.ClientCentre(kOtherWorksButton))};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(IsChild(dialog.Window(), buttons[i])) << i;
    for (int j = 0; j < i; ++j) EXPECT_NE(buttons[i], buttons[j]);
  }
}

// A dialog box of the program's (the file-open dialog, or any message box).
HWND DialogBoxOf(const RunningDialog& dialog) {
  DWORD process = 0;
  GetWindowThreadProcessId(dialog.Window(), &process);
  for (HWND window : TopLevelWindowsOf(process)) {
    if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

TEST_F(SettingsDialogInBothLocales, PressesOnCaptionsAndMarksSelectTheCategory) {
  folder_.WriteIni(IniBytes(" 0", " 0", ""));
  RunningDialog dialog(folder_);
  ASSERT_NE(dialog.Window(), nullptr);
  const Pixels unselected = BitmapResource(folder_.Scr(), kMarkUnselectedId);
  const Pixels selected = BitmapResource(folder_.Scr(), kMarkSelectedId);
  ASSERT_EQ(selected.width, 12);
  HWND trackList = dialog.FindComboBox();
  ASSERT_NE(trackList, nullptr);
  const RECT marks[3] = {kNoneMark, kCdMark, kFileMark};
  const auto showsCategory = [&](int category) {
    for (int i = 0; i < 3; ++i) {
      if (!dialog.MarkShows(marks[i], i == category ? selected : unselected)) return false;
    }
    return (IsWindowEnabled(trackList) != FALSE) == (category == 1);
  };
  EXPECT_TRUE(WaitUntil([&] { return showsCategory(0); }, 3000, 50)) << "as loaded";

  const struct {
    RECT target;
    bool rightButton;
    int category;
    const wchar_t* screenshot;
  } presses[] = {
      {kFileCaption, true, 2, L"dialog-file"},   {kCdMark, false, 1, nullptr},
      {kNoneCaption, true, 0, L"dialog-none"},   {kFileMark, false, 2, nullptr},
      {kCdCaption, true, 1, L"dialog-music-cd"}, {kNoneMark, false, 0, nullptr},
  };
  for (const auto& press : presses) {
    SCOPED_TRACE(testing::Message() << "category " << press.category << (press.rightButton ? " right" : " left"));
    ClickAt(dialog.PanelCentre(press.target), press.rightButton);
    EXPECT_TRUE(WaitUntil([&] { return showsCategory(press.category); }, 3000, 50));
    if (press.screenshot) dialog.Screenshot(press.screenshot);
  }
  EXPECT_TRUE(dialog.Program().Running());
  EXPECT_EQ(folder_.ReadIni(), IniBytes(" 0", " 0", "")) << "nothing is written before saving";
}

TEST_F(SettingsDialogInBothLocales, AFileChosenThroughTheFileOpenDialogIsShownAndSaved) {
  const std::wstring music = folder_.File(L"theme.mp3");
  WriteBytes(music, "ID3");
  folder_.WriteIni(IniBytes(" 0", " 0", ""));
  RunningDialog dialog(folder_);
  ASSERT_NE(dialog.Window(), nullptr);

  ClickAt(dialog.PanelCentre(kFileButton));
  Sleep(700);
  EXPECT_EQ(DialogBoxOf(dialog), nullptr) << "\"...\" does nothing outside the file category";

  ClickAt(dialog.PanelCentre(kFileCaption));
  Sleep(200);
  ClickAt(dialog.PanelCentre(kFileButton));
  HWND chooser = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (chooser = DialogBoxOf(dialog)) != nullptr; }, 10000, 50));
  EXPECT_EQ(TextOf(chooser), L"ﾌｧｲﾙを開く");
  EXPECT_EQ(GetWindow(chooser, GW_OWNER), dialog.Window());
  wchar_t filter[64] = L"";
  SendDlgItemMessageW(chooser, 0x470, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));  // the file types
  EXPECT_EQ(std::wstring(filter), L"BGMﾌｧｲﾙ (MP3 WAV)");
  SetDlgItemTextW(chooser, 0x47C, music.c_str());  // the file name field
  PostMessageW(chooser, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }, 10000, 50));
  Sleep(300);
  dialog.Screenshot(L"dialog-file-chosen");

  ClickAt(dialog.PanelCentre(kNoneCaption));  // the chosen file stays stored with another category
  Sleep(200);
  ClickAt(dialog.ClientCentre(kSaveButton));
  ASSERT_TRUE(dialog.Program().WaitForExit(10000));
  EXPECT_EQ(folder_.ReadIni(), IniBytes(" 0", " 0", Narrow(music)));
}

TEST_F(SettingsDialogInBothLocales, SaveWritesTheThreeKeysAndCloses) {
  const struct {
    std::string before;
    std::wstring trackText;
    std::string after;
  } cases[] = {
      {IniBytes(" 1", " 3", ""), L"12", IniBytes(" 1", " 12", "")},
      {IniBytes(" 1", " 3", ""), L"2.5", IniBytes(" 1", " 2", "")},
      {IniBytes(" 1", " 3", ""), L"abc", IniBytes(" 1", " 0", "")},
      {"", L"-3", IniBytes(" 0", "-3", "")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Narrow(c.trackText));
    if (c.before.empty()) DeleteFileW(folder_.File(L"Quillane.ini").c_str());
    else folder_.WriteIni(c.before);
    RunningDialog dialog(folder_);
    ASSERT_NE(dialog.Window(), nullptr);
    dialog.SetTrackText(c.trackText);
    ClickAt(dialog.ClientCentre(kSaveButton));
    ASSERT_TRUE(dialog.Program().WaitForExit(10000));
    EXPECT_EQ(folder_.ReadIni(), c.after);
  }
}

TEST_F(SettingsDialogInBothLocales, CancelTheCloseBoxAndAltF4LeaveTheFileAsItWas) {
  const std::string before = "; kept as it is\r\n[Section]\r\nBGM\x8b\xe6\x95\xaa= 1\r\nBGM\xd8\xcb\xdf\xb0\xc4=4\r\n";
  for (const char* way : {"cancel", "close box", "Alt+F4"}) {
    SCOPED_TRACE(way);
    folder_.WriteIni(before);
    RunningDialog dialog(folder_);
    ASSERT_NE(dialog.Window(), nullptr);
    ClickAt(dialog.PanelCentre(kFileCaption));  // changes the settings in memory only
    dialog.SetTrackText(L"9");
    Sleep(200);
    if (std::string(way) == "cancel") {
      ClickAt(dialog.ClientCentre(kCancelButton));
    } else if (std::string(way) == "close box") {
      ClickAt(dialog.CloseBox());
    } else {
      SetForegroundWindow(dialog.Window());
      Sleep(100);
      PressKeys({VK_MENU, VK_F4});
    }
    EXPECT_TRUE(dialog.Program().WaitForExit(10000));
    EXPECT_EQ(folder_.ReadIni(), before);
  }
}

TEST_F(SettingsDialogInBothLocales, ASaveThatCannotWriteClosesWithoutAnyMessage) {
  folder_.WriteIni(IniBytes(" 2", " 0", ""));
  RunningDialog dialog(folder_);
  ASSERT_NE(dialog.Window(), nullptr);
  // Held open without sharing: the profile functions can neither read nor write the file.
  HANDLE held = CreateFileW(folder_.File(L"Quillane.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  SetFileAttributesW(folder_.Path().c_str(), FILE_ATTRIBUTE_READONLY);
  ClickAt(dialog.ClientCentre(kSaveButton));
  bool messageShown = false;
  const bool ended = WaitUntil([&] {
    messageShown = messageShown || DialogBoxOf(dialog) != nullptr;
    return !dialog.Program().Running();
  }, 15000, 20);
  CloseHandle(held);
  SetFileAttributesW(folder_.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(messageShown);
  EXPECT_EQ(dialog.Program().ExitCode(), 0u);
  EXPECT_EQ(folder_.ReadIni(), IniBytes(" 2", " 0", ""));
}

TEST_F(SettingsDialogInBothLocales, TabFollowsTheLayoutOrderAndTheButtonsAnswerThePointer) {
  folder_.WriteIni(IniBytes(" 1", " 0", ""));
  RunningDialog dialog(folder_);
  ASSERT_NE(dialog.Window(), nullptr);
  SetForegroundWindow(dialog.Window());
  HWND trackList = dialog.FindComboBox();
  ASSERT_TRUE(WaitUntil([&] { return IsChild(trackList, dialog.Focus()) || dialog.Focus() == trackList; }, 3000, 20))
      << "the track list has the focus first";
  const POINT order[] = {dialog.PanelCentre(kFileButton), dialog.ClientCentre(kSaveButton),
                         dialog.ClientCentre(kCancelButton), dialog.ClientCentre(kOtherWorksButton)};
  for (const POINT& next : order) {
    PressKeys({VK_TAB});
    HWND expected = dialog.ControlAt(next);
    EXPECT_TRUE(WaitUntil([&] { return dialog.Focus() == expected; }, 3000, 20));
    if (&next == &order[1]) dialog.Screenshot(L"dialog-focus-save");
  }
  PressKeys({VK_TAB});
  EXPECT_TRUE(WaitUntil([&] { return IsChild(trackList, dialog.Focus()) || dialog.Focus() == trackList; }, 3000, 20));

  // The hover look comes from the button's own timer, started when the dialog opened.
  const RECT cancel{dialog.ClientCentre(kCancelButton).x - 30, dialog.ClientCentre(kCancelButton).y - 10,
                    dialog.ClientCentre(kCancelButton).x + 30, dialog.ClientCentre(kCancelButton).y + 10};
  SetCursorPos(10, 700);
  Sleep(400);
  const Pixels away = CaptureScreen(cancel);
  SetCursorPos(dialog.ClientCentre(kCancelButton).x, dialog.ClientCentre(kCancelButton).y);
  EXPECT_TRUE(WaitUntil([&] { return CaptureScreen(cancel).data != away.data; }, 3000, 50)) << "hover look";
  dialog.Screenshot(L"dialog-hover-cancel");
}

}  // namespace
}  // namespace e2e
