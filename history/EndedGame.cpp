// A game's statistics and variables as the history's columns.
#include "EndedGame.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <numeric>

TGameRecord RecordOfGame(const TGame& game, TEndReason reason, std::chrono::system_clock::time_point started,
                         std::chrono::system_clock::time_point ended) {
  assert(game.GameLevel() >= 0);
  const TGameStatistics& statistics = game.GameStatistics();
  static_assert(std::tuple_size_v<TLinesByLength> == std::tuple_size_v<decltype(statistics.LinesByLength)>);
  TGameRecord record;
  record.StartedAt = IsoUtc(started);
  record.EndedAt = IsoUtc(ended);
  record.Level = game.GameLevel();
  record.Jokers = game.Variables.GameJokers != 0;
  record.Bombs = game.Variables.GameBombs != 0;
  record.Score = game.Variables.Score;
  record.Moves = static_cast<int>(statistics.Moves);
  for (std::size_t i = 0; i < record.LinesByLength.size(); ++i)
    record.LinesByLength[i] = static_cast<int>(statistics.LinesByLength[i]);
  record.Lines = std::accumulate(record.LinesByLength.begin(), record.LinesByLength.end(), 0);
  record.BallsCleared = static_cast<int>(statistics.BallsCleared);
  record.LongestLine = statistics.LongestLine;
  record.UndoUsed = game.Variables.UndoUsed != 0;
  record.EndReason = reason;
  record.SecondsPlayed =
      static_cast<int>(std::max<std::int64_t>(0, std::chrono::duration_cast<std::chrono::seconds>(ended - started).count()));
  return record;
}
