// The game's sound layer over the bank, the wave player and the song player.
#include "BankSound.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

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
}

std::string TBankSound::CheckSoundBank(const std::string& bankDirectory) {
  return Sound.CheckSoundBank(bankDirectory);
}

std::string TBankSound::StartSound() { return Sound.StartSound(TempDirectory()); }

void TBankSound::SetVolumes(int effects, int music) {
  SetEffectVolume(effects);
  SetMusicVolume(music);
}
