#pragma once
// The command layer for MCI strings whose reply or failure matters: a command and its reply or
// error text, a status query folded into one string, and the play command.
#include <cstdint>
#include <string>

#include "music/winmm_api.h"

namespace quillane {

// "コマンド文字列が指定されていません" (no command string has been given), code page 932.
inline constexpr const char* kNoCommandText =
    "\x83\x52\x83\x7d\x83\x93\x83\x68\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\x77\x92\xe8\x82\xb3\x82\xea"
    "\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
// "Error (文字列が取れません)" (error, the text can't be obtained), code page 932.
inline constexpr const char* kNoErrorText =
    "Error (\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\xe6\x82\xea\x82\xdc\x82\xb9\x82\xf1)";
// What QueryMci returns in front of the code of a failed command.
inline constexpr const char* kQueryErrorMarker = "Error:";
inline constexpr std::int32_t kEmptyCommandCode = -1;

class MciCommandLayer {
 public:
  explicit MciCommandLayer(MciApi& mci) : mci_(mci) {}

  // Sends the command; reply receives the device's reply or an error text. Returns 0, the MCI
  // error code, or -1 for an empty command (nothing sent).
  std::int32_t SendMci(const std::string& command, std::string& reply);
  // The reply, or "Error:" followed by the code when the command failed.
  std::string QueryMci(const std::string& command);
  // "play <device>[ from <start>][ to <end>]"; empty positions are left out.
  std::int32_t PlayMci(const std::string& device, const std::string& start, const std::string& end);

  const std::string& MciReply() const { return MciReply_; }

 private:
  MciApi& mci_;
  // Shared by every call for the whole process and never cleared: a shorter reply overwrites only
  // the beginning, and its NUL ends it.
  char MciReplyBuffer[512] = {};
  char MciErrorBuffer[256] = {};
  std::string MciReply_;
};

}  // namespace quillane
