#pragma once
// What the program takes from its command line: the argument text, the mode letter and the
// preview host handle.
#include <cstdint>
#include <string>
#include <string_view>

namespace quillane {

// The command line without the program's own path (quoted or not) and the blanks after it.
std::string_view ArgumentText(std::string_view commandLine);

// The upper-cased second character of the argument text; '\0' when it is shorter than two.
char ModeLetter(std::string_view argumentText);

// The argument text from its fourth character on, read as a number and rounded to 32 bits;
// 0 when there is no number or it does not fit.
std::int32_t PreviewHostHandle(std::string_view argumentText);

}  // namespace quillane
