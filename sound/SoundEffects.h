// The eleven effects: which of them the player's switches let through, and playing them from the bank.
#pragma once

#include <functional>
#include <string>

#include "GameHost.h"
#include "GameSettings.h"
#include "SoundBank.h"

// Where an effect's file goes to be heard: PlaySoundFile in the game, a recorder in tests.
using TSoundSink = std::function<void(const std::string& path, int flags)>;

// Whether the effect sounds under these settings: StartUp and Close always; the others only when
// their own switch is 1 and SoundsOff is 0.
bool EffectHeard(TSoundEffect effect, const TGameSettings& settings);

// Stuck and Close block until they have sounded; the others play in the background.
bool EffectSynchronous(TSoundEffect effect);

// Plays the effect's unpacked file if the global GameSettings let it through.
void PlayEffect(const TSoundBank& bank, TSoundEffect effect, const TSoundSink& sink);

// The effects of an unpacked bank, for the engine and the window.
class TBankEffectPlayer : public IEffectPlayer {
public:
  explicit TBankEffectPlayer(const TSoundBank& bank, TSoundSink sink);
  void PlayEffect(TSoundEffect effect) override;

private:
  const TSoundBank& Bank;
  TSoundSink Sink;
};

// The effects of a silent run (no usable bank): nothing is ever heard.
class TSilentEffectPlayer : public IEffectPlayer {
public:
  void PlayEffect(TSoundEffect) override {}
};
