// The game's sound layer: effects and songs from Sound.dat through the wave and song players.
#pragma once

#include "GameSound.h"
#include "MusicPlayer.h"
#include "SoundLayer.h"

class TBankSound final : public ISoundLayer {
public:
  TBankSound();

  IEffectPlayer& Effects() override { return Sound.Effects(); }
  std::string CheckSoundBank(const std::string& bankDirectory) override;
  std::string StartSound() override;
  void StartPlay() override { Sound.StartPlay(); }
  void MusicTimerTimer() override { Sound.MusicTimerTimer(); }
  void ApplyMusicChange() override { Sound.ApplyMusicChange(); }
  void SetVolumes(int effects, int music) override;
  void ShutDown() override { Sound.ShutDown(); }

private:
  // Declared before Sound, which plays its songs through it.
  TMusicPlayer Player;
  TGameSound Sound;
};
