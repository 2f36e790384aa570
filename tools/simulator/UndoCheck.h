// The checks of taking moves back and of saved games: both must give back a game exactly.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "GameKeeper.h"
#include "HeadlessHost.h"
#include "RandomPlayer.h"

// A turn during which no outside click arrived, so that playing its move again must repeat it.
struct TReplayableTurn {
  TPlayerMove Move;
  TGameState Before;  // with the moving ball selected
  TGameState After;
};

// Takes the turns back, last first, checking that each brings back the state from before its move,
// then plays their moves again and checks that each ends as it did. `turns` are the game's last ones,
// and no outside click may be waiting to arrive during the replay.
std::vector<std::string> CheckUndoAndReplay(TGameKeeper& keeper, THeadlessHost& host,
                                            std::span<const TReplayableTurn> turns);

// Passes the running game through Game.sav's bytes and resumes it in `twin`, which must then stand
// exactly where the game stands.
std::vector<std::string> CheckSaveAndLoad(const TGameKeeper& keeper, TGameKeeper& twin);
