// A second and third copy of the game, each recording its own games into one history at once.
#pragma once

inline constexpr const char* WriterOption = "--history-writer=";

// "<folder>:<first game>:<games>": once the file "go" is in the folder, records games first ..
// first + games - 1 of the sample series, then writes any still kept; 0 when none is left.
int RunWriter(const char* task);
