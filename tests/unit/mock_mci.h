#pragma once
// A scripted MCI port: each test says what the calls answer.
#include <gmock/gmock.h>

#include <cstring>
#include <string>

#include "music/winmm_api.h"

namespace quillane {

class MockMci : public MciApi {
 public:
  MOCK_METHOD(std::uint32_t, mciSendStringA,
              (const char* command, char* returnString, unsigned returnLength, void* callbackWindow),
              (override));
  MOCK_METHOD(bool, mciGetErrorStringA, (std::uint32_t error, char* text, unsigned length), (override));
};

// Writes the text with its NUL into the reply buffer (argument 1) and answers code, as MCI does.
inline auto Reply(std::string text, std::uint32_t code = 0) {
  return [text, code](const char*, char* buffer, unsigned, void*) {
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return code;
  };
}

}  // namespace quillane
