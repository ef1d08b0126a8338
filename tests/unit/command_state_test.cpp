// The image button's state machine, driven by user actions the way the window delivers them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/command.h"
#include "fake_command_ports.h"

namespace quillane {
namespace {

using testing::FakeCommandPorts;
using testing::kOtherWindow;
using testing::kOwnWindow;
using testing::kParentWindow;
using P = StatePicture;
using Faces = std::vector<StatePicture>;

// A button in a window, with the pointer and the focus as Windows handles them: a left press gives
// the focus to a button without it, after the press itself.
struct Button {
  FakeCommandPorts ports;
  Command command{ports, ports};
  bool focused = false;
  int clicks = 0;

  explicit Button(bool enabledStore = true) {
    command.SetClickHandler([this] { ++clicks; });
    ButtonPropertySet stored;
    if (!enabledStore) stored.Set("Enabled", false);
    command.LoadProperties(stored);
    command.Initialize();
    ports.TakeFaces();
  }
  void Enter() {
    ports.underCursor = kOwnWindow;
    command.OnMouseMove();
  }
  void MoveOutside() {  // with the mouse captured, moves outside still arrive
    ports.underCursor = kOtherWindow;
    command.OnMouseMove();
  }
  void LeaveUncaptured() { ports.underCursor = kOtherWindow; }
  void Press(MouseButton button = MouseButton::Left) {
    command.OnMouseDown(button);
    if (button == MouseButton::Left && !focused) FocusIn();
  }
  void Release(MouseButton button = MouseButton::Left) { command.OnMouseUp(button); }
  void Tick() { command.OnMouseTimer(); }
  void FocusIn() {
    focused = true;
    command.OnGotFocus();
  }
  void FocusOut() {
    focused = false;
    command.OnLostFocus();
  }
};

TEST(CommandState, StartsZeroedAndInitializeStartsTheHoverTimerWithoutDrawing) {
  FakeCommandPorts ports;
  Command command(ports, ports);
  EXPECT_EQ(command.ButtonState(), 0);
  EXPECT_FALSE(command.LeftButtonDown());
  EXPECT_FALSE(command.HoverGradient());
  EXPECT_FALSE(command.IsEnabled());
  EXPECT_EQ(command.FirstRun(), 0);
  command.Initialize();
  EXPECT_EQ(command.ButtonState(), 1);
  EXPECT_EQ(ports.timersStarted, std::vector<unsigned>{100});
  EXPECT_TRUE(ports.faces.empty());
}

// The typical runs, one after the other on the same button, as the user does them.
TEST(CommandState, TypicalRunsGiveTheirStatesLooksAndClicks) {
  Button b;
  struct Step {
    const char* action;
    void (*act)(Button&);
    int state;
    Faces faces;
    int clicks;
  };
  const Step steps[] = {
      {"pointer enters an unfocused button", [](Button& x) { x.Enter(); }, 2, {P::HighLight}, 0},
      {"left press, the focus arrives", [](Button& x) { x.Press(); }, 4, {P::Pressed, P::Pressed}, 0},
      {"left release over the button", [](Button& x) { x.Release(); }, 4, {P::HighLightSelect}, 1},
      {"pointer leaves, next tick", [](Button& x) { x.LeaveUncaptured(); x.Tick(); }, 3, {P::Selected}, 1},
      {"enters the focused button", [](Button& x) { x.Enter(); }, 4, {P::HighLightSelect}, 1},
      {"left press and release", [](Button& x) { x.Press(); x.Release(); }, 4, {P::Pressed, P::HighLightSelect}, 2},
      {"press, drag out, tick, release outside",
       [](Button& x) { x.Press(); x.MoveOutside(); x.Tick(); x.Release(); }, 3, {P::Pressed, P::Selected}, 2},
      {"enter, press, drag out, tick, back in, release",
       [](Button& x) { x.Enter(); x.Press(); x.MoveOutside(); x.Tick(); x.Enter(); x.Release(); }, 3,
       {P::HighLightSelect, P::Pressed, P::Selected}, 2},
      {"another control takes the focus", [](Button& x) { x.FocusOut(); }, 1, {P::Normal}, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.action);
    step.act(b);
    EXPECT_EQ(b.command.ButtonState(), step.state);
    EXPECT_EQ(b.ports.TakeFaces(), step.faces);
    EXPECT_EQ(b.clicks, step.clicks);
  }
}

TEST(CommandState, RightAndMiddleButtonsClickUnlessFocusedAwayAndNeverChangeTheLook) {
  struct Case {
    const char* setup;
    void (*reach)(Button&);
    int state;
    int clicks;
  };
  const Case cases[] = {
      {"normal", [](Button&) {}, 1, 1},
      {"hover", [](Button& x) { x.Enter(); }, 2, 1},
      {"focused, pointer elsewhere", [](Button& x) { x.FocusIn(); }, 3, 0},
      {"focused and hovered", [](Button& x) { x.FocusIn(); x.Enter(); }, 4, 1},
  };
  for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.setup) + (button == MouseButton::Right ? " right" : " middle"));
      Button b;
      c.reach(b);
      b.ports.TakeFaces();
      b.Press(button);
      b.Release(button);
      EXPECT_EQ(b.command.ButtonState(), c.state);
      EXPECT_FALSE(b.command.LeftButtonDown());
      EXPECT_TRUE(b.ports.faces.empty());
      EXPECT_EQ(b.clicks, c.clicks);
    }
  }
}

