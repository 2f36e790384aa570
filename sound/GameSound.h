// Everything the main window asks of the sound layer, from start-up to shut-down.
#pragma once

#include <string>

#include "Music.h"
#include "MusicPlayer.h"
#include "Random.h"
#include "SoundBank.h"
#include "SoundCount.h"
#include "SoundEffects.h"

// The game's sound: the bank's effects, the songs and the shared unpacked files. Without a usable
// bank the run is silent and every call below does nothing.
class TGameSound {
public:
  // The sink hears every effect (PlaySoundFile in the game); the player plays the songs; random
  // draws the songs of random mode.
  TGameSound(TSoundSink sink, IMusicPlayer& player, TRandom& random);
  TGameSound(const TGameSound&) = delete;
  TGameSound& operator=(const TGameSound&) = delete;

  // First start-up step, before the settings are loaded: reads and checks Sound.dat in
  // programDirectory and settles SoundUnavailable. Returns "" when the bank can be used, otherwise
  // the warning to show once ("Sound file is missing!", or what is wrong with the bank).
  std::string CheckSoundBank(const std::string& programDirectory);

  // After the settings are loaded: counts this instance in, unpacks the bank into tempDirectory,
  // plays StartUp and opens the chosen song. In a silent run it sets SoundsOff to 1 and Music to 0
  // in memory. Returns "" or, when the files cannot be unpacked, the warning to show once (the run
  // is then silent as with a missing bank).
  std::string StartSound(const std::string& tempDirectory);

  // Later at start, after the window's first frame: plays the opened song when the music is on.
  void StartPlay();

  // The effects for the engine and the window: the bank's, or silence.
  IEffectPlayer& Effects();

  // MusicTimer's handler, every 60000 ms.
  void MusicTimerTimer();
  // When the settings dialog left its music-changed flag.
  void ApplyMusicChange();
  // Where a song the device refuses is reported, at most once per run.
  void SetProblemReport(TSoundReport report);

  // At shut-down: plays Close to its end, closes the music and releases the unpacked files
  // (deleted by the last running instance). Raises EInOutError when the count file cannot be kept.
  void ShutDown();

private:
  bool Silent() const;
  void GoSilent();

  TSoundBank Bank;
  std::string TempDirectory;
  TSoundFilesShare Share;  // from counting in to counting out
  TBankEffectPlayer BankEffects;
  TSilentEffectPlayer SilentEffects;
  TMusic Music;
  bool BankAccepted = false;  // Sound.dat was read and passed its check
  bool Started = false;       // the files are unpacked and counted; until ShutDown
};
