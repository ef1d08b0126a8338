#pragma once
// The background-music operations the saver session drives: the CD-audio player and the two file
// players. None takes arguments or returns a result; the CD monitor's verdict is CdAudioActive.
namespace quillane {

class MusicPlayers {
 public:
  virtual ~MusicPlayers() = default;
  virtual void StartCdAudio() = 0;
  virtual void MonitorCdAudio() = 0;
  virtual bool CdAudioActive() const = 0;
  virtual void StopCdAudio() = 0;
  virtual void StartMp3() = 0;
  virtual void RepeatMp3() = 0;
  virtual void StopMp3() = 0;
  virtual void StartWav() = 0;
  virtual void StopWav() = 0;
};

}  // namespace quillane
