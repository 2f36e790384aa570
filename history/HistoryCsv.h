// The whole history as comma-separated values, one game a line under a line of column names.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

#include "GameRecord.h"

// Lines end in CR LF; no field can hold a comma, a quote or a line break, so none is quoted.
QByteArray HistoryCsv(const std::vector<TGameRecord>& games);

// Writes HistoryCsv(games) to `path` whole or not at all; false when the file could not be written.
bool SaveHistoryCsv(const std::vector<TGameRecord>& games, const QString& path);
