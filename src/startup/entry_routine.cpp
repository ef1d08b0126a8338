#include "startup/entry_routine.h"

#include "startup/command_line.h"

namespace quillane {

EntryOutcome RunEntryRoutine(std::string_view argumentText, EntryPort& port) {
  // Both searches are made, whatever the first one found.
  const bool sessionRunning = port.TopLevelWindowExists(kSaverCaption);
  const bool dialogOpen = port.TopLevelWindowExists(kSettingsCaption);
  if (sessionRunning || dialogOpen) return EntryOutcome::EndProgram;

  const char mode = ModeLetter(argumentText);
  if (mode == 'P') {
    return port.SetUpPreview(PreviewHostHandle(argumentText)) ? EntryOutcome::RunMessageLoop
                                                               : EntryOutcome::EndProgram;
  }

  port.LoadSettings();
  if (!port.VisualProgramExists()) {
    port.ShowMissingVisualProgramMessage();
    return EntryOutcome::EndProgram;
  }
  if (mode == 'C') {
    port.ShowSettingsDialog();
    return EntryOutcome::EndProgram;
  }
  if (!argumentText.empty() && mode != 'S') return EntryOutcome::EndProgram;
  if (mode == 'S') port.HideCursor();
  return port.CreateSaverWindow() ? EntryOutcome::RunMessageLoop : EntryOutcome::EndProgram;
}

}  // namespace quillane
