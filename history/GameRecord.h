// One ended game as the history keeps it: when, how it was set up, what it scored and why it ended.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

enum class TEndReason { Full, New, Settings, Close };

// The lines of each length a game scored, by length from FirstLineLength to LastLineLength; a longer
// line counts as the longest length.
inline constexpr int FirstLineLength = 5;
inline constexpr int LastLineLength = 9;
using TLinesByLength = std::array<int, LastLineLength - FirstLineLength + 1>;

struct TGameRecord {
  std::string StartedAt;  // ISO 8601 in UTC, "2026-12-08T21:04:05Z"
  std::string EndedAt;
  int Level = 0;  // 0 Normal, 1 Hard, 2 Impossible, as in the settings
  bool Jokers = false;
  bool Bombs = false;
  int Score = 0;
  int Moves = 0;
  int Lines = 0;
  int BallsCleared = 0;
  int LongestLine = 0;
  bool UndoUsed = false;
  TEndReason EndReason = TEndReason::Full;
  int SecondsPlayed = 0;
  TLinesByLength LinesByLength{};

  int LinesOfLength(int length) const { return LinesByLength[static_cast<std::size_t>(length - FirstLineLength)]; }

  bool operator==(const TGameRecord&) const = default;
};

// "full", "new", "settings", "close": the words the database and the exported file use.
std::string_view EndReasonName(TEndReason reason);
std::optional<TEndReason> EndReasonFromName(std::string_view name);

// The moment as the history writes it: ISO 8601 in UTC to the second, "2026-12-08T21:04:05Z".
std::string IsoUtc(std::chrono::system_clock::time_point moment);
