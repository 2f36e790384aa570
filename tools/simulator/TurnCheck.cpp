// The simulator's invariant checks.
#include "TurnCheck.h"

#include <algorithm>
#include <sstream>

#include "GameSettings.h"

namespace {

std::string Describe(const char* what, long expected, long actual) {
  std::ostringstream text;
  text << what << ": expected " << expected << ", found " << actual;
  return text.str();
}

}  // namespace

TTurnCheck::TTurnCheck(const TGame& game, const THeadlessHost& host)
    : Game(game),
      Host(host),
      Before(game.Fields().Board),
      NextBefore(game.Fields().NextBalls),
      ScoreBefore(game.Variables.Score),
      EventsBefore(host.BoardEvents.size()),
      SubmittedBefore(host.Submitted.size()),
      GamesBefore(host.GamesStarted) {}

std::vector<std::string> TTurnCheck::Check(int from, int to) const {
  std::vector<std::string> problems = CheckRestingState(Game, Host);
  const TGameFields& fields = Game.Fields();
  // A click held during the turn may have started a new game; that game is checked from its start.
  if (Host.GamesStarted != GamesBefore) return problems;

  if (Before[from] == EmptyCell || Before[to] != EmptyCell) {
    problems.push_back("the move does not take a ball to an empty cell");
    return problems;
  }
  const bool bombMove = Before[from] == BombBall;
  TBoard expected = Before;
  expected[to] = expected[from];
  expected[from] = EmptyCell;

  int spawns = 0;
  int firstRemoval = -1;
  for (std::size_t e = EventsBefore; e < Host.BoardEvents.size(); ++e) {
    const THeadlessHost::TBoardEvent& event = Host.BoardEvents[e];
    if (event.Spawn) {
      ++spawns;
      if (spawns > fields.BallsPerTurn) {
        problems.push_back("more new balls than BallsPerTurn");
        break;
      }
      if (expected[event.Cell] != EmptyCell) problems.push_back("a new ball lands on an occupied cell");
      if (event.Code != NextBefore[spawns]) problems.push_back(Describe("new ball's code", NextBefore[spawns], event.Code));
      expected[event.Cell] = event.Code;
    } else {
      if (e == EventsBefore) firstRemoval = static_cast<int>(event.Cells.size());
      if (event.Cells.empty() || static_cast<int>(event.Cells.size()) > RemovalCapacity)
        problems.push_back(Describe("removal size", RemovalCapacity, static_cast<long>(event.Cells.size())));
      for (const int cell : event.Cells)
        if (expected[cell] == EmptyCell) problems.push_back("a removal takes an empty cell");
      for (const int cell : event.Cells) expected[cell] = EmptyCell;
    }
  }
  if (!(expected == fields.Board)) problems.push_back("the board changed in a way no rule allows");

  const bool scored = !bombMove && firstRemoval > 0;
  const bool boardFilled = CountEmptyCells(expected) == 0;
  if (scored && spawns != 0) problems.push_back("a move that made a line brought new balls");
  if (!scored && spawns != fields.BallsPerTurn && !boardFilled)
    problems.push_back(Describe("new balls after the move", fields.BallsPerTurn, spawns));

  const long points = scored ? LinePoints(firstRemoval, fields.ScoreFactor) : 0;
  const long expectedScore = std::min(65535L, ScoreBefore + points);
  if (Game.Variables.Score < ScoreBefore) problems.push_back("the score went down");
  if (Game.Variables.Score != expectedScore) problems.push_back(Describe("score", expectedScore, Game.Variables.Score));

  // No end of game is announced after a bomb's move; the next new game offers the score. A game with
  // a move taken back is never offered.
  const bool over = CountEmptyCells(fields.Board) == 0 && !bombMove && Game.Variables.UndoUsed == 0;
  if (over && (Host.Submitted.size() != SubmittedBefore + 1 || Host.Submitted.back() != Game.Variables.Score))
    problems.push_back("the score of a finished game was not offered");
  if (!over && Host.Submitted.size() != SubmittedBefore) problems.push_back("a score was offered while the game runs");
  return problems;
}

std::vector<std::string> CheckRestingState(const TGame& game, const THeadlessHost& host) {
  std::vector<std::string> problems;
  const TGameFields& fields = game.Fields();
  for (int cell = 1; cell <= CellCount; ++cell) {
    const BallCode code = fields.Board[cell];
    if (code > BombBall) problems.push_back(Describe("board byte", BombBall, code));
    if ((code == JokerBall && game.Variables.GameJokers == 0) || (code == BombBall && game.Variables.GameBombs == 0))
      problems.push_back("a joker or bomb on the board of a game without them");
    const THeadlessHost::TPicture& picture = host.Pictures[cell];
    if (cell == fields.SelectedCell) {
      if (code == EmptyCell) problems.push_back("the selection stands on an empty cell");
      else if (picture.Empty || picture.Code != code) problems.push_back("the selected ball is not drawn");
    } else if (code == EmptyCell) {
      if (!picture.Empty) problems.push_back("an empty cell shows a picture");
    } else if (!(picture == THeadlessHost::TPicture{false, TSpriteSet::Normal, 1, code})) {
      problems.push_back("a ball is not drawn at rest");
    }
  }
  if (fields.RemovalCount < 0 || fields.RemovalCount > RemovalCapacity)
    problems.push_back(Describe("RemovalCount", RemovalCapacity, fields.RemovalCount));
  for (int i = 1; i <= fields.BallsPerTurn; ++i)
    if (host.ShownNext[i] != fields.NextBalls[i]) problems.push_back("the preview differs from the next balls");
  if (host.ShownScore != game.Variables.Score) problems.push_back("the shown score differs from the score");
  if (fields.SelectedCell == 0 && game.TimerEnabled(TAnimationTimer::Jump))
    problems.push_back("a ball jumps with nothing selected");
  return problems;
}
