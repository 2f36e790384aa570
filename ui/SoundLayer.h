// What the main window asks of the sound layer: effects, the bank's opening and closing, the music.
#pragma once

#include <string>

#include "GameHost.h"

class ISoundLayer : public IEffectPlayer {
public:
  // Start-up with Sound.dat present: attach to and unpack the bank, open the first song, and
  // play the StartUp effect whatever the switches say.
  virtual void OpenBank(const std::string& programDirectory) = 0;
  // Start-up's last sound step, taken when GameSettings.Music is not 0: the song starts playing.
  virtual void PlayMusic() = 0;
  // Every minute: a song that has stopped starts again.
  virtual void MusicTimerTick() = 0;
  // The settings dialog changed the music choice.
  virtual void ApplyMusicChange() = 0;
  // Shut-down with the bank present: the Close effect to its end, the song closed, the unpacked
  // files released (and deleted when no other running copy uses them).
  virtual void CloseBank() = 0;
};

// The run without sound: what the game does when the bank is missing, and until a bank is wired.
class TSilentSound final : public ISoundLayer {
public:
  void PlayEffect(TSoundEffect) override {}
  void OpenBank(const std::string&) override {}
  void PlayMusic() override {}
  void MusicTimerTick() override {}
  void ApplyMusicChange() override {}
  void CloseBank() override {}
};
