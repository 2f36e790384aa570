// The main window's history: every game's start and end noted, and the Statistics window.
#include "Board.h"
#include "GameKeeper.h"
#include "MainMenu.h"
#include "MainWindow.h"

void TfrmLines::CreateHistory() {
  // A warning box, once in a run: the games go on being kept, and a second box would say nothing new.
  History.SetNotice([this](const QString& message) { Services.Warn(this, tr("Warning"), message); });
  connect(Menu->Statistics, &QAction::triggered, this, [this] { ShowStatisticsWindow(); });
}

TEndReason TfrmLines::EndReason(TEndReason asked) const {
  return CountEmptyCells(GameKeeper->Game().Fields().Board) == 0 ? TEndReason::Full : asked;
}

void TfrmLines::RecordFullBoard() {
  // The board is full when the turn that filled it ends, before the player clicks for a new game.
  if (CountEmptyCells(GameKeeper->Game().Fields().Board) == 0) Recorder.GameEnded(GameKeeper->Game(), TEndReason::Full);
}

void TfrmLines::NewGameStarting() {
  Recorder.GameEnded(GameKeeper->Game(), EndReason(NextEndReason));
  NextEndReason = TEndReason::New;
  Recorder.GameStarted();
}

void TfrmLines::RecordGameAtClose() {
  if (GameKeeper) Recorder.GameEnded(GameKeeper->Game(), EndReason(TEndReason::Close));
  // The program ends with this window: nothing that is put off would run.
  Recorder.WritePending();
}

void TfrmLines::ShowStatisticsWindow() {
  if (!ShowStatistics) return;
  // The game that has just ended is part of what the window shows.
  Recorder.WritePending();
  ShowStatistics();
  TakeKeyboard();
}
