// The board: 81 cells numbered 1 to 81 row by row from the top-left corner, one BallCode each.
#pragma once

#include "BallCode.h"
#include "OneBased.h"

inline constexpr int BoardSide = 9;
inline constexpr int CellCount = BoardSide * BoardSide;

using TBoard = TOneBased<BallCode, CellCount>;
static_assert(sizeof(TBoard) == CellCount);

// Cells holding 0, from 0 (the game is over) to 81.
int CountEmptyCells(const TBoard& board);
