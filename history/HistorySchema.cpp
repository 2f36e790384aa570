// The history database's versions and the migration between them.
#include "HistorySchema.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <array>
#include <vector>

namespace {

// Step i brings version i to version i + 1; released steps never change, a new version adds a step.
const std::array<std::vector<const char*>, HistorySchemaVersion> Steps{{
    {"CREATE TABLE games ("
     " id INTEGER PRIMARY KEY,"
     " started_at TEXT NOT NULL, ended_at TEXT NOT NULL,"
     " level INTEGER NOT NULL, jokers INTEGER NOT NULL, bombs INTEGER NOT NULL,"
     " score INTEGER NOT NULL, moves INTEGER NOT NULL, lines INTEGER NOT NULL,"
     " balls_cleared INTEGER NOT NULL, longest_line INTEGER NOT NULL, undo_used INTEGER NOT NULL,"
     " end_reason TEXT NOT NULL, seconds_played INTEGER NOT NULL)"},
    // Games recorded before the count by length keep zero lines of each length.
    {"ALTER TABLE games ADD COLUMN lines_5 INTEGER NOT NULL DEFAULT 0",
     "ALTER TABLE games ADD COLUMN lines_6 INTEGER NOT NULL DEFAULT 0",
     "ALTER TABLE games ADD COLUMN lines_7 INTEGER NOT NULL DEFAULT 0",
     "ALTER TABLE games ADD COLUMN lines_8 INTEGER NOT NULL DEFAULT 0",
     "ALTER TABLE games ADD COLUMN lines_9 INTEGER NOT NULL DEFAULT 0"},
}};

}  // namespace

bool Run(QSqlDatabase& database, const QString& statement, QSqlError& failure) {
  QSqlQuery query(database);
  if (query.exec(statement)) return true;
  failure = query.lastError();
  return false;
}

int HistoryVersion(QSqlDatabase& database, QSqlError& failure) {
  QSqlQuery query(database);
  if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
    failure = query.lastError();
    return -1;
  }
  return query.value(0).toInt();
}

bool MigrateHistory(QSqlDatabase& database, QSqlError& failure) {
  const int seen = HistoryVersion(database, failure);
  if (seen < 0) return false;
  if (seen >= HistorySchemaVersion) return true;
  // The version is read again under the write lock: another copy may have migrated meanwhile.
  if (!Run(database, QStringLiteral("BEGIN IMMEDIATE"), failure)) return false;
  const int version = HistoryVersion(database, failure);
  bool done = version >= 0;
  for (int step = version; done && step < HistorySchemaVersion; ++step) {
    for (const char* statement : Steps[static_cast<std::size_t>(step)]) {
      done = done && Run(database, QString::fromLatin1(statement), failure);
    }
  }
  if (done && version < HistorySchemaVersion) {
    done = Run(database, QStringLiteral("PRAGMA user_version = %1").arg(HistorySchemaVersion), failure);
  }
  if (done && Run(database, QStringLiteral("COMMIT"), failure)) return true;
  QSqlError ignored;
  Run(database, QStringLiteral("ROLLBACK"), ignored);
  return false;
}
