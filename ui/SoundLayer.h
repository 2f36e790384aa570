// What the main window asks of the sound layer, from start-up to shut-down.
#pragma once

#include <string>

#include "GameHost.h"

class ISoundLayer {
public:
  virtual ~ISoundLayer() = default;
  // The effects for the engine and the window.
  virtual IEffectPlayer& Effects() = 0;
  // First start-up step: whether Sound.dat in bankDirectory can be used. Returns "" or the warning
  // to show once ("Sound file is missing!", or what is wrong with the bank); the run is then silent.
  virtual std::string CheckSoundBank(const std::string& bankDirectory) = 0;
  // Start-up with Sound.dat present, once the window's first frame is out: unpack the bank, play
  // StartUp, open the chosen song. Returns "" or a warning to show once (the run is then silent).
  virtual std::string StartSound() = 0;
  // Later at start: the opened song plays when the music is on.
  virtual void StartPlay() = 0;
  // MusicTimer's handler: a song that has stopped starts again.
  virtual void MusicTimerTimer() = 0;
  // The settings dialog changed the music choice.
  virtual void ApplyMusicChange() = 0;
  // The player's volumes of the effects and of the music, each 0 to 100 %: applied at once once the
  // sound has started, and before that kept for StartSound, so that setting them opens no device.
  virtual void SetVolumes(int effects, int music) = 0;
  // Shut-down with the bank present: Close to its end, the song closed, the unpacked files released.
  virtual void ShutDown() = 0;
};
