// The command line: --help and --version answer and end the program; nothing else is taken.
#pragma once

#include <cstdio>
#include <optional>

// Reads the arguments before the toolkit starts, so that an answer opens no window, needs no
// display and touches no file. Returns the status to end the program with: 0 after --help (the
// usage) or --version, printed to `out`; 2 after an unknown option or any other argument, with the
// error and the usage on `err`. Returns nothing when the game should start.
std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err);
