#include "startup/command_line.h"

#include "common/decimal.h"

namespace quillane {

std::string_view ArgumentText(std::string_view commandLine) {
  std::size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::size_t closing = commandLine.find('"', 1);
    i = closing == std::string_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
  }
  while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
  return commandLine.substr(i);
}

char ModeLetter(std::string_view argumentText) {
  if (argumentText.size() < 2) return '\0';
  const char c = argumentText[1];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::int32_t PreviewHostHandle(std::string_view argumentText) {
  if (argumentText.size() < 4) return 0;
  return RoundHalfEvenToInt32(LeadingDecimal(argumentText.substr(3))).value_or(0);
}

}  // namespace quillane
