// The image button's properties, their redraws and change notices, and its property store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/command.h"
#include "fake_command_ports.h"

namespace quillane {
namespace {

using testing::FakeCommandPorts;
using P = StatePicture;
using Faces = std::vector<StatePicture>;

const std::string kSettei = "\x90\xdd\x92\xe8";  // "設定" in code page 932

FontSpec OtherFont() { return FontSpec{"Arial", 12, 700, true, false, true, 0}; }

struct Button {
  FakeCommandPorts ports;
  Command command{ports, ports};
  std::vector<std::string> notices;
  Button() {
    command.SetPropertyChangedHandler([this](const std::string& name) { notices.push_back(name); });
  }
  explicit Button(const ButtonPropertySet& stored) : Button() {
    command.LoadProperties(stored);
    ports.TakeFaces();
  }
};

TEST(CommandProperties, AnEmptyStoreReadsEveryDefault) {
  Button b;
  b.command.LoadProperties({});
  EXPECT_TRUE(b.command.IsEnabled());
  EXPECT_EQ(b.command.Caption(), "Command1");
  EXPECT_EQ(b.command.Font(), DesignFont()) << "the host's font";
  EXPECT_EQ(b.command.FirstRun(), 1);
  EXPECT_EQ(b.command.FontColour(), 0);
  EXPECT_EQ(b.command.Visible(), 255);
  EXPECT_TRUE(b.notices.empty());
  EXPECT_EQ(b.ports.faces.front(), P::Normal) << "reading the store ends with the Normal face";
}

TEST(CommandProperties, StoredValuesAreAppliedFromTheStart) {
  ButtonPropertySet stored;
  stored.Set("Caption", kSettei);
  stored.Set("Font", OtherFont());
  stored.Set("FontColour", std::int32_t{0x0000FF});
  stored.Set("Visible", std::int32_t{0});
  Button b(stored);
  EXPECT_EQ(b.command.Caption(), kSettei);
  EXPECT_EQ(b.command.Font(), OtherFont());
  EXPECT_EQ(b.command.CaptionState().colour, 0x0000FF);
  EXPECT_FALSE(b.command.CaptionState().faceShown) << "only the caption shows";
  EXPECT_EQ(b.command.Visible(), 0);
}

TEST(CommandProperties, ADisabledStoreDrawsNothingUntilTheSizeChanges) {
  ButtonPropertySet stored;
  stored.Set("Enabled", false);
  Button b;
  b.command.LoadProperties(stored);
  EXPECT_TRUE(b.ports.faces.empty());
  b.command.OnResize();
  EXPECT_EQ(b.ports.TakeFaces(), Faces{P::Disable});
}

TEST(CommandProperties, ValuesThatDoNotConvertOrFitAreSkippedKeyByKey) {
  ButtonPropertySet stored;
  stored.Set("Enabled", std::string("maybe"));
  stored.Set("Caption", OtherFont());
  stored.Set("FirstRun", std::int32_t{300});
  stored.Set("FontColour", std::string("&HFF"));
  stored.Set("Visible", std::int32_t{2});
  Button b(stored);
  // What the button had before: the zeroed fields and the design caption.
  EXPECT_FALSE(b.command.IsEnabled());
  EXPECT_EQ(b.command.Caption(), "Command");
  EXPECT_EQ(b.command.FirstRun(), 0);
  EXPECT_TRUE(b.command.CaptionState().faceShown);
  // Numbers stored as text read as numbers.
  ButtonPropertySet texts;
  texts.Set("FirstRun", std::string("1"));
  texts.Set("FontColour", std::string("255"));
  Button t(texts);
  EXPECT_EQ(t.command.FirstRun(), 1);
  EXPECT_EQ(t.command.CaptionState().colour, 255);
}

TEST(CommandProperties, SavingWritesTheKeysInOrderAndLeavesOutWriteDefaults) {
  Button fresh;
  fresh.command.LoadProperties({});
  ButtonPropertySet defaults;
  fresh.command.SaveProperties(defaults);
  EXPECT_TRUE(defaults.Entries().empty());

  ButtonPropertySet stored;
  stored.Set("Visible", std::int32_t{0});
  stored.Set("FontColour", std::int32_t{255});
  stored.Set("FirstRun", std::int32_t{0});
  stored.Set("Font", OtherFont());
  stored.Set("Caption", kSettei);
  stored.Set("Enabled", false);
  Button b(stored);
  ButtonPropertySet saved;
  b.command.SaveProperties(saved);
  std::vector<std::string> keys;
  for (const auto& entry : saved.Entries()) keys.push_back(entry.first);
  EXPECT_EQ(keys, (std::vector<std::string>{"Enabled", "Caption", "FirstRun", "Font", "FontColour", "Visible"}));
  EXPECT_EQ(saved.ReadProperty("Enabled", true), PropertyValue(false));
  EXPECT_EQ(saved.ReadProperty("Visible", 1), PropertyValue(std::int32_t{0}));
  EXPECT_EQ(saved.ReadProperty("FontColour", 0), PropertyValue(std::int32_t{255}));
}

// Every caption reads back as it was saved, "Command" included.
TEST(CommandProperties, CaptionsSurviveASaveAndLoad) {
  for (const std::string& caption : {std::string("Command"), std::string("Command1"), kSettei, std::string()}) {
    SCOPED_TRACE(caption);
    Button first;
    first.command.LoadProperties({});
    first.command.SetCaption(caption);
    ButtonPropertySet saved;
    first.command.SaveProperties(saved);
    Button second(saved);
    EXPECT_EQ(second.command.Caption(), caption);
  }
}

TEST(CommandProperties, AButtonWithoutAStoreShowsDisableUntilEnabledIsRead) {
  Button b;
  b.command.OnResize();
  EXPECT_EQ(b.ports.TakeFaces(), Faces{P::Disable});
  EXPECT_TRUE(b.command.Enabled());
  EXPECT_EQ(b.ports.TakeFaces(), Faces{P::Normal}) << "ApplyNormalLook on the still disabled button drew nothing";
  EXPECT_EQ(b.command.FirstRun(), 1);
  EXPECT_TRUE(b.command.IsEnabled());
}

TEST(CommandProperties, ReadsRedrawTheFaceWithoutChangingTheState) {
  Button b(ButtonPropertySet{});
  b.command.Initialize();
  b.command.OnGotFocus();
  b.ports.TakeFaces();
  struct Read {
    const char* property;
    void (*read)(Command&);
    Faces faces;
  };
  const Read reads[] = {
      {"FontColour", [](Command& c) { c.FontColour(); }, {P::Normal}},
      {"Visible", [](Command& c) { c.Visible(); }, {P::Normal}},
      {"Enabled", [](Command& c) { c.Enabled(); }, {P::Normal}},
      {"Caption", [](Command& c) { c.Caption(); }, {}},
      {"Font", [](Command& c) { c.Font(); }, {}},
  };
  for (const Read& r : reads) {
    SCOPED_TRACE(r.property);
    r.read(b.command);
    EXPECT_EQ(b.ports.TakeFaces(), r.faces);
    EXPECT_EQ(b.command.ButtonState(), 3);
  }
  b.command.SetEnabled(false);
  b.ports.TakeFaces();
  EXPECT_FALSE(b.command.Enabled());
  EXPECT_EQ(b.ports.TakeFaces(), Faces{P::Disable});
  b.command.FontColour();
  b.command.Visible();
  EXPECT_TRUE(b.ports.faces.empty()) << "the Normal look is not drawn on a disabled button";
}

TEST(CommandProperties, SettersTellTheHostAndRedrawAsEachPropertyDoes) {
  Button b(ButtonPropertySet{});
  struct Set {
    const char* property;
    void (*set)(Command&);
    Faces faces;
  };
  const Set sets[] = {
      {"Caption", [](Command& c) { c.SetCaption("x"); }, {}},
      {"Font", [](Command& c) { c.SetFont(OtherFont()); }, {}},
      {"FontColour", [](Command& c) { c.SetFontColour(0x00FF00); }, {P::Normal}},
      {"Enabled", [](Command& c) { c.SetEnabled(true); }, {P::Normal}},  // the value it already had
      {"Visible", [](Command& c) { c.SetVisible(0); }, {}},
      {"Visible", [](Command& c) { c.SetVisible(2); }, {P::Normal}},
  };
  for (const Set& s : sets) {
    SCOPED_TRACE(s.property);
    b.notices.clear();
    s.set(b.command);
    EXPECT_EQ(b.notices, std::vector<std::string>{s.property});
    EXPECT_EQ(b.ports.TakeFaces(), s.faces);
  }
  EXPECT_EQ(b.command.Visible(), 255) << "2 reads back as 255";
  EXPECT_EQ(b.command.Caption(), "x");
  EXPECT_EQ(b.command.Font(), OtherFont());
  EXPECT_EQ(b.command.FontColour(), 0x00FF00);
  EXPECT_EQ(b.ports.captions.back().text, "x") << "the caption shows the new text at once";
}

TEST(CommandProperties, WhileFirstRunIsZeroTheNormalLookResetsTheCaptionColour) {
  ButtonPropertySet stored;
  stored.Set("FirstRun", std::int32_t{0});
  stored.Set("FontColour", std::int32_t{0xFF});
  Button b(stored);
  EXPECT_EQ(b.command.CaptionState().colour, 0);
  b.command.SetFontColour(0xFF);
  EXPECT_EQ(b.command.CaptionState().colour, 0);
  EXPECT_TRUE(b.command.Enabled());
  EXPECT_EQ(b.command.FirstRun(), 1);
  b.command.SetFontColour(0xFF);
  EXPECT_EQ(b.command.CaptionState().colour, 0xFF);
}

}  // namespace
}  // namespace quillane
