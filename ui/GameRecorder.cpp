// Taking a game's row at its end and handing it to the history between turns.
#include "GameRecorder.h"

#include <QAction>
#include <QTimer>

#include "EndedGame.h"
#include "ErrorBox.h"
#include "Game.h"
#include "MainMenu.h"
#include "MainWindow.h"

namespace {

// How soon a write put off by a running turn looks again; a turn lasts a few animation ticks.
constexpr int RetryMs = 100;

}  // namespace

TGameRecorder::TGameRecorder(TfrmLines& window, TMainMenu& menu, std::string dataDirectory)
    : QObject(&window), Window(window), GameHistory(std::move(dataDirectory)) {
  // A warning box, once in a run: the games go on being kept, and a second box would say nothing new.
  GameHistory.SetNotice([this](const QString& message) { Window.Warn(message); });
  connect(menu.Statistics, &QAction::triggered, this, [this] { ShowStatisticsWindow(); });
}

void TGameRecorder::GameTakenUp() {
  // Its record starts again here: the kept game's file keeps no start time.
  GameStarted();
}

void TGameRecorder::TurnFinished() {
  // The board is full when the turn that filled it ends, before the player clicks for a new game.
  if (CountEmptyCells(Window.Game()->Fields().Board) == 0) GameEnded(TEndReason::Full);
}

void TGameRecorder::NewGameAsked(TNewGameCause cause) {
  NextEndReason = cause == TNewGameCause::Settings ? TEndReason::Settings : TEndReason::New;
}

void TGameRecorder::NewGameStarting() {
  GameEnded(NextEndReason);
  NextEndReason = TEndReason::New;
  GameStarted();
}

void TGameRecorder::WindowClosing(bool gameEnds) {
  if (gameEnds) GameEnded(TEndReason::Close);
  // The program ends with this window: nothing that is put off would run.
  RunReportingErrors([this] { WritePending(); });
}

void TGameRecorder::GameStarted() { Started = std::chrono::system_clock::now(); }

void TGameRecorder::GameEnded(TEndReason reason) {
  if (!Started) return;
  const auto started = *Started;
  Started.reset();
  const TGame& game = *Window.Game();
  if (game.GameStatistics().Moves == 0) return;
  if (CountEmptyCells(game.Fields().Board) == 0) reason = TEndReason::Full;
  Pending.push_back(RecordOfGame(game, reason, started, std::chrono::system_clock::now()));
  if (!WriteQueued) {
    WriteQueued = true;
    // Never from inside the tick or the click that ended the game: from the event loop, later.
    QTimer::singleShot(0, this, [this] { WriteWhenTurnEnds(); });
  }
}

void TGameRecorder::WriteWhenTurnEnds() {
  if (Window.Game()->TurnRunning()) {
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
  for (const TGameRecord& game : games) GameHistory.Record(game);
}

void TGameRecorder::ShowStatisticsWindow() {
  if (!ShowStatistics) return;
  // The game that has just ended is part of what the window shows.
  WritePending();
  ShowStatistics();
  Window.TakeKeyboard();
}
