#include "startup/command_line.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(ArgumentText, DropsTheProgramPathAndTheBlanksAfterIt) {
  EXPECT_EQ(ArgumentText("\"C:\\My Savers\\Quillane.scr\" /s"), "/s");
  EXPECT_EQ(ArgumentText("C:\\WINDOWS\\Quillane.scr  /p 524"), "/p 524");
  EXPECT_EQ(ArgumentText("Quillane.scr\t/c:720"), "/c:720");
  EXPECT_EQ(ArgumentText("Quillane.scr"), "");
  EXPECT_EQ(ArgumentText("\"Quillane.scr\""), "");
  EXPECT_EQ(ArgumentText(""), "");
}

TEST(ModeLetter, IsTheUpperCasedSecondCharacter) {
  const struct { const char* args; char letter; } cases[] = {
      {"/s", 'S'}, {"/S", 'S'}, {"-s", 'S'}, {"xs", 'S'}, {"/p 524", 'P'}, {"/P 524", 'P'},
      {"/c:720", 'C'}, {"/a", 'A'}, {"s", '\0'}, {"", '\0'},
  };
  for (const auto& c : cases) EXPECT_EQ(ModeLetter(c.args), c.letter) << c.args;
}

TEST(PreviewHostHandle, ReadsTheNumberFromTheFourthCharacter) {
  const struct { const char* args; std::int32_t handle; } cases[] = {
      {"/p 524", 524},         {"/P 524", 524},        {"/p524", 24},
      {"/p", 0},               {"/p ", 0},             {"/p abc", 0},
      {"/p  1 2", 12},         {"/p 2147483647", 2147483647},
      {"/p 2147483648", 0},    {"/p -5", -5},          {"/p 99.5", 100},
  };
  for (const auto& c : cases) EXPECT_EQ(PreviewHostHandle(c.args), c.handle) << c.args;
}

}  // namespace
}  // namespace quillane
