#include "settings_dialog/settings_dialog.h"

#include <gtest/gtest.h>

#include "fake_profile.h"
#include "settings_dialog/dialog_layout.h"

namespace quillane::settings_dialog {
namespace {

const std::string kIni = "C:\\Saver\\Quillane.ini";

// The dialog's controls as the logic leaves them.
class FakeDialog : public DialogPort {
 public:
  bool marks[3] = {true, true, true};
  bool trackListEnabled = true, fileButtonEnabled = true;
  std::string trackText = "unset";
  std::vector<std::string> entries;
  std::string fileName = "unset";
  std::optional<std::string> chosen;
  FileChooserRequest request;
  std::vector<std::string> events;

  void SetMarkSelected(int category, bool selected) override { marks[category] = selected; }
  void SetTrackListEnabled(bool enabled) override { trackListEnabled = enabled; }
  void SetFileButtonEnabled(bool enabled) override { fileButtonEnabled = enabled; }
  void SetTrackText(const std::string& text) override { trackText = text; }
  std::string TrackText() override { return trackText; }
  void AddTrackEntry(const std::string& text) override { entries.push_back(text); }
  void ShowFileName(const std::string& path) override { fileName = path; }
  std::optional<std::string> GetOpenFileNameA(const FileChooserRequest& r) override {
    request = r;
    return chosen;
  }
  void SetBusyCursor(bool busy) override { events.push_back(busy ? "busy" : "normal"); }
  void ShellExecuteA(const char* verb, const char* file) override { events.push_back(std::string(verb) + " " + file); }
  std::intptr_t Window() override { return 42; }
  void GetScreenSize(int& width, int& height) override { width = 1024, height = 768; }
  void GetWindowSize(int& width, int& height) override { width = 485, height = 281; }
  void MoveWindow(int left, int top) override {
    events.push_back("move " + std::to_string(left) + "," + std::to_string(top));
  }
  void InitializeButtons() override { events.push_back("initialize buttons"); }
  void ShowNormalCursor() override { events.push_back("arrow"); }
  void DestroyWindow() override { events.push_back("destroy"); }
};

// The zoom's calls, into the same record as the dialog's.
class FakeZoom : public ZoomPort {
 public:
  explicit FakeZoom(std::vector<std::string>& events) : events_(events) {}
  bool GetCursorPos(long& x, long& y) override {
    events_.push_back("cursor");
    x = 300, y = 200;
    return true;
  }
  bool GetWindowRect(std::intptr_t, ScreenRect& rect) override {
    rect = {269, 162, 754, 443};
    return true;
  }
  bool DrawAnimatedRects(std::intptr_t window, int, const ScreenRect& from, const ScreenRect& to) override {
    events_.push_back(std::string("zoom ") + (from.left == from.right ? "open" : "close") + " window " +
                      std::to_string(window) + " point " + std::to_string(from.left == from.right ? from.left : to.left));
    return true;
  }

