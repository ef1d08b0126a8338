#pragma once
// Saver sessions with music settings, for the music tests.
#include <string>

#include "audio_capture.h"
#include "harness.h"

namespace e2e {

// Quillane.ini choosing the music (category 1 CD with its track, 2 the file).
std::string MusicIni(int category, int repeat, const std::string& file);

struct SessionTimes {  // on the capture's clock
  double startMs;
  double endMs;
};

// Runs a session for lengthMs, checking that it shows nothing and ends cleanly when the visual program
// goes; a capture given is stopped once what was still playing has had time to reach it.
SessionTimes RunSession(const SaverFolder& folder, DWORD lengthMs, AudioCapture* capture = nullptr);

}  // namespace e2e
