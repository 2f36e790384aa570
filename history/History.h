// The history of every ended game, kept in History.db beside the score table. A game's end must never
// wait on the file: a database that is damaged, locked by another copy for long, or read-only leaves
// the game in memory, written with the next end that succeeds, and the player is told once.
#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "GameRecord.h"

class THistory {
  Q_DECLARE_TR_FUNCTIONS(THistory)

public:
  // How long a write waits for another copy of the game that is writing its own games.
  static constexpr int BusyTimeoutMs = 40;

  // `folder` holds Score.dat; nothing is opened or created until the first game is recorded or read.
  explicit THistory(std::string folder);
  ~THistory();
  THistory(const THistory&) = delete;
  THistory& operator=(const THistory&) = delete;

  // Called once in a run, at the first trouble with the file, with a sentence for the player.
  void SetNotice(std::function<void(const QString& message)> notice);

  // Records an ended game, together with any kept from earlier ends; the game is kept when the file
  // cannot take it.
  void Record(const TGameRecord& game);
  // Writes the games kept in memory; true when none is left.
  bool Flush();
  // Every game, oldest first; games still kept in memory come last (and alone, when the file cannot
  // be read).
  std::vector<TGameRecord> Games();
  // Erases every game, written or kept; false when the file could not be changed.
  bool Reset();

  std::size_t KeptCount() const { return Kept.size(); }
  const QString& DatabasePath() const { return Path; }

private:
  enum class TTrouble { Damaged, Unwritable };

  // Runs `action` on the open database; a damaged file is set aside once and the action tried on a
  // new one.
  bool Attempt(const std::function<bool(QSqlError&)>& action);
  bool Open(QSqlError& failure);
  void Close();
  bool SetAside();
  bool WriteKept(QSqlError& failure);
  bool ReadAll(std::vector<TGameRecord>& games, QSqlError& failure);
  void Tell(TTrouble trouble);

  QString Path;
  QString ConnectionName;
  QSqlDatabase Database;
  std::vector<TGameRecord> Kept;
  std::function<void(const QString&)> Notice;
  bool Told = false;
};
