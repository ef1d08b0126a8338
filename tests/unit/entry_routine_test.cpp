#include "startup/entry_routine.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillane {
namespace {

class RecordingEntry : public EntryPort {
 public:
  std::set<std::string> existingWindows;
  bool visualProgramPresent = true;
  bool previewWorks = true;
  std::vector<std::string> calls;

  bool TopLevelWindowExists(const char* caption) override {
    calls.push_back(std::string("find ") + caption);
    return existingWindows.count(caption) > 0;
  }
  bool SetUpPreview(std::int32_t host) override {
    calls.push_back("preview " + std::to_string(host));
    return previewWorks;
  }
  void LoadSettings() override { calls.push_back("load"); }
  bool VisualProgramExists() override {
    calls.push_back("visual?");
    return visualProgramPresent;
  }
  void ShowMissingVisualProgramMessage() override { calls.push_back("message"); }
  void ShowSettingsDialog() override { calls.push_back("dialog"); }
  void HideCursor() override { calls.push_back("hide cursor"); }
  bool CreateSaverWindow() override {
    calls.push_back("saver");
    return true;
  }
};

using Calls = std::vector<std::string>;
const Calls kInstanceTest = {"find Quillane_Main", "find <Quillane>"};

Calls After(const Calls& prefix, const Calls& rest) {
  Calls all = prefix;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST(EntryRoutine, ModeTable) {
  const struct {
    const char* args;
    Calls calls;
    EntryOutcome outcome;
  } cases[] = {
      {"/p 524", After(kInstanceTest, {"preview 524"}), EntryOutcome::RunMessageLoop},
      {"/P 524", After(kInstanceTest, {"preview 524"}), EntryOutcome::RunMessageLoop},
      {"/p524", After(kInstanceTest, {"preview 24"}), EntryOutcome::RunMessageLoop},
      {"/c", After(kInstanceTest, {"load", "visual?", "dialog"}), EntryOutcome::EndProgram},
      {"/c:720", After(kInstanceTest, {"load", "visual?", "dialog"}), EntryOutcome::EndProgram},
      {"/s", After(kInstanceTest, {"load", "visual?", "hide cursor", "saver"}), EntryOutcome::RunMessageLoop},
      {"/S", After(kInstanceTest, {"load", "visual?", "hide cursor", "saver"}), EntryOutcome::RunMessageLoop},
      {"-s", After(kInstanceTest, {"load", "visual?", "hide cursor", "saver"}), EntryOutcome::RunMessageLoop},
      {"", After(kInstanceTest, {"load", "visual?", "saver"}), EntryOutcome::RunMessageLoop},
      {"/a", After(kInstanceTest, {"load", "visual?"}), EntryOutcome::EndProgram},
      {"s", After(kInstanceTest, {"load", "visual?"}), EntryOutcome::EndProgram},
  };
  for (const auto& c : cases) {
    RecordingEntry entry;
    EXPECT_EQ(RunEntryRoutine(c.args, entry), c.outcome) << c.args;
    EXPECT_EQ(entry.calls, c.calls) << c.args;
  }
}

TEST(EntryRoutine, EitherInstanceMarkerEndsEveryModeAfterBothSearches) {
  for (const char* marker : {"Quillane_Main", "<Quillane>"}) {
    for (const char* args : {"/s", "/c", "/p 524", ""}) {
      RecordingEntry entry;
      entry.existingWindows = {marker};
      EXPECT_EQ(RunEntryRoutine(args, entry), EntryOutcome::EndProgram) << marker << ' ' << args;
      EXPECT_EQ(entry.calls, kInstanceTest) << marker << ' ' << args;
    }
  }
}

TEST(EntryRoutine, MissingVisualProgramShowsTheMessageAndEnds) {
  for (const char* args : {"/s", "/c", "/a", ""}) {
    RecordingEntry entry;
    entry.visualProgramPresent = false;
    EXPECT_EQ(RunEntryRoutine(args, entry), EntryOutcome::EndProgram) << args;
    EXPECT_EQ(entry.calls, After(kInstanceTest, {"load", "visual?", "message"})) << args;
  }
}

TEST(EntryRoutine, PreviewThatCouldNotBeSetUpEndsTheProgram) {
  RecordingEntry entry;
  entry.previewWorks = false;
  EXPECT_EQ(RunEntryRoutine("/p 0", entry), EntryOutcome::EndProgram);
}

}  // namespace
}  // namespace quillane
