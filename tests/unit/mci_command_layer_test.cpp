#include "music/mci_command_layer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "mock_mci.h"

namespace quillane {
namespace {

using ::testing::_;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::StrEq;
using ::testing::StrictMock;

constexpr std::uint32_t kInvalidDeviceName = 263;

class MciCommandLayerTest : public ::testing::Test {
 protected:
  StrictMock<MockMci> mci;
  MciCommandLayer layer{mci};
  std::string reply;
};

TEST_F(MciCommandLayerTest, AnEmptyCommandIsRefusedWithoutCallingMci) {
  EXPECT_EQ(layer.SendMci("", reply), -1);
  EXPECT_EQ(reply, "\x83\x52\x83\x7d\x83\x93\x83\x68\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\x77\x92\xe8\x82\xb3"
                   "\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1");  // コマンド文字列が指定されていません
  EXPECT_EQ(layer.QueryMci(""), "Error:-1");
}

TEST_F(MciCommandLayerTest, ASuccessfulCommandGivesTheReplyBeforeItsNul) {
  EXPECT_CALL(mci, mciSendStringA(StrEq("status cdaudio number of tracks"), _, 512u, nullptr))
      .WillOnce(Invoke(Reply("12345")))
      .WillOnce(Invoke(Reply("12")));  // a shorter reply overwrites only the beginning
  EXPECT_EQ(layer.SendMci("status cdaudio number of tracks", reply), 0);
  EXPECT_EQ(reply, "12345");
  EXPECT_EQ(layer.QueryMci("status cdaudio number of tracks"), "12");
  EXPECT_EQ(layer.MciReply(), "12");
}

TEST_F(MciCommandLayerTest, AReplyThatFillsTheWholeBufferEndsAtTheBuffer) {
  EXPECT_CALL(mci, mciSendStringA(_, _, 512u, nullptr)).WillOnce([](const char*, char* buffer, unsigned length, void*) {
    std::memset(buffer, 'x', length);
    return 0u;
  });
  EXPECT_EQ(layer.QueryMci("status x"), std::string(512, 'x'));
}

TEST_F(MciCommandLayerTest, AFailureGivesTheMciTextAndItsCode) {
  EXPECT_CALL(mci, mciSendStringA(StrEq("status nothing mode"), _, 512u, nullptr))
      .WillRepeatedly(Return(kInvalidDeviceName));
  EXPECT_CALL(mci, mciGetErrorStringA(kInvalidDeviceName, _, 256u))
      .WillRepeatedly([](std::uint32_t, char* text, unsigned) {
        std::strcpy(text, "The specified device is not open.");
        return true;
      });
  EXPECT_EQ(layer.SendMci("status nothing mode", reply), 263);
  EXPECT_EQ(reply, "The specified device is not open.");
  // The query folds the failure into the marker; the text is not part of it.
  EXPECT_EQ(layer.QueryMci("status nothing mode"), "Error:263");
}

TEST_F(MciCommandLayerTest, AFailureWithoutTextStillGivesItsCode) {
  EXPECT_CALL(mci, mciSendStringA(_, _, _, _)).WillOnce(Return(0x12345u));
  EXPECT_CALL(mci, mciGetErrorStringA(0x12345u, _, 256u)).WillOnce(Return(false));
  EXPECT_EQ(layer.SendMci("status cdaudio mode", reply), 0x12345);
  EXPECT_EQ(reply, "Error (\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\xe6\x82\xea\x82\xdc\x82\xb9\x82\xf1)");  // Error (文字列が取れません)
}

TEST_F(MciCommandLayerTest, PlayBuildsItsCommandFromThePositionsGiven) {
  struct Case {
    const char* start;
    const char* end;
    const char* command;
  };
  for (const Case& c : {Case{"", "", "play cdaudio"}, Case{"", "05", "play cdaudio to 05"},
                        Case{"03:00:00:00", "", "play cdaudio from 03:00:00:00"},
                        Case{"03", "04", "play cdaudio from 03 to 04"}}) {
    SCOPED_TRACE(c.command);
    EXPECT_CALL(mci, mciSendStringA(StrEq(c.command), _, 512u, nullptr)).WillOnce(Invoke(Reply("")));
    EXPECT_EQ(layer.PlayMci("cdaudio", c.start, c.end), 0);
    ::testing::Mock::VerifyAndClearExpectations(&mci);
  }
  // As they stand: a failed query's marker goes into the command unchanged, and the code comes back.
  EXPECT_CALL(mci, mciSendStringA(StrEq("play cdaudio from Error:282"), _, 512u, nullptr)).WillOnce(Return(270u));
  EXPECT_CALL(mci, mciGetErrorStringA(270u, _, 256u)).WillOnce(Return(false));
  EXPECT_EQ(layer.PlayMci("cdaudio", "Error:282", ""), 270);
}

}  // namespace
}  // namespace quillane
