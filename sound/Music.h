// The background music: which song plays, its start, the reaction to a changed choice and the restart.
#pragma once

#include <functional>
#include <string>

#include "MusicPlayer.h"
#include "Random.h"
#include "SoundBank.h"

// Shows the player a problem of the sound layer (the window shows it in a message box).
using TSoundReport = std::function<void(const std::string& message)>;

// Plays the bank's eight songs after GameSettings.Music: 0 off, 1..8 song n, 9 (or above) random.
class TMusic {
public:
  TMusic(IMusicPlayer& player, TSoundBank& bank, TRandom& random);

  // The bank position of song 1: the first entry from position 2 on whose path ends in ".MID"
  // (0 when there is none). Searched anew on every call.
  int FirstSongPosition() const;
  // The unpacked path of the song for a choice: 1..8 that song, 9 a random one of the eight.
  std::string ChooseSong(int choice);

  // At start, once the path table is built: opens (without playing) the chosen song.
  void StartMusic();
  // Later at start: plays the opened song when the music is on.
  void StartPlay();
  // After the settings dialog changed the choice: the new song at once, or silence.
  void ApplyMusicChange();
  // Every minute: a song that has ended starts again (fixed) or gives way to a new draw (random).
  void MusicTimerTimer();
  // At shut-down.
  void CloseMusic();

  // Where the first device error of the run is reported; later ones are not, so a refused song
  // does not bring a message at every tick.
  void SetProblemReport(TSoundReport report);

private:
  void Guarded(const std::function<void()>& action);

  IMusicPlayer& Player;
  TSoundBank& Bank;
  TRandom& Random;
  TSoundReport Report;
  bool Reported = false;
};
