// The history database's tables by version, and the steps that bring an older database up to date.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// Kept in the database header (PRAGMA user_version). 1: the games; 2: their lines of each length.
inline constexpr int HistorySchemaVersion = 2;

// Brings the open database from whatever version it has (0 for a new file) to HistorySchemaVersion in
// one transaction, so that a copy that stops half-way, or a second copy doing the same, leaves either
// version and never a mix. A database of a later version is left as it is: every later version only
// adds to this one. On failure returns false with the error in `failure`.
bool MigrateHistory(QSqlDatabase& database, QSqlError& failure);

// The version the database says it has, or -1 when it cannot be read.
int HistoryVersion(QSqlDatabase& database, QSqlError& failure);

// Runs one statement; on failure returns false with the error in `failure`.
bool Run(QSqlDatabase& database, const QString& statement, QSqlError& failure);
