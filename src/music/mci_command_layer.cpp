#include "music/mci_command_layer.h"

#include <cstring>

namespace quillane {
namespace {

// The text in a fixed buffer before its first NUL, and never past the buffer's end.
std::string BufferText(const char* buffer, std::size_t size) {
  const void* nul = std::memchr(buffer, '\0', size);
  return std::string(buffer, nul ? static_cast<const char*>(nul) - buffer : size);
}

}  // namespace

std::int32_t MciCommandLayer::SendMci(const std::string& command, std::string& reply) {
  if (command.empty()) {
    reply = kNoCommandText;
    return kEmptyCommandCode;
  }
  const auto code = static_cast<std::int32_t>(
      mci_.mciSendStringA(command.c_str(), MciReplyBuffer, sizeof MciReplyBuffer, nullptr));
  if (code == 0) {
    reply = BufferText(MciReplyBuffer, sizeof MciReplyBuffer);
    return 0;
  }
  if (!mci_.mciGetErrorStringA(static_cast<std::uint32_t>(code), MciErrorBuffer, sizeof MciErrorBuffer)) {
    reply = kNoErrorText;
    return code;
  }
  reply = BufferText(MciErrorBuffer, sizeof MciErrorBuffer);
  return code;
}

std::string MciCommandLayer::QueryMci(const std::string& command) {
  const std::int32_t code = SendMci(command, MciReply_);
  if (code != 0) return kQueryErrorMarker + std::to_string(code);
  return MciReply_;
}

std::int32_t MciCommandLayer::PlayMci(const std::string& device, const std::string& start,
                                      const std::string& end) {
  std::string command = "play " + device;
  if (!start.empty()) command += " from " + start;
  if (!end.empty()) command += " to " + end;
  return SendMci(command, MciReply_);
}

}  // namespace quillane
