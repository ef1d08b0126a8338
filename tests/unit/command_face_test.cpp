// Drawing the image button's face: frame pieces, gradient, caption box, enabled and disabled looks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/command.h"
#include "controls/face_geometry.h"
#include "fake_command_ports.h"

namespace quillane {
namespace {

using testing::FakeCommandPorts;
using testing::GradientCall;
using testing::StretchCall;
using P = StatePicture;

struct Face {
  FakeCommandPorts ports;
  Command command{ports, ports};
  Face(int width, int height, double dpi = 96) {
    ports.width = width;
    ports.height = height;
    ports.dpi = dpi;
    command.LoadProperties({});
    command.Initialize();
  }
};

TEST(CommandFace, OneDrawingClearsFillsCutsEightPiecesPresentsThenPlacesTheCaption) {
  Face face(125, 25);
  face.ports.calls.clear();
  face.command.DrawFace(P::Selected);
  const std::vector<std::string> expected = {"clear",   "gradient", "stretch", "stretch", "stretch", "stretch",
                                             "stretch", "stretch",  "stretch", "stretch", "present", "caption"};
  EXPECT_EQ(face.ports.calls, expected);
  for (const auto& piece : face.ports.stretches) EXPECT_EQ(piece.picture, P::Selected);
}

TEST(CommandFace, TheFrameTableInTwipsForTheDesignSize) {
  const auto geometry = ComputeFrameGeometry(1755, 420);
  ASSERT_TRUE(geometry);
  EXPECT_EQ(geometry->middleWidth, 1635);
  EXPECT_EQ(geometry->middleHeight, 300);
  const TwipsRect expected[8][2] = {
      {{1, 1, 60, 60}, {0, 0, 60, 60}},          {{60, 1, 1635, 60}, {60, 1, 840, 60}},
      {{1695, 1, 60, 60}, {900, 1, 60, 60}},     {{1695, 60, 60, 300}, {900, 60, 60, 255}},
      {{1695, 360, 60, 60}, {900, 315, 60, 60}}, {{60, 360, 1635, 60}, {60, 315, 840, 60}},
      {{1, 360, 60, 60}, {0, 315, 60, 60}},      {{1, 60, 60, 300}, {1, 60, 60, 255}},
  };
  const auto pieces = FramePieces(*geometry);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i + 1);
    ASSERT_TRUE(pieces[i]);
    EXPECT_EQ(pieces[i]->destination, expected[i][0]);
    EXPECT_EQ(pieces[i]->source, expected[i][1]);
  }
}

