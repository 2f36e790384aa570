// Points for a removal, and the sizes of the buffers that the line scan fills.
#pragma once

// One line of nine with jokers shared between runs yields up to 17 entries, and a scan looks at
// four lines through one cell, so one scan can collect 68 entries; the count decides the points.
inline constexpr int RemovalCapacity = 68;
// A run never holds a cell twice, so it is never longer than a line.
inline constexpr int RunCapacity = 9;
inline constexpr int ShortestRun = 5;

// Points per removal factor for the two options; any nonzero byte counts as on.
double ScoreFactorFor(unsigned char jokers, unsigned char bombs);
// Points for a removal of `count` entries (not distinct cells) at a factor.
int LinePoints(int count, double factor);
