// Shared by the window tests: the whole program in a temporary folder with a fixed random seed,
// and boards to set up.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>

#include "Game.h"
#include "Program.h"
#include "SilentSound.h"

class TTestProgram {
public:
  // withSoundBank: whether Sound.dat lies in the program folder (its contents are not read while
  // the run is silent).
  explicit TTestProgram(std::uint32_t seed = 7, bool withSoundBank = true);
  ~TTestProgram();

  TfrmLines& Lines() { return Program->Lines(); }
  TGame& Game() { return *Program->Lines().Game(); }
  TProgram& Windows() { return *Program; }
  // The extras beside the main window.
  TWindowRooms& Rooms() { return Program->Rooms(); }

  // Shows the main window and waits until it is on screen.
  void Show();
  // Shows the window and clicks the start picture: the first game runs to its end of set-up.
  void Start();
  // Start, with the window active, so that keys typed reach it.
  void StartActive();
  void ClickCell(int cell);
  // Waits until no animation but the jump runs and no turn waits.
  bool WaitForIdle(int timeoutMs = 10000);
  int BallCount();
  // The last move of a game: two free cells, the move frees a third, and three new balls fill the board.
  void FillTheBoard();

  QTemporaryDir Directory;
  QStringList Warnings;

private:
  // Declared before the program, which plays through it until its windows are gone.
  TSilentSound Sound;
  std::unique_ptr<TProgram> Program;
};

// Runs `check` after every tick of one animation timer, once the window's own handler has run.
class TTickWatcher : public QObject {
public:
  TTickWatcher(TfrmLines& lines, TAnimationTimer timer, std::function<void()> check) {
    connect(&lines.AnimationTimer(timer), &QTimer::timeout, this, std::move(check));
  }
};

// Whether a cell image shows exactly this sprite (the very picture of the set, shared, not redrawn).
bool Shows(TfrmLines& lines, int cell, TSpriteSet set, int frame, BallCode code);
bool Empty(TfrmLines& lines, int cell);

// A board holding the listed balls (cell, code) and nothing else.
TBoard BoardWith(std::initializer_list<std::pair<int, BallCode>> balls);
// A board whose every cell holds a colour, with no two neighbours alike in any of the four line
// directions, so that no line is formed; `empty` lists the cells left free.
TBoard BoardWithoutLines(std::initializer_list<int> empty = {});