// At 96 dots per inch every piece starts on pixel 0, 4, w - 4 or h - 4 and only the edges stretch.
TEST(CommandFace, FramePiecesCoverTheOuterFourPixelsOfEveryButtonSize) {
  const PixelRect sources[8] = {{0, 0, 4, 4},   {4, 0, 56, 4},  {60, 0, 4, 4}, {60, 4, 4, 17},
                                {60, 21, 4, 4}, {4, 21, 56, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
  struct Size {
    int w, h;
  };
  for (const Size size : {Size{8, 25}, Size{117, 28}, Size{125, 25}, Size{73, 25}, Size{29, 21}}) {
    SCOPED_TRACE(std::to_string(size.w) + " x " + std::to_string(size.h));
    const int w = size.w, h = size.h;
    const PixelRect destinations[8] = {{0, 0, 4, 4},         {4, 0, w - 8, 4},     {w - 4, 0, 4, 4},
                                       {w - 4, 4, 4, h - 8}, {w - 4, h - 4, 4, 4}, {4, h - 4, w - 8, 4},
                                       {0, h - 4, 4, 4},     {0, 4, 4, h - 8}};
    Face face(w, h);
    face.command.DrawFace(P::Normal);
    std::vector<StretchCall> expected;
    for (int i = 0; i < 8; ++i) {
      if (destinations[i].width > 0) expected.push_back({destinations[i], P::Normal, sources[i]});
    }
    ASSERT_EQ(face.ports.stretches.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(face.ports.stretches[i].destination, expected[i].destination);
      EXPECT_EQ(face.ports.stretches[i].source, expected[i].source);
    }
    if (w == 8) {
      EXPECT_EQ(face.ports.stretches.size(), 6u) << "the top and bottom edges vanish, the corners meet";
    }
  }
}

TEST(CommandFace, AtOtherResolutionsTheFrameScalesWithTheWindowsDotsPerInch) {
  Face face(175, 42, 144);  // 1750 x 420 twips: the frame is 6 pixels wide, the pictures stay 64 x 25
  face.command.DrawFace(P::Normal);
  ASSERT_EQ(face.ports.stretches.size(), 8u);
  EXPECT_EQ(face.ports.stretches[0].destination, (PixelRect{0, 0, 6, 6}));
  EXPECT_EQ(face.ports.stretches[1].destination, (PixelRect{6, 0, 163, 6}));
  EXPECT_EQ(face.ports.stretches[4].destination, (PixelRect{169, 36, 6, 6}));
  EXPECT_EQ(face.ports.stretches[4].source, (PixelRect{60, 21, 4, 4}));
  EXPECT_EQ(face.ports.captions.back().box, (PixelRect{0, 10, 175, 20}));  // (420 - 215) / 2 twips
}

TEST(CommandFace, MiddleSizesRoundHalvesToEvenAndMustFitSixteenBits) {
  const auto halves = ComputeFrameGeometry(142.5, 143.5);
  ASSERT_TRUE(halves);
  EXPECT_EQ(halves->middleWidth, 22);
  EXPECT_EQ(halves->middleHeight, 24);
  EXPECT_FALSE(ComputeFrameGeometry(32887.5 + 1, 375));
  // The widest middle fits, but the right-hand pieces' positions do not: they are left out.
  const auto widest = ComputeFrameGeometry(32887, 375);
  ASSERT_TRUE(widest);
  const auto pieces = FramePieces(*widest);
  for (int i : {0, 1, 5, 6, 7}) EXPECT_TRUE(pieces[i]) << i;
  for (int i : {2, 3, 4}) EXPECT_FALSE(pieces[i]) << i;
}

TEST(CommandFace, ColourTextsBecomeSixteenBitChannelsReadInWrittenOrder) {
  EXPECT_EQ(ChannelsFromColourText("&HFFFFFF"), (Channels{0xFF00, 0xFF00, 0xFF00}));
  EXPECT_EQ(ChannelsFromColourText("&HC6C5D7"), (Channels{0xC600, 0xC500, 0xD700}));
  for (const char* bad : {"FFFFFF", "&HFFFFF", "&HGG0000", "&HFFFFFF0", ""}) {
    EXPECT_FALSE(ChannelsFromColourText(bad)) << bad;
  }
}

// White above lavender normally, lavender above white in hover; states 0 and 4 keep the last one.
TEST(CommandFace, GradientVerticesAndOrientationFollowTheState) {
  const TriVertex whiteTop{0, 0, 0xFF00, 0xFF00, 0xFF00, 0};
  const TriVertex lavenderBottom{124, 24, 0xC600, 0xC500, 0xD700, 0};
  const TriVertex lavenderTop{0, 0, 0xC600, 0xC500, 0xD700, 0};
  const TriVertex whiteBottom{124, 24, 0xFF00, 0xFF00, 0xFF00, 0};
  struct Case {
    const char* how;
    void (*reach)(Command&);
    bool lavenderOnTop;
  };
  const Case cases[] = {
      {"state 1", [](Command&) {}, false},
      {"state 2", [](Command& c) { c.OnMouseMove(); }, true},
      {"state 3", [](Command& c) { c.OnGotFocus(); }, false},
      {"state 4 entered from 2", [](Command& c) { c.OnMouseMove(); c.OnGotFocus(); }, true},
      {"state 4 from 2, released", [](Command& c) { c.OnMouseMove(); c.OnGotFocus(); c.OnMouseUp(MouseButton::Left); },
       true},
      {"state 4 entered from 3", [](Command& c) { c.OnGotFocus(); c.OnMouseMove(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    Face face(125, 25);
    c.reach(face.command);
    face.command.DrawFace(P::Normal);
    const GradientCall& call = face.ports.gradients.back();
    ASSERT_EQ(call.vertices.size(), 2u);
    EXPECT_EQ(call.vertices[0], c.lavenderOnTop ? lavenderTop : whiteTop);
    EXPECT_EQ(call.vertices[1], c.lavenderOnTop ? whiteBottom : lavenderBottom);
    EXPECT_EQ(call.rects, std::vector<GradientRect>{(GradientRect{1, 0})});
    EXPECT_EQ(call.mode, 1u);  // GRADIENT_FILL_RECT_V
    EXPECT_EQ(face.command.HoverGradient(), c.lavenderOnTop);
  }
  FakeCommandPorts ports;
  Command notStarted(ports, ports);
  notStarted.DrawFace(P::Normal);
  EXPECT_EQ(ports.gradients.back().vertices[0], whiteTop) << "state 0 before any drawing";
}

TEST(CommandFace, TheCaptionBoxIsCentredInTheHeightWithALift) {
  struct Case {
    int h, top;
  };
  for (const Case c : {Case{25, 5}, Case{21, 3}, Case{28, 7}}) {
    SCOPED_TRACE(c.h);
    Face face(73, c.h);
    face.command.DrawFace(P::Normal);
    EXPECT_EQ(face.ports.captions.back().box, (PixelRect{0, c.top, 73, 13}));
  }
}

TEST(CommandFace, EnabledAndNormalLooksOnADisabledButton) {
  Face face(125, 25);
  face.command.OnMouseMove();  // hover: the disabled face keeps the lavender-on-top gradient
  face.command.SetEnabled(false);
  EXPECT_EQ(face.ports.faces.back(), P::Disable);
  EXPECT_TRUE(face.ports.HoverGradientDrawn());
  EXPECT_FALSE(face.ports.captions.back().enabled) << "greyed caption";
  face.ports.TakeFaces();
  face.command.ApplyNormalLook();
  face.command.OnGotFocus();
  face.command.OnMouseMove();
  EXPECT_TRUE(face.ports.faces.empty());
  face.command.SetEnabled(true);
  EXPECT_EQ(face.ports.TakeFaces(), std::vector<P>{P::Normal});
  EXPECT_TRUE(face.ports.captions.back().enabled);
}

TEST(CommandFace, ASizeChangeRedrawsTheEnabledOrDisabledFaceWithoutChangingTheState) {
  Face face(125, 25);
  face.command.OnGotFocus();
  face.ports.TakeFaces();
  face.ports.width = 73;
  face.command.OnResize();
  EXPECT_EQ(face.ports.TakeFaces(), std::vector<P>{P::Normal});
  EXPECT_EQ(face.ports.stretches[2].destination.x, 69);
  face.command.SetEnabled(false);
  face.ports.TakeFaces();
  face.command.OnResize();
  EXPECT_EQ(face.ports.TakeFaces(), std::vector<P>{P::Disable});
  EXPECT_EQ(face.command.ButtonState(), 3);
}

}  // namespace
}  // namespace quillane
