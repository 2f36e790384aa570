// The sound layer of the window's tests: it never plays, and only says whether Sound.dat is there.
#pragma once

#include <string>

#include "SoundLayer.h"

// A run that never plays a sound, whatever the bank holds: the window's tests, which only need to
// know whether Sound.dat is there.
class TSilentSound final : public ISoundLayer, private IEffectPlayer {
public:
  IEffectPlayer& Effects() override { return *this; }
  std::string CheckSoundBank(const std::string& bankDirectory) override;
  std::string StartSound() override { return {}; }
  void StartPlay() override {}
  void MusicTimerTimer() override {}
  void ApplyMusicChange() override {}
  void SetVolumes(int, int) override {}
  void ShutDown() override {}

private:
  void PlayEffect(TSoundEffect) override {}
};
