#pragma once
// Reading and writing numbers the way the settings file, the command line and the dialog's track
// field use them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillane {

// The whole text is one decimal number (blanks around it allowed, a fraction and an exponent too).
std::optional<double> ParseDecimal(std::string_view text);

// Reads as much of the text as forms a number, skipping blanks anywhere; 0 when there is none.
double LeadingDecimal(std::string_view text);

// Conversions to the fixed-width integers; nothing when the result does not fit.
std::optional<std::int16_t> FloorToInt16(double value);
std::optional<std::int16_t> RoundHalfEvenToInt16(double value);
std::optional<std::int32_t> RoundHalfEvenToInt32(double value);

// " 2", " 0", "-3": a blank stands where a negative number has its sign.
std::string NumberText(std::int32_t value);

}  // namespace quillane
