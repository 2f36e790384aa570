// The game's sound layer: effects and songs from Sound.dat through the wave and song players.
#pragma once

#include <QTimer>

#include "GameSound.h"
#include "MusicPlayer.h"
#include "SoundLayer.h"

class TBankSound final : public ISoundLayer, private IEffectPlayer {
public:
  TBankSound();

  IEffectPlayer& Effects() override { return *this; }
  std::string CheckSoundBank(const std::string& bankDirectory) override;
  std::string StartSound() override;
  void StartPlay() override { Sound.StartPlay(); }
  void MusicTimerTimer() override { Sound.MusicTimerTimer(); }
  void ApplyMusicChange() override;
  void SetVolumes(int effects, int music) override;
  void ShutDown() override;

  // Whether the audio device is left open for a sound that may still be playing.
  bool WatchingForSilence() const { return SilenceCheck.isActive(); }

private:
  void PlayEffect(TSoundEffect effect) override;
  // With the music off, the device is closed once the last effect has ended: an open device wakes
  // the process dozens of times a second to mix silence. The next effect opens it again.
  void ReleaseDeviceWhenSilent();

  // Declared before Sound, which plays its songs through it.
  TMusicPlayer Player;
  TGameSound Sound;
  QTimer SilenceCheck;
  // The volumes asked for, applied from StartSound on: setting one opens the audio device.
  bool SoundStarted = false;
  int EffectPercent = 100;
  int MusicPercent = 100;
};
