// Shared by the history tests: recorded games that differ in every column, and a look at the file
// with a connection of the test's own.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "GameRecord.h"

// Game `n` of a series: every column set, none at its default, each differing from game n + 1.
TGameRecord SampleGame(int n);

// Runs statements on the database at `path` through a connection of its own, closed afterwards;
// fails the test when one fails.
void RunOnDatabase(const std::string& path, const std::vector<QString>& statements);
// The database's PRAGMA user_version.
int DatabaseVersion(const std::string& path);
