// Boards written as text pictures, one row per line, for tests, benchmarks and tools.
#pragma once

#include <string>

#include "Board.h"

// '.' an empty cell, '1'..'7' a colour, 'J' a joker, 'B' a bomb; blanks and line breaks are
// ignored. Throws std::invalid_argument unless the picture holds exactly 81 cells.
TBoard BoardPicture(const std::string& rows);
// The board drawn back as such a picture, for readable failure messages.
std::string DrawBoard(const TBoard& board);

// A serpentine corridor: every empty cell lies on the one route from cell 1 to cell 81, the path
// finder's longest search.
extern const char* const SerpentineBoard;

// Full but for cell 41: a ball that lands there completes four lines of eight jokers and a colour,
// the most removal entries one scan can collect.
extern const char* const JokerCrossBoard;
