// The three top-ten lists, one per level, and Score.dat, their scrambled file beside the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GameVariables.h"
#include "Random.h"
#include "ScoreDialogs.h"
#include "ScoreNames.h"
#include "SetAside.h"

inline constexpr const char* ScoreFileName = "Score.dat";
// Where the first damaged Score.dat is kept (later ones follow as Score.dat.bad.1 on), so that
// nothing the player had is destroyed.
inline constexpr const char* BadScoreFileName = "Score.dat.bad";
inline constexpr int LevelCount = 3;
inline constexpr int PlacesPerList = 10;
inline constexpr std::size_t ScoreEntrySize = 36;
inline constexpr std::size_t PlainScoreFileSize = LevelCount * PlacesPerList * ScoreEntrySize;
inline constexpr std::size_t ScoreFileSize = PlainScoreFileSize + 2;

// One place of a list, in the field order of its 36 bytes in the file.
struct TScoreEntry {
  std::uint8_t NameLength = 0;
  std::array<char, MaxNameLength> NameChars{};  // ISO 8859-1; only NameLength of them count
  std::uint8_t Alignment = 0;  // no meaning; kept as read so that a table is written back unchanged
  std::uint16_t Score = 0;
  std::uint8_t Jokers = 0;  // 1 when jokers were in play in that game
  std::uint8_t Bombs = 0;   // 1 when bombs were in play in that game

  // The stored name (ISO 8859-1 bytes with their leading space); Utf8FromLatin1 shows it.
  std::string Name() const;
  // Stores ISO 8859-1 bytes, cut to MaxNameLength.
  void SetName(std::string_view latin1);

  void Encode(std::span<std::uint8_t, ScoreEntrySize> bytes) const;
  static TScoreEntry Decode(std::span<const std::uint8_t, ScoreEntrySize> bytes);

  friend bool operator==(const TScoreEntry&, const TScoreEntry&) = default;
};

struct TScoreTable {
  using TList = std::array<TScoreEntry, PlacesPerList>;
  std::array<TList, LevelCount> Lists;  // Normal, Hard, Impossible; index 0 holds place 1

  // Place 1 to 10 of a level's list; place 1 is the best.
  TScoreEntry& Entry(int level, int place);
  const TScoreEntry& Entry(int level, int place) const;

  // The plain form of Score.dat: the lists in level order, each from place 1.
  std::vector<std::uint8_t> Encode() const;
  static TScoreTable Decode(std::span<const std::uint8_t, PlainScoreFileSize> bytes);

  // " Player n" scoring 100 div n at place n of every list; the flags are drawn from `random`,
  // jokers first, entry by entry in file order.
  static TScoreTable Default(TRandom& random);

  friend bool operator==(const TScoreTable&, const TScoreTable&) = default;
};

// The one table of the program, filled by LoadScores.
inline TScoreTable ScoreTable;

// Fills ScoreTable from `directory`/Score.dat, after removing a work file that a killed save left
// there. A missing file gives the default table, which is written at once. A file of the wrong
// size, or one that cannot be read, is first set aside (Score.dat.bad, keeping older backups) and
// `report` tells the player so; tools without a player pass none. ScoreTable holds a usable table
// also when this raises.
void LoadScores(const std::string& directory, TRandom& random, const TSetAsideReport& report = {});

// Writes ScoreTable to `directory`/Score.dat, replacing the old file in one step (or writing a
// new one when it has gone).
void SaveScores(const std::string& directory);

// Enters a score into the list of GameSettings.Level below every equal score; sets LastRank to the
// place it took. False, with nothing changed, when it does not beat place 10. The name at that
// place stays until StoreName gives the new one. Writes no file.
bool InsertScore(TGameVariables& game, std::uint16_t score, std::uint8_t jokers, std::uint8_t bombs);

// Offers the running game's score once per game, and never that of a game with a move taken back: a
// score that enters brings the name dialog and then the top-ten dialog.
void SubmitScore(TGameVariables& game, IScoreDialogs& dialogs);

// The name dialog's store: the name typed for place `lastRank` of the current level's list, and
// `blankName` when nothing was typed (see StoredName).
void StoreName(int lastRank, std::string_view typedUtf8, std::string_view blankName = ChickenName);

// The score of place 1 of a level's list: the best score shown beside the board.
std::uint16_t BestScore(int level);
