// Quillane.scr: a screen saver started by Windows with /s, /p <hwnd> or /c.
#include <windows.h>

#include <string>

#include "startup/command_line.h"
#include "startup/entry_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::string argumentText(quillane::ArgumentText(GetCommandLineA()));
  quillane::win32::SystemEntry entry(instance, argumentText);
  if (quillane::RunEntryRoutine(argumentText, entry) == quillane::EntryOutcome::EndProgram) {
    ExitProcess(0);  // ends at once: no window handler runs afterwards
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
