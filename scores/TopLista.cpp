// The three top-ten lists and their file.
#include "TopLista.h"

#include <sys/stat.h>

#include <algorithm>
#include <cassert>
#include <optional>

#include "CheckedFile.h"
#include "Crypt.h"
#include "GameSettings.h"
#include "SetAside.h"

std::string TScoreEntry::Name() const {
  return std::string(NameChars.data(), std::min<std::size_t>(NameLength, MaxNameLength));
}

void TScoreEntry::SetName(std::string_view latin1) {
  const std::size_t length = std::min(latin1.size(), MaxNameLength);
  std::copy_n(latin1.begin(), length, NameChars.begin());
  NameLength = static_cast<std::uint8_t>(length);
}

void TScoreEntry::Encode(std::span<std::uint8_t, ScoreEntrySize> bytes) const {
  bytes[0] = NameLength;
  std::copy(NameChars.begin(), NameChars.end(), bytes.begin() + 1);
  bytes[31] = Alignment;
  bytes[32] = static_cast<std::uint8_t>(Score & 0xFF);
  bytes[33] = static_cast<std::uint8_t>(Score >> 8);
  bytes[34] = Jokers;
  bytes[35] = Bombs;
}

TScoreEntry TScoreEntry::Decode(std::span<const std::uint8_t, ScoreEntrySize> bytes) {
  TScoreEntry entry;
  entry.NameLength = bytes[0];
  std::copy(bytes.begin() + 1, bytes.begin() + 31, entry.NameChars.begin());
  entry.Alignment = bytes[31];
  entry.Score = static_cast<std::uint16_t>(bytes[32] | (bytes[33] << 8));
  entry.Jokers = bytes[34];
  entry.Bombs = bytes[35];
  return entry;
}

TScoreEntry& TScoreTable::Entry(int level, int place) {
  assert(level >= 0 && level < LevelCount && place >= 1 && place <= PlacesPerList);
  return Lists[level][place - 1];
}

const TScoreEntry& TScoreTable::Entry(int level, int place) const {
  assert(level >= 0 && level < LevelCount && place >= 1 && place <= PlacesPerList);
  return Lists[level][place - 1];
}

std::vector<std::uint8_t> TScoreTable::Encode() const {
  std::vector<std::uint8_t> bytes(PlainScoreFileSize);
  std::size_t offset = 0;
  for (const TList& list : Lists) {
    for (const TScoreEntry& entry : list) {
      entry.Encode(std::span(bytes).subspan(offset).first<ScoreEntrySize>());
      offset += ScoreEntrySize;
    }
  }
  return bytes;
}

TScoreTable TScoreTable::Decode(std::span<const std::uint8_t, PlainScoreFileSize> bytes) {
  TScoreTable table;
  std::size_t offset = 0;
  for (TList& list : table.Lists) {
    for (TScoreEntry& entry : list) {
      entry = TScoreEntry::Decode(bytes.subspan(offset).first<ScoreEntrySize>());
      offset += ScoreEntrySize;
    }
  }
  return table;
}

TScoreTable TScoreTable::Default(TRandom& random) {
  TScoreTable table;
  for (int level = 0; level < LevelCount; ++level) {
    for (int place = 1; place <= PlacesPerList; ++place) {
      TScoreEntry& entry = table.Entry(level, place);
      entry.SetName(" Player " + std::to_string(place));
      entry.Score = static_cast<std::uint16_t>(100 / place);
      entry.Jokers = static_cast<std::uint8_t>(random.Random(2));
      entry.Bombs = static_cast<std::uint8_t>(random.Random(2));
    }
  }
  return table;
}

