// Recorded games played again: the engine benchmark's replays are only honest if they end as recorded.
#include <gtest/gtest.h>

#include "RecordedGames.h"

TEST(RecordedGames, PlayAgainToTheSameEndInAnyOrderAndOnlyThen) {
  for (int level = 0; level <= 2; ++level) {
    const TGameRecording recording = RecordGames(level, true, true, 3);
    TGameTable table(recording);
    // Backwards, then forwards: nothing of one game may carry over into the next.
    for (auto game = recording.Games.rbegin(); game != recording.Games.rend(); ++game)
      EXPECT_TRUE(table.Replay(*game)) << "level " << level << ", seed " << game->Seed;
    for (const TRecordedGame& game : recording.Games) {
      EXPECT_FALSE(game.Moves.empty());
      EXPECT_EQ(CountEmptyCells(game.Board), 0) << "the player plays every game to the full board";
      EXPECT_TRUE(table.Replay(game)) << "level " << level << ", seed " << game.Seed;
    }
    // A replay from another seed is another game, and must be caught.
    TRecordedGame other = recording.Games.front();
    other.Seed = recording.Games.back().Seed;
    EXPECT_FALSE(table.Replay(other));
  }
}
