// When each game on the board started, and its row in the history once it ends: taken at the end,
// written only while no turn runs, so the file never holds up an animation.
#pragma once

#include <QObject>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "GameRecord.h"

class TGame;
class THistory;

class TGameRecorder : public QObject {
public:
  // `turnRunning` says whether the game is in the middle of a turn; the file waits until it is not.
  TGameRecorder(THistory& history, std::function<bool()> turnRunning);

  // A game is on the board from now: a new one, or one taken up again from where it was left.
  void GameStarted();
  // The game on the board has ended for `reason`. Its row is taken now, from the game as it stands;
  // a game is recorded once, and a game in which no ball was moved is not recorded at all.
  void GameEnded(const TGame& game, TEndReason reason);
  // Whether a game started and has not ended.
  bool GameOpen() const { return Started.has_value(); }
  // Writes the rows taken and not yet written, at once: the window closes, or the history is shown.
  void WritePending();

private:
  void WriteWhenTurnEnds();

  THistory& History;
  std::function<bool()> TurnRunning;
  std::optional<std::chrono::system_clock::time_point> Started;
  std::vector<TGameRecord> Pending;
  bool WriteQueued = false;
};
