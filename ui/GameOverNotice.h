// The game-over sign's room: over a full board once its turn has ended, until the player's next
// click or key or until a cell empties.
#pragma once

#include <QObject>

#include "LinesExtra.h"

class TfrmLines;
class TGameOverBoard;

class TGameOverNotice : public QObject, public TLinesExtra {
public:
  explicit TGameOverNotice(TfrmLines& window);

  const TGameOverBoard& Sign() const { return *Board; }

  void TurnFinished() override;
  // A cell that empties means the board is no longer full: the sign has served.
  void ClearCell(int cell) override;

private:
  TfrmLines& Window;
  TGameOverBoard* Board;
};
