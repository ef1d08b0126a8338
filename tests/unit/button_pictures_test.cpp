// The six state pictures as the build draws them: size, format and the colours of their frames.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Picture {
  int width = 0, height = 0, bitsPerPixel = 0;
  std::vector<std::uint8_t> bytes;
  std::uint32_t At(int x, int y) const {  // 0xRRGGBB; rows are stored bottom-up
    const int rowBytes = (width * 3 + 3) & ~3;
    const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * rowBytes + x * 3;
    return bytes[at + 2] << 16 | bytes[at + 1] << 8 | bytes[at];
  }
};

Picture Load(const std::string& name) {
  std::ifstream file(std::string(QUILLANE_GENERATED_DIR) + "/button_" + name + ".bmp", std::ios::binary);
  Picture picture;
  picture.bytes.assign(std::istreambuf_iterator<char>(file), {});
  if (picture.bytes.size() < 54 || picture.bytes[0] != 'B' || picture.bytes[1] != 'M') return picture;
  auto u32 = [&](int at) { return picture.bytes[at] | picture.bytes[at + 1] << 8 | picture.bytes[at + 2] << 16 | picture.bytes[at + 3] << 24; };
  picture.width = u32(18);
  picture.height = u32(22);
  picture.bitsPerPixel = picture.bytes[28] | picture.bytes[29] << 8;
  return picture;
}

const char* const kNames[] = {"Normal", "HighLight", "Pressed", "Disable", "Selected", "HighLightSelect"};

TEST(ButtonPictures, AreSixtyFourByTwentyFiveWithTwentyFourBitColour) {
  for (const char* name : kNames) {
    SCOPED_TRACE(name);
    const Picture picture = Load(name);
    EXPECT_EQ(picture.width, 64);
    EXPECT_EQ(picture.height, 25);
    EXPECT_EQ(picture.bitsPerPixel, 24);
    ASSERT_EQ(picture.bytes.size(), 54u + 25 * 192);
  }
}

// Down the middle column: margin, outline, the two-pixel band at the top and at the bottom.
TEST(ButtonPictures, FramesCarryTheColoursOfEachLook) {
  struct Case {
    const char* name;
    int outlineRow;                // the outline's first row from the top (one further in when pressed)
    std::uint32_t outline, bandTop, bandBottom;
  };
  const Case cases[] = {
      {"Normal", 1, 0x003C74, 0xFEFEFE, 0xD6D0C5},   {"HighLight", 1, 0x003C74, 0xFFF0CF, 0xE59700},
      {"Selected", 1, 0x003C74, 0xCEE7FF, 0x6982EE}, {"HighLightSelect", 1, 0x003C74, 0xFFF0CF, 0xE59700},
      {"Pressed", 2, 0x003C74, 0xD0CBBF, 0xEFEDE5},  {"Disable", 2, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture p = Load(c.name);
    ASSERT_EQ(p.width, 64);
    EXPECT_EQ(p.At(32, 0), 0xECE9D8u) << "beige margin at the top";
    EXPECT_EQ(p.At(32, 24), 0xE0DCC9u) << "beige margin at the bottom";
    EXPECT_EQ(p.At(32, c.outlineRow), c.outline);
    EXPECT_EQ(p.At(32, 24 - c.outlineRow), c.outline);
    EXPECT_EQ(p.At(0, 12) >> 16, 0xE6u) << "margin on the left";
    EXPECT_EQ(p.At(c.outlineRow, 12), c.outline) << "outline on the left";
    EXPECT_EQ(p.At(32, c.outlineRow + 1), c.bandTop);
    EXPECT_EQ(p.At(32, 23 - c.outlineRow), c.bandBottom);
    EXPECT_NE(p.At(c.outlineRow, c.outlineRow), c.outline) << "softened corner";
  }
}

TEST(ButtonPictures, HighLightSelectHasTheSamePixelsAsHighLight) {
  EXPECT_EQ(Load("HighLightSelect").bytes, Load("HighLight").bytes);
}

}  // namespace
