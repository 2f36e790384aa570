// The switch rule of the effects and their playing from the unpacked bank.
#include "SoundEffects.h"

#include "PlaySoundFile.h"

bool EffectHeard(TSoundEffect effect, const TGameSettings& settings) {
  std::uint8_t TGameSettings::*switchField = nullptr;
  switch (effect) {
    case TSoundEffect::StartUp:
    case TSoundEffect::Close:
      return true;
    case TSoundEffect::Break:
      switchField = &TGameSettings::SoundBreak;
      break;
    case TSoundEffect::Create:
    case TSoundEffect::CreateJoker:
    case TSoundEffect::CreateBomb:
      switchField = &TGameSettings::SoundCreate;
      break;
    case TSoundEffect::Jump:
    case TSoundEffect::JumpJoker:
    case TSoundEffect::JumpBomb:
      switchField = &TGameSettings::SoundJump;
      break;
    case TSoundEffect::Move:
      switchField = &TGameSettings::SoundMove;
      break;
    case TSoundEffect::Stuck:
      switchField = &TGameSettings::SoundStuck;
      break;
  }
  return switchField != nullptr && settings.*switchField == 1 && settings.SoundsOff == 0;
}

bool EffectSynchronous(TSoundEffect effect) {
  return effect == TSoundEffect::Stuck || effect == TSoundEffect::Close;
}

void PlayEffect(const TSoundBank& bank, TSoundEffect effect, const TSoundSink& sink) {
  if (!EffectHeard(effect, GameSettings)) return;
  sink(bank.SoundPaths[static_cast<int>(effect)], EffectSynchronous(effect) ? SoundSync : SoundAsync);
}

TBankEffectPlayer::TBankEffectPlayer(const TSoundBank& bank, TSoundSink sink)
    : Bank(bank), Sink(std::move(sink)) {}

void TBankEffectPlayer::PlayEffect(TSoundEffect effect) { ::PlayEffect(Bank, effect, Sink); }
