// The edge sets of the board.
#include "Red.h"

#include <algorithm>

void TRed::Fill(int first, int step) {
  for (int k = 1; k <= Cells.Size; ++k) Cells[k] = first + (k - 1) * step;
}

bool TRed::Contains(int cell) const {
  return std::find(Cells.Items.begin(), Cells.Items.end(), cell) != Cells.Items.end();
}

TEdgeSets::TEdgeSets() {
  TopRow.Fill(1, 1);
  BottomRow.Fill(73, 1);
  LeftColumn.Fill(1, 9);
  RightColumn.Fill(9, 9);
}
