// The history file: opened at the first need, brought up to date, written in one transaction per end.
#include "History.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "HistoryColumns.h"
#include "HistorySchema.h"

namespace {

// SQLite's own codes for a file that is not a database or whose pages contradict each other.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

bool IsDamaged(const QSqlError& error) {
  bool number = false;
  const int code = error.nativeErrorCode().toInt(&number) & 0xff;
  return number && (code == SqliteCorrupt || code == SqliteNotADatabase);
}

QString ColumnList() {
  QStringList names;
  for (const char* column : HistoryColumns) names << QString::fromLatin1(column);
  return names.join(QLatin1Char(','));
}

}  // namespace

THistory::THistory(std::string folder)
    : Path(QString::fromStdString(folder) + QStringLiteral("/History.db")),
      ConnectionName(QStringLiteral("history-%1").arg(reinterpret_cast<quintptr>(this))) {}

THistory::~THistory() {
  if (!Database.isValid()) return;
  Database.close();
  Database = QSqlDatabase();
  QSqlDatabase::removeDatabase(ConnectionName);
}

void THistory::SetNotice(std::function<void(const QString&)> notice) { Notice = std::move(notice); }

void THistory::Record(const TGameRecord& game) {
  Kept.push_back(game);
  Flush();
}

bool THistory::Flush() {
  if (Kept.empty()) return true;
  if (!Attempt([this](QSqlError& failure) { return WriteKept(failure); })) return false;
  Kept.clear();
  return true;
}

std::vector<TGameRecord> THistory::Games() {
  // Looking at an empty history creates no file.
  if (Kept.empty() && !Database.isOpen() && !QFile::exists(Path)) return {};
  Flush();
  std::vector<TGameRecord> games;
  if (!Attempt([this, &games](QSqlError& failure) { return ReadAll(games, failure); })) games.clear();
  games.insert(games.end(), Kept.begin(), Kept.end());
  return games;
}

bool THistory::Reset() {
  const bool erased = Attempt([this](QSqlError& failure) {
    return Run(Database, QStringLiteral("DELETE FROM games"), failure);
  });
  if (erased) Kept.clear();
  return erased;
}

bool THistory::Attempt(const std::function<bool(QSqlError&)>& action) {
  QSqlError failure;
  if (Open(failure) && action(failure)) return true;
  Close();
  if (!IsDamaged(failure) || !SetAside()) {
    Tell(TTrouble::Unwritable);
    return false;
  }
  Tell(TTrouble::Damaged);
  if (Open(failure) && action(failure)) return true;
  Close();
  return false;
}

bool THistory::Open(QSqlError& failure) {
  if (Database.isOpen()) return true;
  if (!Database.isValid()) {
    Database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
    Database.setDatabaseName(Path);
    Database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
  }
  if (!Database.open()) {
    failure = Database.lastError();
    return false;
  }
  // WAL: another copy's reading never holds up this one's writing. NORMAL: a commit does not wait for
  // the disk; a crash may lose the last game but never damages the file.
  return Run(Database, QStringLiteral("PRAGMA journal_mode=WAL"), failure) &&
         Run(Database, QStringLiteral("PRAGMA synchronous=NORMAL"), failure) && MigrateHistory(Database, failure);
}

void THistory::Close() {
  if (Database.isValid()) Database.close();
}

bool THistory::SetAside() {
  const QString bad = Path + QStringLiteral(".bad");
  QFile::remove(bad);
  if (!QFile::rename(Path, bad)) return false;
  // The journal files belong to the damaged file and would be replayed into the new one.
  QFile::remove(Path + QStringLiteral("-wal"));
  QFile::remove(Path + QStringLiteral("-shm"));
  return true;
}

bool THistory::WriteKept(QSqlError& failure) {
  if (!Run(Database, QStringLiteral("BEGIN IMMEDIATE"), failure)) return false;
  QSqlQuery insert(Database);
  QStringList marks;
  for (std::size_t i = 0; i < HistoryColumns.size(); ++i) marks << QStringLiteral("?");
  bool written = insert.prepare(QStringLiteral("INSERT INTO games (%1) VALUES (%2)").arg(ColumnList(), marks.join(QLatin1Char(','))));
  for (auto game = Kept.begin(); written && game != Kept.end(); ++game) {
    const TRecordFields fields = FieldsOf(*game);
    for (std::size_t i = 0; i < fields.size(); ++i) insert.bindValue(static_cast<int>(i), fields[i]);
    written = insert.exec();
  }
  if (!written) failure = insert.lastError();
  if (written && Run(Database, QStringLiteral("COMMIT"), failure)) return true;
  QSqlError ignored;
  Run(Database, QStringLiteral("ROLLBACK"), ignored);
  return false;
}

bool THistory::ReadAll(std::vector<TGameRecord>& games, QSqlError& failure) {
  QSqlQuery select(Database);
  select.setForwardOnly(true);
  if (!select.exec(QStringLiteral("SELECT %1 FROM games ORDER BY id").arg(ColumnList()))) {
    failure = select.lastError();
    return false;
  }
  TRecordFields fields;
  while (select.next()) {
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = select.value(static_cast<int>(i));
    if (const std::optional<TGameRecord> game = RecordOf(fields)) games.push_back(*game);
  }
  // A row that stops half-way through a damaged page ends the loop as if the table ended there.
  if (select.lastError().isValid()) {
    failure = select.lastError();
    games.clear();
    return false;
  }
  return true;
}

void THistory::Tell(TTrouble trouble) {
  if (Told || !Notice) return;
  Told = true;
  Notice(trouble == TTrouble::Damaged
             ? tr("The history of your games was damaged. It has been set aside as History.db.bad, "
                  "and a new history begins.")
             : tr("The history of your games cannot be written just now. Your games are kept "
                  "and will be written as soon as it can be."));
}
