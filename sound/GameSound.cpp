// The start-up and shut-down order of the sound layer, and its silent mode.
#include "GameSound.h"

#include <filesystem>

#include "GameSettings.h"
#include "InOutError.h"
#include "SoundUnavailable.h"

TGameSound::TGameSound(TSoundSink sink, IMusicPlayer& player, TRandom& random)
    : BankEffects(Bank, std::move(sink)), Music(player, Bank, random) {}

std::string TGameSound::CheckSoundBank(const std::string& programDirectory) {
  const std::string problem =
      ReadSoundBank((std::filesystem::path(programDirectory) / SoundBankName).string(), Bank);
  BankAccepted = problem.empty();
  SoundUnavailable = BankAccepted ? 0 : 1;
  return problem;
}

std::string TGameSound::StartSound(const std::string& tempDirectory) {
  if (!BankAccepted) {
    SoundUnavailable = 1;
    GoSilent();
    return {};
  }
  TempDirectory = tempDirectory;
  bool attached = false;
  try {
    Share = AttachSoundFiles(TempDirectory);
    attached = true;
    ExtractSounds(Bank, TempDirectory);
  } catch (const EInOutError& error) {
    // The run goes on silent; the count this instance added is taken back.
    try {
      if (attached && DetachSoundFiles(TempDirectory, std::move(Share))) DeleteSoundFiles(Bank.Header, TempDirectory);
    } catch (const EInOutError&) {
    }
    SoundUnavailable = 1;
    GoSilent();
    return "The sounds cannot be unpacked, so the game is silent: " + std::string(error.what());
  }
  Started = true;
  BuildSoundPaths(Bank, TempDirectory);
  // The start-up sound goes first: the song's synthesiser takes a while to load and is silent.
  Effects().PlayEffect(TSoundEffect::StartUp);
  Music.StartMusic();
  return {};
}

void TGameSound::StartPlay() {
  if (!Silent()) Music.StartPlay();
}

IEffectPlayer& TGameSound::Effects() {
  if (Silent()) return SilentEffects;
  return BankEffects;
}

void TGameSound::MusicTimerTimer() {
  if (!Silent()) Music.MusicTimerTimer();
}

void TGameSound::ApplyMusicChange() {
  if (!Silent()) Music.ApplyMusicChange();
}

void TGameSound::SetProblemReport(TSoundReport report) { Music.SetProblemReport(std::move(report)); }

void TGameSound::ShutDown() {
  if (Silent()) return;
  Started = false;
  BankEffects.PlayEffect(TSoundEffect::Close);
  Music.CloseMusic();
  if (DetachSoundFiles(TempDirectory, std::move(Share))) DeleteSoundFiles(Bank.Header, TempDirectory);
}

bool TGameSound::Silent() const { return !Started; }

void TGameSound::GoSilent() {
  GameSettings.SoundsOff = 1;
  GameSettings.Music = 0;
}
