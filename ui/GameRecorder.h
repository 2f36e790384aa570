// The history's room: when each game on the board started, and its row in History.db once it ends,
// taken at the end and written only while no turn runs, so the file never holds up an animation;
// and the Statistics window over it, from the context menu.
#pragma once

#include <QObject>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "GameRecord.h"
#include "History.h"
#include "LinesExtra.h"

class TfrmLines;
class TGame;
class TMainMenu;

class TGameRecorder : public QObject, public TLinesExtra {
public:
  // The history lies in `dataDirectory` beside Score.dat; the file is opened at the first game's end.
  TGameRecorder(TfrmLines& window, TMainMenu& menu, std::string dataDirectory);

  // Runs the Statistics window over History(); unset, the menu item opens nothing.
  std::function<void()> ShowStatistics;
  // Every ended game.
  THistory& History() { return GameHistory; }
  // Writes the rows taken and not yet written, at once: the window closes, or the history is shown.
  void WritePending();

  void GameTakenUp() override;
  void TurnFinished() override;
  void NewGameAsked(TNewGameCause cause) override;
  void NewGameStarting() override;
  void WindowClosing(bool gameEnds) override;

private:
  // A game is on the board from now: a new one, or one taken up again from where it was left.
  void GameStarted();
  // The game on the board has ended for `reason`, or because its board is full, whatever asked for
  // its end. Its row is taken now, from the game as it stands; a game is recorded once, and a game
  // in which no ball was moved is not recorded at all.
  void GameEnded(TEndReason reason);
  void WriteWhenTurnEnds();
  void ShowStatisticsWindow();

  TfrmLines& Window;
  THistory GameHistory;
  std::optional<std::chrono::system_clock::time_point> Started;
  std::vector<TGameRecord> Pending;
  bool WriteQueued = false;
  // Why the game on the board ends when the next new game starts: New unless the settings asked.
  TEndReason NextEndReason = TEndReason::New;
};
