// Games played by the headless engine, turned into rows the way the window turns them, written to
// the history and read back: each row says what the game did.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>

#include "EndedGame.h"
#include "History.h"
#include "Simulation.h"
#include "TestFolder.h"

namespace {

using namespace std::chrono_literals;

const auto Ended = std::chrono::system_clock::time_point(std::chrono::seconds(1'796'000'000));

// What the game showed at its end, read from the engine apart from the row.
struct TPlayed {
  TGameRecord Row;
  int Score = 0;
  int UndoUsed = 0;
  bool Full = false;
  TGameStatistics Statistics;
};

// Plays one game of `options`, ending it for New when its turns run out before the board is full.
TPlayed PlayOne(TSimulationOptions options, long& turns) {
  options.ClicksDuringWaits = false;
  options.SaveCheckEvery = 0;
  TPlayed played;
  options.GameEnded = [&played](const TGame& game) {
    played.Full = CountEmptyCells(game.Fields().Board) == 0;
    played.Score = game.Variables.Score;
    played.UndoUsed = game.Variables.UndoUsed;
    played.Statistics = game.GameStatistics();
    played.Row = RecordOfGame(game, played.Full ? TEndReason::Full : TEndReason::New, Ended - 125s, Ended);
  };
  const TSimulationReport report = Simulate(options);
  EXPECT_TRUE(report.Violations.empty());
  turns = report.Turns;
  return played;
}

std::vector<TGameRecord> WrittenAndReadBack(const std::vector<TGameRecord>& rows) {
  TTestFolder folder;
  {
    THistory writer(folder.Path());
    for (const TGameRecord& row : rows) writer.Record(row);
  }
  THistory reader(folder.Path());
  return reader.Games();
}

}  // namespace

TEST(EndedGameTest, EveryLevelAndOptionIsReadBackAsPlayed) {
  std::vector<TPlayed> games;
  std::vector<long> turns;
  for (int n = 0; n < 6; ++n) {
    TSimulationOptions options;
    options.Seed = static_cast<std::uint32_t>(40 + n);
    options.Level = n % 3;
    options.Jokers = n % 2 == 1;
    options.Bombs = n >= 3;
    options.UndoCheckEvery = 0;
    long played = 0;
    games.push_back(PlayOne(options, played));
    turns.push_back(played);
  }
  std::vector<TGameRecord> rows;
  for (const TPlayed& game : games) rows.push_back(game.Row);
  const std::vector<TGameRecord> read = WrittenAndReadBack(rows);
  ASSERT_EQ(read, rows);

  int scored = 0;
  for (std::size_t n = 0; n < read.size(); ++n) {
    SCOPED_TRACE(n);
    const TGameRecord& row = read[n];
    const TPlayed& game = games[n];
    EXPECT_EQ(row.Level, static_cast<int>(n % 3));
    EXPECT_EQ(row.Jokers, n % 2 == 1);
    EXPECT_EQ(row.Bombs, n >= 3);
    EXPECT_EQ(row.Score, game.Score);
    // Nothing was taken back: every turn of the simulation was one move of the game.
    EXPECT_EQ(row.Moves, turns[n]);
    EXPECT_FALSE(row.UndoUsed);
    EXPECT_TRUE(game.Full);
    EXPECT_EQ(row.EndReason, TEndReason::Full);
    for (int length = FirstLineLength; length <= LastLineLength; ++length)
      EXPECT_EQ(row.LinesOfLength(length), static_cast<int>(game.Statistics.LinesByLength[length - FirstLineLength]));
    EXPECT_EQ(row.Lines, std::accumulate(row.LinesByLength.begin(), row.LinesByLength.end(), 0));
    // The longest line is the longest length with a line, and every scoring line cleared its balls.
    const auto longest = std::find_if(row.LinesByLength.rbegin(), row.LinesByLength.rend(), [](int count) { return count > 0; });
    EXPECT_EQ(row.LongestLine, longest == row.LinesByLength.rend() ? 0 : LastLineLength - int(longest - row.LinesByLength.rbegin()));
    EXPECT_GE(row.BallsCleared, FirstLineLength * row.Lines);
    EXPECT_EQ(row.StartedAt, IsoUtc(Ended - 125s));
    EXPECT_EQ(row.EndedAt, IsoUtc(Ended));
    EXPECT_EQ(row.SecondsPlayed, 125);
    scored += row.Score > 0 && row.Lines > 0;
  }
  // The games must have scored, or the comparisons above prove little.
  EXPECT_GE(scored, 4);
}

TEST(EndedGameTest, MovesTakenBackAndAGameLeftEarlyAreRecordedSo) {
  TSimulationOptions options;
  options.Seed = 77;
  options.UndoCheckEvery = 2;
  options.MaxTurnsPerGame = 12;
  long turns = 0;
  const TPlayed game = PlayOne(options, turns);
  const std::vector<TGameRecord> read = WrittenAndReadBack({game.Row});
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(game.UndoUsed, 1);
  EXPECT_TRUE(read[0].UndoUsed);
  // The moves taken back were played again: the count is of the moves that stand.
  EXPECT_EQ(read[0].Moves, 12);
  EXPECT_FALSE(game.Full);
  EXPECT_EQ(read[0].EndReason, TEndReason::New);
  EXPECT_EQ(read[0].Score, game.Score);
}
