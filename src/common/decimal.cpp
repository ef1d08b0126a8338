#include "common/decimal.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <cstdlib>

namespace quillane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `text` that is [+-]digits[.digits][(e|d)[+-]digits]
// with at least one digit in the mantissa; 0 when there is no number.
std::size_t NumberPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

double ToDouble(std::string_view number) {
  std::string copy(number);
  for (char& c : copy) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  return std::strtod(copy.c_str(), nullptr);
}

template <typename Int>
std::optional<Int> FitInteger(double whole) {
  if (!std::isfinite(whole) || whole < static_cast<double>(INT64_C(-1) << (sizeof(Int) * 8 - 1)) ||
      whole > static_cast<double>((INT64_C(1) << (sizeof(Int) * 8 - 1)) - 1)) {
    return std::nullopt;
  }
  return static_cast<Int>(whole);
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const std::size_t length = NumberPrefixLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return ToDouble(text);
}

double LeadingDecimal(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (!IsBlank(c)) compact.push_back(c);
  }
  const std::size_t length = NumberPrefixLength(compact);
  return length == 0 ? 0.0 : ToDouble(std::string_view(compact).substr(0, length));
}

std::optional<std::int16_t> FloorToInt16(double value) { return FitInteger<std::int16_t>(std::floor(value)); }

std::optional<std::int16_t> RoundHalfEvenToInt16(double value) {
  return FitInteger<std::int16_t>(std::nearbyint(value));
}

std::optional<std::int32_t> RoundHalfEvenToInt32(double value) {
  return FitInteger<std::int32_t>(std::nearbyint(value));
}

std::string NumberText(std::int32_t value) {
  char text[16] = {' '};
  char* const start = value < 0 ? text : text + 1;  // the blank stands where a sign would
  const auto written = std::to_chars(start, std::end(text), value);
  return std::string(text, written.ptr);
}

}  // namespace quillane
