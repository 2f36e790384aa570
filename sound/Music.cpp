// Song choice and the use of the music player.
#include "Music.h"

#include <cassert>

#include "GameSettings.h"

TMusic::TMusic(IMusicPlayer& player, TSoundBank& bank, TRandom& random)
    : Player(player), Bank(bank), Random(random) {}

int TMusic::FirstSongPosition() const {
  for (int p = 2; p <= Bank.Header.Count; ++p)
    if (IsSongName(Bank.SoundPaths[p])) return p;
  return 0;
}

std::string TMusic::ChooseSong(int choice) {
  const int first = FirstSongPosition();
  assert(first > 0);  // an accepted bank holds its songs
  const int song = choice >= 1 && choice <= SongCount ? choice - 1 : Random.Random(SongCount);
  return Bank.SoundPaths[first + song];
}

void TMusic::StartMusic() {
  if (GameSettings.Music == 0) return;
  Guarded([&] {
    Player.FileName = ChooseSong(GameSettings.Music);
    Player.Open();
  });
}

void TMusic::StartPlay() {
  if (GameSettings.Music != 0) Guarded([&] { Player.Play(); });
}

void TMusic::ApplyMusicChange() {
  Guarded([&] {
    if (GameSettings.Music == 0) {
      Player.Close();
      return;
    }
    if (Player.Playing()) Player.Close();
    Player.FileName = ChooseSong(GameSettings.Music);
    Player.Open();
    Player.Play();
  });
}

void TMusic::MusicTimerTimer() {
  if (GameSettings.Music == 0 || Player.Playing()) return;
  Guarded([&] {
    if (GameSettings.Music > SongCount) {
      Player.Close();
      Player.FileName = ChooseSong(GameSettings.Music);
      Player.Open();
    } else {
      Player.Rewind();
    }
    Player.Play();
  });
}

void TMusic::CloseMusic() { Player.Close(); }

void TMusic::SetProblemReport(TSoundReport report) { Report = std::move(report); }

void TMusic::Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const EMCIDeviceError& error) {
    if (Reported) return;
    Reported = true;
    if (Report) Report(error.what());
  }
}
