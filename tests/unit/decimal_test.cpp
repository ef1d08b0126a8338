#include "common/decimal.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(ParseDecimal, AcceptsWholeNumbersWithBlanksAroundThem) {
  const struct { const char* text; std::optional<double> value; } cases[] = {
      {"2", 2},       {" 2", 2},      {"2 ", 2},     {"-3", -3},    {"2.9", 2.9},  {"-0.5", -0.5},
      {".5", 0.5},    {"5.", 5},      {"1e3", 1000}, {"1D2", 100},  {"+7", 7},     {"abc", std::nullopt},
      {"", std::nullopt}, {"2x", std::nullopt}, {"1 2", std::nullopt}, {"-", std::nullopt},
      {".", std::nullopt}, {"1e", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingDecimal, ReadsAsFarAsANumberGoes) {
  const struct { const char* text; double value; } cases[] = {
      {"524", 524}, {" 524", 524}, {"5 2 4", 524}, {"24", 24}, {"12abc", 12},
      {"abc", 0},   {"", 0},       {"-17", -17},   {"3.5x", 3.5},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntegerConversions, RoundAndRefuseWhatDoesNotFit) {
  EXPECT_EQ(FloorToInt16(2.9), 2);
  EXPECT_EQ(FloorToInt16(-0.5), -1);
  EXPECT_EQ(FloorToInt16(32767.9), 32767);
  EXPECT_EQ(FloorToInt16(32768), std::nullopt);
  EXPECT_EQ(FloorToInt16(-32768), -32768);
  EXPECT_EQ(FloorToInt16(-32768.5), std::nullopt);
  EXPECT_EQ(RoundHalfEvenToInt16(2.5), 2);
  EXPECT_EQ(RoundHalfEvenToInt16(3.5), 4);
  EXPECT_EQ(RoundHalfEvenToInt16(-2.5), -2);
  EXPECT_EQ(RoundHalfEvenToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundHalfEvenToInt32(2147483648.0), std::nullopt);
  EXPECT_EQ(RoundHalfEvenToInt32(-2147483648.0), INT32_MIN);
}

TEST(NumberText, PutsABlankWhereTheSignWouldStand) {
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(2), " 2");
  EXPECT_EQ(NumberText(17), " 17");
  EXPECT_EQ(NumberText(-3), "-3");
  EXPECT_EQ(NumberText(-32768), "-32768");
}

}  // namespace
}  // namespace quillane
