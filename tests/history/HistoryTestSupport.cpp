// Sample games and a side connection to the history file.
#include "HistoryTestSupport.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

TGameRecord SampleGame(int n) {
  TGameRecord game;
  game.StartedAt = "2026-03-0" + std::to_string(1 + n % 9) + "T10:11:" + std::to_string(10 + n % 50) + "Z";
  game.EndedAt = "2026-03-0" + std::to_string(1 + n % 9) + "T11:12:" + std::to_string(10 + n % 50) + "Z";
  game.Level = n % 3;
  game.Jokers = n % 2 == 0;
  game.Bombs = n % 4 < 2;
  game.Score = 1000 + 37 * n;
  game.Moves = 200 + n;
  game.Lines = 30 + n;
  game.BallsCleared = 160 + 5 * n;
  game.LongestLine = 5 + n % 5;
  game.UndoUsed = n % 3 == 1;
  game.EndReason = static_cast<TEndReason>(n % 4);
  game.SecondsPlayed = 600 + 11 * n;
  game.LinesByLength = {20 + n, 5 + n, 3 + n, 1 + n, n % 2};
  return game;
}

void RunOnDatabase(const std::string& path, const std::vector<QString>& statements) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("side"));
    database.setDatabaseName(QString::fromStdString(path));
    ASSERT_TRUE(database.open()) << database.lastError().text().toStdString();
    for (const QString& statement : statements) {
      QSqlQuery query(database);
      EXPECT_TRUE(query.exec(statement)) << statement.toStdString() << ": " << query.lastError().text().toStdString();
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("side"));
}

int DatabaseVersion(const std::string& path) {
  int version = -1;
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
    database.setDatabaseName(QString::fromStdString(path));
    if (database.open()) {
      QSqlQuery query(database);
      if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) version = query.value(0).toInt();
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("version"));
  return version;
}
