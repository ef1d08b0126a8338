#pragma once
// The entry routine: single-instance test, mode dispatch and hand-over to the preview, the
// settings dialog or the saver session.
#include <cstdint>
#include <string_view>

namespace quillane {

inline constexpr const char* kSaverCaption = "Quillane_Main";
inline constexpr const char* kSettingsCaption = "<Quillane>";
inline constexpr const char* kVisualProgramName = "\\Quillane.dll";

class EntryPort {
 public:
  virtual ~EntryPort() = default;
  virtual bool TopLevelWindowExists(const char* caption) = 0;
  // Makes the preview window a child of the host; false when no preview window could be set up.
  virtual bool SetUpPreview(std::int32_t hostHandle) = 0;
  virtual void LoadSettings() = 0;
  virtual bool VisualProgramExists() = 0;
  virtual void ShowMissingVisualProgramMessage() = 0;
  virtual void ShowSettingsDialog() = 0;
  virtual void HideCursor() = 0;
  // Creates the hidden saver window, whose load step starts the session; false when it failed.
  virtual bool CreateSaverWindow() = 0;
};

enum class EntryOutcome { EndProgram, RunMessageLoop };

EntryOutcome RunEntryRoutine(std::string_view argumentText, EntryPort& port);

}  // namespace quillane
