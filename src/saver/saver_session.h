#pragma once
// The saver session carried by the hidden window "Quillane_Main": it starts the visual program and
// the music, watches for the visual program's window and ends the program when it has gone.
#include <string>

#include "music/music_players.h"
#include "startup/settings.h"

namespace quillane {

inline constexpr const char* kVisualWindowCaption = "QuillaneVC";

enum class SaverTimer { Timer1 = 1, Timer2 = 2, Timer3 = 3 };

constexpr unsigned TimerInterval(SaverTimer timer) {
  switch (timer) {
    case SaverTimer::Timer1: return 1000;  // MP3 restart check
    case SaverTimer::Timer2: return 200;   // CD monitor
    case SaverTimer::Timer3: return 50;    // visual program watch
  }
  return 0;
}

enum class FileKind { Wav, Mp3, Other };
// The last three characters of the path, upper-cased.
FileKind FileKindOf(const std::string& path);

class SaverWindowPort {
 public:
  virtual ~SaverWindowPort() = default;
  virtual void StartVisualProgram(const std::string& path) = 0;
  virtual void SetTimerEnabled(SaverTimer timer, bool enabled) = 0;
  virtual bool TopLevelWindowExists(const char* caption) = 0;
  virtual void ShowCursor() = 0;
  virtual void EndProgram() = 0;
};

class SaverSession {
 public:
  // saverMode: the mode letter was "S", so the cursor was hidden and comes back at the end.
  SaverSession(const MusicSettings& settings, MusicPlayers& music, SaverWindowPort& window,
               std::string visualProgramPath, bool saverMode);

  void Load();                    // window created
  void Tick(SaverTimer timer);    // a timer fired
  void Close();                   // window closed, whatever closed it

 private:
  void SetTimer(SaverTimer timer, bool enabled);
  bool TimerEnabled(SaverTimer timer) const;

  const MusicSettings& settings_;
  MusicPlayers& music_;
  SaverWindowPort& window_;
  std::string visualProgramPath_;
  bool saverMode_;
  bool timerEnabled_[3] = {false, false, false};
  bool closing_ = false;
};

}  // namespace quillane