namespace {

std::string ScorePath(const std::string& directory) { return directory + "/" + ScoreFileName; }

enum class TScoreFileState { Missing, Damaged, Read };

// What the read found, and for a damaged file why it cannot be used.
struct TScoreFileRead {
  TScoreFileState State;
  std::string Why;
};

TScoreFileRead Damaged(std::string why) { return {TScoreFileState::Damaged, std::move(why)}; }

// Reads the scrambled file whole; the file is opened for reading only, so a read-only Score.dat
// serves. Damaged: anything but a regular file of the right size, or one that cannot be read.
TScoreFileRead ReadScoreFile(const std::string& path, std::array<std::uint8_t, ScoreFileSize>& scrambled) {
  std::string why;
  std::optional<TFile> file = OpenDataFile(path, why);
  if (!file) return {why.empty() ? TScoreFileState::Missing : TScoreFileState::Damaged, why};
  const struct stat status = file->Status();
  if (static_cast<std::size_t>(status.st_size) != ScoreFileSize)
    return Damaged("it is " + std::to_string(status.st_size) + " bytes long instead of " +
                   std::to_string(ScoreFileSize));
  try {
    if (file->Read(scrambled) != ScoreFileSize) return Damaged("it ended while it was read");
  } catch (const EInOutError& failure) {
    return Damaged(std::string("it cannot be read (") + failure.what() + ")");
  }
  file->Close();
  return {TScoreFileState::Read, {}};
}

}  // namespace

void LoadScores(const std::string& directory, TRandom& random, const TSetAsideReport& report) {
  RemoveStaleWorkFile(directory);
  const std::string path = ScorePath(directory);
  std::array<std::uint8_t, ScoreFileSize> scrambled{};
  TScoreFileRead read;
  try {
    read = ReadScoreFile(path, scrambled);
  } catch (const EInOutError&) {
    ScoreTable = TScoreTable::Default(random);
    throw;
  }
  if (read.State == TScoreFileState::Read) {
    const std::vector<std::uint8_t> plain = UnscrambleBytes(scrambled);
    ScoreTable = TScoreTable::Decode(std::span(plain).first<PlainScoreFileSize>());
    return;
  }
  ScoreTable = TScoreTable::Default(random);
  if (read.State == TScoreFileState::Damaged) {
    const std::string message = SetAside(path, read.Why + ", so the top-ten lists start afresh.");
    if (report) report(message);
  }
  SaveScores(directory);
}

void SaveScores(const std::string& directory) { WriteScrambledFile(ScorePath(directory), ScoreTable.Encode()); }

bool InsertScore(TGameVariables& game, std::uint16_t score, std::uint8_t jokers, std::uint8_t bombs) {
  const int level = GameSettings.Level;
  if (ScoreTable.Entry(level, PlacesPerList).Score >= score) return false;
  int rank = 1;
  while (ScoreTable.Entry(level, rank).Score >= score) ++rank;
  // Entries move down without their alignment byte, which stays with its place.
  for (int place = PlacesPerList - 1; place >= rank; --place) {
    TScoreEntry& lower = ScoreTable.Entry(level, place + 1);
    const std::uint8_t alignment = lower.Alignment;
    lower = ScoreTable.Entry(level, place);
    lower.Alignment = alignment;
  }
  TScoreEntry& entry = ScoreTable.Entry(level, rank);
  entry.Score = score;
  entry.Jokers = jokers;
  entry.Bombs = bombs;
  game.LastRank = static_cast<std::uint8_t>(rank);
  return true;
}

void SubmitScore(TGameVariables& game, IScoreDialogs& dialogs) {
  if (game.ScoreSubmitted != 0 || game.UndoUsed != 0) return;
  if (!InsertScore(game, game.Score, game.GameJokers, game.GameBombs)) return;
  // Marked before the dialogs: should one of them end in an error, the record that is already in
  // the list must not be entered a second time by the next offer.
  game.ScoreSubmitted = 1;
  dialogs.ShowNameDialog();
  dialogs.ShowTopTen();
}

void StoreName(int lastRank, std::string_view typedUtf8, std::string_view blankName) {
  ScoreTable.Entry(GameSettings.Level, lastRank).SetName(StoredName(typedUtf8, blankName));
}

std::uint16_t BestScore(int level) { return ScoreTable.Entry(level, 1).Score; }
