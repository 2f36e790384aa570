// Taking a game's row at its end and handing it to the history between turns.
#include "GameRecorder.h"

#include <QTimer>

#include "EndedGame.h"
#include "Game.h"
#include "History.h"

namespace {

// How soon a write put off by a running turn looks again; a turn lasts a few animation ticks.
constexpr int RetryMs = 100;

}  // namespace

TGameRecorder::TGameRecorder(THistory& history, std::function<bool()> turnRunning)
    : History(history), TurnRunning(std::move(turnRunning)) {}

void TGameRecorder::GameStarted() { Started = std::chrono::system_clock::now(); }

void TGameRecorder::GameEnded(const TGame& game, TEndReason reason) {
  if (!Started) return;
  const auto started = *Started;
  Started.reset();
  if (game.GameStatistics().Moves == 0) return;
  Pending.push_back(RecordOfGame(game, reason, started, std::chrono::system_clock::now()));
  if (!WriteQueued) {
    WriteQueued = true;
    // Never from inside the tick or the click that ended the game: from the event loop, later.
    QTimer::singleShot(0, this, [this] { WriteWhenTurnEnds(); });
  }
}

void TGameRecorder::WriteWhenTurnEnds() {
  if (TurnRunning()) {
    QTimer::singleShot(RetryMs, this, [this] { WriteWhenTurnEnds(); });
    return;
  }
  WritePending();
}

void TGameRecorder::WritePending() {
  WriteQueued = false;
  // Taken out first: the history may tell the player of trouble, and the box's own loop may end
  // another game meanwhile.
  std::vector<TGameRecord> games;
  games.swap(Pending);
  for (const TGameRecord& game : games) History.Record(game);
}
