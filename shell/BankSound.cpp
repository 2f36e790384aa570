// The game's sound layer over the bank, the wave player and the song player.
#include "BankSound.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include "AudioDevice.h"
#include "GameSettings.h"
#include "PlaySoundFile.h"
#include "PlayerMessages.h"
#include "Random.h"
#include "SoundVolume.h"
#include "TempDirectory.h"

TBankSound::TBankSound() : Sound(PlaySoundFile, Player, ProgramRandom()) {
  // A song the device refuses is said once; the music then stays quiet for the rest of the run.
  Sound.SetProblemReport([](const std::string& message) {
    QMessageBox::warning(nullptr, QCoreApplication::translate("TfrmLines", "Warning"), PlayerMessage(message));
  });
  // Long enough that a turn's run of effects keeps the device, short against a player's pause.
  SilenceCheck.setSingleShot(true);
  SilenceCheck.setInterval(1000);
  SilenceCheck.callOnTimeout([this] { ReleaseDeviceWhenSilent(); });
}

std::string TBankSound::CheckSoundBank(const std::string& bankDirectory) {
  return Sound.CheckSoundBank(bankDirectory);
}

std::string TBankSound::StartSound() {
  SoundStarted = true;
  SetVolumes(EffectPercent, MusicPercent);
  std::string warning = Sound.StartSound(TempDirectory());
  SilenceCheck.start();
  return warning;
}

void TBankSound::ApplyMusicChange() {
  Sound.ApplyMusicChange();
  SilenceCheck.start();
}

void TBankSound::ShutDown() {
  SilenceCheck.stop();
  Sound.ShutDown();
}

void TBankSound::PlayEffect(TSoundEffect effect) {
  Sound.Effects().PlayEffect(effect);
  SilenceCheck.start();
}

void TBankSound::ReleaseDeviceWhenSilent() {
  // A song, even a finished one, holds the device: it is played again on the music timer.
  if (GameSettings.Music != 0) return;
  if (!ReleaseSilentAudio()) SilenceCheck.start();
}

void TBankSound::SetVolumes(int effects, int music) {
  EffectPercent = effects;
  MusicPercent = music;
  if (!SoundStarted) return;
  SetEffectVolume(effects);
  SetMusicVolume(music);
}