TEST(CommandState, ADisabledButtonIgnoresPointerFocusAndTimerAndNeverClicks) {
  Button b(/*enabledStore=*/false);
  b.Enter();  // would have been state 2
  ASSERT_EQ(b.command.ButtonState(), 1);
  b.Press();
  b.MoveOutside();
  b.Tick();
  b.Release();
  b.Press(MouseButton::Right);
  b.Release(MouseButton::Right);
  b.FocusOut();
  EXPECT_EQ(b.command.ButtonState(), 1);
  EXPECT_FALSE(b.command.LeftButtonDown());
  EXPECT_TRUE(b.ports.faces.empty());
  EXPECT_EQ(b.clicks, 0);

  // Frozen in state 2: enabling again draws Normal and the next transition brings the look back.
  Button hovered;
  hovered.Enter();
  hovered.ports.TakeFaces();
  hovered.command.SetEnabled(false);
  hovered.LeaveUncaptured();
  hovered.Tick();
  EXPECT_EQ(hovered.command.ButtonState(), 2);
  hovered.command.SetEnabled(true);
  hovered.Tick();
  EXPECT_EQ(hovered.command.ButtonState(), 1);
  EXPECT_EQ(hovered.ports.TakeFaces(), (Faces{P::Disable, P::Normal, P::Normal}));
}

TEST(CommandState, HoverLooksEndOnlyOnATickWithAnotherWindowUnderThePointer) {
  struct Case {
    const char* under;
    WindowRef window;
    bool reset;
  };
  const Case cases[] = {
      {"the button itself", kOwnWindow, false},
      {"the parent", kParentWindow, true},
      {"another window", kOtherWindow, true},
      {"no window", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.under);
    Button hover;
    hover.Enter();
    hover.ports.underCursor = c.window;
    EXPECT_EQ(hover.command.ButtonState(), 2) << "no tick yet";
    hover.Tick();
    EXPECT_EQ(hover.command.ButtonState(), c.reset ? 1 : 2);

    Button focusedHover;
    focusedHover.FocusIn();
    focusedHover.Enter();
    focusedHover.ports.underCursor = c.window;
    focusedHover.Tick();
    EXPECT_EQ(focusedHover.command.ButtonState(), c.reset ? 3 : 4);
  }
}

TEST(CommandState, APressDragOutAndReleaseWithinOneTimerPeriodStillClicks) {
  Button b;
  b.Enter();
  b.Press();
  b.MoveOutside();
  b.Release();
  EXPECT_EQ(b.clicks, 1);
}

TEST(CommandState, ReleasingTheLeftButtonInStateTwoDrawsNormalUntilThePointerEntersAgain) {
  Button b;
  b.Enter();
  b.command.OnMouseDown(MouseButton::Left);  // a press that did not move the focus here
  b.Release();
  EXPECT_EQ(b.command.ButtonState(), 2);
  EXPECT_EQ(b.clicks, 1);
  b.Enter();
  EXPECT_EQ(b.ports.TakeFaces(), (Faces{P::HighLight, P::Pressed, P::Normal}));
  b.LeaveUncaptured();
  b.Tick();
  b.Enter();
  EXPECT_EQ(b.ports.TakeFaces(), (Faces{P::Normal, P::HighLight}));
}

TEST(CommandState, KeyboardFocusDuringHoverShowsPressedUntilLeaveFocusLossOrLeftRelease) {
  struct Case {
    const char* ending;
    void (*end)(Button&);
    P look;
    int state;
  };
  const Case cases[] = {
      {"pointer leaves", [](Button& x) { x.LeaveUncaptured(); x.Tick(); }, P::Selected, 3},
      {"focus goes", [](Button& x) { x.FocusOut(); }, P::Normal, 1},
      {"left release", [](Button& x) { x.Release(); }, P::HighLightSelect, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ending);
    Button b;
    b.Enter();
    b.FocusIn();  // by the tab key
    EXPECT_EQ(b.command.ButtonState(), 4);
    b.Enter();
    b.Tick();
    EXPECT_EQ(b.ports.TakeFaces(), (Faces{P::HighLight, P::Pressed})) << "moves and ticks keep it";
    c.end(b);
    EXPECT_EQ(b.ports.TakeFaces(), Faces{c.look});
    EXPECT_EQ(b.command.ButtonState(), c.state);
  }
}

TEST(CommandState, BeforeInitializeThePointerAloneChangesNothingAndHoverIsNeverTakenAway) {
  FakeCommandPorts ports;
  Command command(ports, ports);
  int clicks = 0;
  command.SetClickHandler([&] { ++clicks; });
  command.LoadProperties({});
  ports.TakeFaces();
  command.OnMouseMove();
  EXPECT_EQ(command.ButtonState(), 0);
  EXPECT_TRUE(ports.faces.empty());
  command.OnMouseUp(MouseButton::Right);
  EXPECT_EQ(clicks, 1);
  command.OnGotFocus();
  EXPECT_EQ(command.ButtonState(), 3);
  command.OnLostFocus();
  command.OnMouseMove();
  EXPECT_EQ(command.ButtonState(), 2);
  EXPECT_TRUE(ports.timersStarted.empty()) << "no timer, so nothing ends the hover look";
}

TEST(CommandState, TwoButtonsShowHoverTogetherOnlyUntilTheFirstButtonsTick) {
  Button first, second;
  first.Enter();
  first.LeaveUncaptured();
  second.Enter();
  EXPECT_EQ(first.command.ButtonState(), 2);
  EXPECT_EQ(second.command.ButtonState(), 2);
  first.Tick();
  EXPECT_EQ(first.command.ButtonState(), 1);
}

}  // namespace
}  // namespace quillane
