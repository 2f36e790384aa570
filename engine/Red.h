// The board's four edges, the only means by which the game tells whether a neighbour step is allowed.
#pragma once

#include "OneBased.h"

// The nine cells of one border row or column.
class TRed {
public:
  // Position k holds first + (k - 1) * step.
  void Fill(int first, int step);
  // Any number may be asked; nothing outside 1..81 is ever contained.
  bool Contains(int cell) const;

private:
  TOneBased<int, 9> Cells;
};

struct TEdgeSets {
  TRed TopRow;
  TRed BottomRow;
  TRed LeftColumn;
  TRed RightColumn;

  TEdgeSets();
};