 private:
  std::vector<std::string>& events_;
};

struct Fixture {
  MusicSettings settings;
  testing::FakeProfile profile;
  FakeDialog window;
  FakeZoom zoom{window.events};
  ZoomPoint zoomPoint;
  SettingsDialog dialog{settings, profile, kIni, window, zoom, zoomPoint};
};

TEST(SettingsDialogOpening, PlacesInitializesFillsThenZoomsOutOfTheCursor) {
  Fixture f;
  f.dialog.Open();
  EXPECT_EQ(f.window.events, (std::vector<std::string>{"move 269,162", "initialize buttons", "cursor",
                                                       "zoom open window 42 point 300", "arrow"}));
  EXPECT_EQ(f.zoomPoint.CursorX, 300);
  EXPECT_EQ(f.zoomPoint.CursorY, 200);
  EXPECT_EQ(f.window.entries.size(), 31u) << "filled before the zoom";
}

TEST(SettingsDialogClosing, EveryWayZoomsBackIntoThePointThenDestroysOnce) {
  for (const char* way : {"save", "cancel", "close"}) {
    SCOPED_TRACE(way);
    Fixture f;
    f.dialog.Open();
    f.window.events.clear();
    const std::string w = way;
    if (w == "save") f.dialog.Save();
    if (w == "cancel") f.dialog.Cancel();
    if (w == "close") f.dialog.Close();
    f.dialog.Close();  // a second request while closing changes nothing
    EXPECT_EQ(f.window.events, (std::vector<std::string>{"zoom close window 42 point 300", "destroy"}));
    EXPECT_EQ(f.profile.writes.size(), w == "save" ? 3u : 0u);
  }
}

TEST(SettingsDialogCategories, MarksAndEnabledControlsFollowTheCategory) {
  const struct {
    std::int16_t category;
    bool none, cd, file, trackList, fileButton;
  } cases[] = {
      {0, true, false, false, false, false}, {1, false, true, false, true, false},
      {2, false, false, true, false, true},  {5, false, false, false, false, false},
      {-1, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.category);
    Fixture f;
    f.settings.BgmCategory = c.category;
    f.dialog.Open();
    EXPECT_EQ(f.window.marks[0], c.none);
    EXPECT_EQ(f.window.marks[1], c.cd);
    EXPECT_EQ(f.window.marks[2], c.file);
    EXPECT_EQ(f.window.trackListEnabled, c.trackList);
    EXPECT_EQ(f.window.fileButtonEnabled, c.fileButton);
  }
}

TEST(SettingsDialogCategories, SelectingChangesTheSettingAtOnceAndKeepsTrackAndFile) {
  Fixture f;
  f.settings = {5, 7, "C:\\Music\\theme.mp3"};
  f.dialog.Open();
  f.dialog.SelectBgmCategory(2);
  EXPECT_EQ(f.settings.BgmCategory, 2);
  EXPECT_TRUE(f.window.marks[2]);
  EXPECT_TRUE(f.window.fileButtonEnabled);
  f.dialog.SelectBgmCategory(1);
  EXPECT_FALSE(f.window.marks[2]);
  EXPECT_TRUE(f.window.trackListEnabled);
  EXPECT_FALSE(f.window.fileButtonEnabled);
  EXPECT_EQ(f.window.trackText, "7");
  EXPECT_EQ(f.window.fileName, "C:\\Music\\theme.mp3");
  EXPECT_TRUE(f.profile.writes.empty()) << "nothing is written before saving";
}

TEST(SettingsDialogOpening, FillsTheTrackListAndTheFileLabel) {
  Fixture f;
  f.dialog.Open();
  EXPECT_EQ(f.window.trackText, "") << "track 0 shows as an empty text";
  EXPECT_EQ(f.window.fileName, "");
  ASSERT_EQ(f.window.entries.size(), 31u);
  EXPECT_EQ(f.window.entries[0], "");
  EXPECT_EQ(f.window.entries[1], "1");
  EXPECT_EQ(f.window.entries[30], "30");
  Fixture g;
  g.settings.BgmRepeat = 7;
  g.dialog.Open();
  EXPECT_EQ(g.window.trackText, "7");
  EXPECT_EQ(g.window.entries, f.window.entries) << "the same 31 entries whatever the setting";
}

TEST(SettingsDialogSave, WritesTheThreeKeysInOrderWithTheTrackTextRounded) {
  const struct {
    std::string trackText, written;
  } cases[] = {
      {"abc", " 0"}, {"", " 0"}, {"12", " 12"}, {"2.5", " 2"}, {"3.5", " 4"}, {"-3", "-3"}, {"7", " 7"},
      {" 9 ", " 9"}, {"40000", " 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.trackText);
    Fixture f;
    f.settings = {0, 0, ""};
    f.dialog.Open();
    f.dialog.SelectBgmCategory(2);
    f.window.chosen = "C:\\Music\\theme.mp3";
    f.dialog.ChooseFile();
    f.dialog.SelectBgmCategory(0);  // the chosen file stays stored with another category
    f.window.trackText = c.trackText;
    f.dialog.Save();
    using Write = std::tuple<std::string, std::string, std::string, std::string>;
    EXPECT_EQ(f.profile.writes, (std::vector<Write>{{"Section", kCategoryKey, " 0", kIni},
                                                    {"Section", kRepeatKey, c.written, kIni},
                                                    {"Section", kFileKey, "C:\\Music\\theme.mp3", kIni}}));
    EXPECT_EQ(f.window.events.back(), "destroy");
  }
}

TEST(SettingsDialogSave, AnUnknownCategoryIsWrittenBackAsItWas) {
  for (std::int16_t category : {5, -1}) {
    Fixture f;
    f.settings.BgmCategory = category;
    f.dialog.Open();
    f.dialog.Save();
    EXPECT_EQ(std::get<2>(f.profile.writes.at(0)), category == 5 ? " 5" : "-1");
  }
}

TEST(SettingsDialogFileChooser, AsksForOneFilterAndKeepsThePathWhenCancelled) {
  Fixture f;
  f.settings = {2, 0, "C:\\old.wav"};
  f.dialog.Open();
  f.dialog.ChooseFile();  // cancelled
  EXPECT_EQ(f.settings.BgmFile, "C:\\old.wav");
  EXPECT_EQ(f.window.fileName, "C:\\old.wav");
  EXPECT_EQ(f.window.request.filter, std::string("BGM\xcc\xa7\xb2\xd9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31));
  EXPECT_EQ(f.window.request.title, "\xcc\xa7\xb2\xd9\x82\xf0\x8aJ\x82\xad");
  EXPECT_EQ(f.window.request.fileBufferLength, 255u);
  EXPECT_EQ(f.window.request.fileTitleBufferLength, 255u);
  EXPECT_EQ(f.window.request.flags, 0u);
  f.window.chosen = "C:\\new.mp3";
  f.dialog.ChooseFile();
  EXPECT_EQ(f.settings.BgmFile, "C:\\new.mp3");
  EXPECT_EQ(f.window.fileName, "C:\\new.mp3");
  EXPECT_EQ(f.settings.BgmCategory, 2);
}

TEST(SettingsDialogFileChooser, OutsideTheFileCategoryTheChooserDoesNotOpen) {
  Fixture f;
  f.settings.BgmCategory = 1;
  f.window.chosen = "C:\\new.mp3";
  f.dialog.ChooseFile();
  EXPECT_EQ(f.window.request.title, "") << "not asked";
  EXPECT_EQ(f.settings.BgmFile, "");
}

TEST(SettingsDialogOtherWorks, OpensTheAddressUnderTheBusyCursorAndStaysOpen) {
  Fixture f;
  f.dialog.Open();
  f.window.events.clear();
  f.dialog.OpenOtherWorks();
  EXPECT_EQ(f.window.events, (std::vector<std::string>{"busy", std::string("open ") + kAuthorPageAddress, "normal"}));
}

TEST(SettingsDialogGradient, RowsAtTheTopTheMiddleAndTheLastRowOfBothSurfaces) {
  // Dialog 252 rows high, panel 169, at 96 dots per inch.
  EXPECT_EQ(GradientRow(Surface::Dialog, 0, 252), (Colour{0, 0, 30}));
  EXPECT_EQ(GradientRow(Surface::Dialog, 126, 252), (Colour{220, 220, 250}));
  EXPECT_EQ(GradientRow(Surface::Dialog, 251, 252), (Colour{3, 3, 33}));
  EXPECT_EQ(GradientRow(Surface::Dialog, 252, 252), (Colour{0, 0, 30}));
  EXPECT_EQ(GradientRow(Surface::Panel, 0, 169), (Colour{30, 30, 30}));
  EXPECT_EQ(GradientRow(Surface::Panel, 84, 169), (Colour{250, 250, 250}));
  EXPECT_EQ(GradientRow(Surface::Panel, 168, 169), (Colour{34, 34, 34}));
}

TEST(SettingsDialogLayout, PixelsAt96DotsPerInchAndAtLargerScales) {
  EXPECT_EQ(TwipsToPixels(kClientWidthTwips, 96), 479);
  EXPECT_EQ(TwipsToPixels(kClientHeightTwips, 96), 252);
  for (const PlacedPart& p : Layout()) {
    EXPECT_EQ(p.left % 15 + p.top % 15 + p.width % 15 + p.height % 15, 0) << "whole pixels at 96 dpi";
  }
  const PlacedPart& label = Place(Part::FileLabel);
  EXPECT_EQ(TwipsToPixels(label.left, 96), 68);
  EXPECT_EQ(TwipsToPixels(label.width, 96), 357);
  EXPECT_EQ(TwipsToPixels(label.width, 144), 536);  // 150 %
  EXPECT_EQ(TwipsToPixels(kClientWidthTwips, 192), 958);
  EXPECT_EQ(FontPixelHeight(96), 13);
  EXPECT_EQ(FontPixelHeight(192), 26);
}

TEST(SettingsDialogLayout, OpensCentredWithItsTopAtOneThirdOfTheFreeHeight) {
  EXPECT_EQ(OpeningPosition(1024, 768, 485, 281), (Point{269, 162}));
  EXPECT_EQ(OpeningPosition(1920, 1080, 486, 282), (Point{717, 266}));
  EXPECT_EQ(OpeningPosition(400, 200, 485, 281), (Point{-42, -27})) << "toward zero, not down";
}

}  // namespace
}  // namespace quillane::settings_dialog
