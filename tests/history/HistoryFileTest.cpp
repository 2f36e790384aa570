// The history file: every column read back as written, the older and later versions of the file,
// and the files a game must survive (damaged, locked, read-only) without losing a game.
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "History.h"
#include "HistoryCsv.h"
#include "HistorySchema.h"
#include "HistoryTestSupport.h"
#include "TestFolder.h"

namespace {

// Counts the notices and keeps the last one's text.
struct TNotices {
  int Count = 0;
  QString Last;
  void Attach(THistory& history) {
    history.SetNotice([this](const QString& message) {
      ++Count;
      Last = message;
    });
  }
};

std::vector<TGameRecord> Samples(int first, int count) {
  std::vector<TGameRecord> games;
  for (int n = first; n < first + count; ++n) games.push_back(SampleGame(n));
  return games;
}

std::vector<TGameRecord> GamesOnDisk(const TTestFolder& folder) {
  THistory reader(folder.Path());
  return reader.Games();
}

template <typename Action>
std::chrono::milliseconds Timed(Action action) {
  const auto started = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
}

// A game's end waits on a busy file no longer than the busy timeout and the work around it; a
// multiple of it leaves room for a loaded machine and still catches a wait of seconds.
constexpr std::chrono::milliseconds QuickReturn{THistory::BusyTimeoutMs * 10};

}  // namespace

TEST(HistoryFile, EveryColumnOfEveryGameReadsBackAsWritten) {
  TTestFolder folder;
  const std::vector<TGameRecord> games = Samples(0, 8);  // every end reason twice, every level
  {
    THistory history(folder.Path());
    EXPECT_FALSE(Exists(folder / "History.db")) << "nothing is opened before the first game ends";
    for (const TGameRecord& game : games) history.Record(game);
    EXPECT_EQ(history.KeptCount(), 0u);
  }
  EXPECT_EQ(GamesOnDisk(folder), games);
  EXPECT_EQ(DatabaseVersion(folder / "History.db"), HistorySchemaVersion);
}

TEST(HistoryFile, ResetErasesEveryGame) {
  TTestFolder folder;
  THistory history(folder.Path());
  for (const TGameRecord& game : Samples(0, 3)) history.Record(game);
  EXPECT_TRUE(history.Reset());
  EXPECT_TRUE(history.Games().empty());
  history.Record(SampleGame(9));
  EXPECT_EQ(GamesOnDisk(folder), Samples(9, 1));
}

// The file as the first version of the game wrote it: the games without their lines by length.
TEST(HistoryVersions, AFirstVersionFileIsMigratedAndKeepsItsGames) {
  TTestFolder folder;
  RunOnDatabase(folder / "History.db",
                {QStringLiteral("PRAGMA journal_mode=WAL"),
                 QStringLiteral("CREATE TABLE games (id INTEGER PRIMARY KEY, started_at TEXT NOT NULL,"
                                " ended_at TEXT NOT NULL, level INTEGER NOT NULL, jokers INTEGER NOT NULL,"
                                " bombs INTEGER NOT NULL, score INTEGER NOT NULL, moves INTEGER NOT NULL,"
                                " lines INTEGER NOT NULL, balls_cleared INTEGER NOT NULL,"
                                " longest_line INTEGER NOT NULL, undo_used INTEGER NOT NULL,"
                                " end_reason TEXT NOT NULL, seconds_played INTEGER NOT NULL)"),
                 QStringLiteral("INSERT INTO games (started_at, ended_at, level, jokers, bombs, score, moves, lines,"
                                " balls_cleared, longest_line, undo_used, end_reason, seconds_played) VALUES"
                                " ('2025-01-02T03:04:05Z', '2025-01-02T03:24:05Z', 2, 1, 0, 4321, 310, 44, 231,"
                                " 7, 1, 'settings', 1200)"),
                 QStringLiteral("PRAGMA user_version = 1")});
  THistory history(folder.Path());
  history.Record(SampleGame(4));
  EXPECT_EQ(history.KeptCount(), 0u);

  TGameRecord old;
  old.StartedAt = "2025-01-02T03:04:05Z";
  old.EndedAt = "2025-01-02T03:24:05Z";
  old.Level = 2;
  old.Jokers = true;
  old.Score = 4321;
  old.Moves = 310;
  old.Lines = 44;
  old.BallsCleared = 231;
  old.LongestLine = 7;
  old.UndoUsed = true;
  old.EndReason = TEndReason::Settings;
  old.SecondsPlayed = 1200;
  EXPECT_EQ(GamesOnDisk(folder), (std::vector<TGameRecord>{old, SampleGame(4)}));
  EXPECT_EQ(DatabaseVersion(folder / "History.db"), HistorySchemaVersion);
}

// A later version adds to the table; this one still records into it and leaves its version be.
TEST(HistoryVersions, ALaterVersionFileIsWrittenAndNotTurnedBack) {
  TTestFolder folder;
  THistory(folder.Path()).Record(SampleGame(1));
  const int later = HistorySchemaVersion + 1;
  RunOnDatabase(folder / "History.db",
                {QStringLiteral("ALTER TABLE games ADD COLUMN rating INTEGER NOT NULL DEFAULT 0"),
                 QStringLiteral("PRAGMA user_version = %1").arg(later)});
  THistory history(folder.Path());
  history.Record(SampleGame(2));
  EXPECT_EQ(history.KeptCount(), 0u);
  EXPECT_EQ(GamesOnDisk(folder), Samples(1, 2));
  EXPECT_EQ(DatabaseVersion(folder / "History.db"), later);
}

TEST(HistoryFaults, AFileThatIsNoDatabaseIsSetAsideAndTheGameRecordedInANewOne) {
  TTestFolder folder;
  const TBytes junk = CountingBytes(5000, 7);
  WriteBytes(folder / "History.db", junk);
  THistory history(folder.Path());
  TNotices notices;
  notices.Attach(history);
  history.Record(SampleGame(0));
  history.Record(SampleGame(1));
  EXPECT_EQ(history.KeptCount(), 0u);
  EXPECT_EQ(ReadBytes(folder / "History.db.bad"), junk);
  EXPECT_EQ(GamesOnDisk(folder), Samples(0, 2));
  EXPECT_EQ(notices.Count, 1);
  EXPECT_TRUE(notices.Last.contains(QStringLiteral("History.db.bad"))) << notices.Last.toStdString();
}

// Cut short, the file still starts as a database; the damage shows only when its pages are read.
TEST(HistoryFaults, ATruncatedFileIsSetAsideWhenItsGamesAreRead) {
  TTestFolder folder;
  {
    THistory history(folder.Path());
    for (const TGameRecord& game : Samples(0, 400)) history.Record(game);
  }
  const std::uintmax_t size = std::filesystem::file_size(folder / "History.db");
  ASSERT_GT(size, 16384u);
  std::filesystem::resize_file(folder / "History.db", size / 2);
  THistory history(folder.Path());
  TNotices notices;
  notices.Attach(history);
  EXPECT_TRUE(history.Games().empty());
  EXPECT_TRUE(Exists(folder / "History.db.bad"));
  history.Record(SampleGame(500));
  EXPECT_EQ(GamesOnDisk(folder), Samples(500, 1));
  EXPECT_EQ(notices.Count, 1);
}

// Another copy in the middle of a long write, or one that keeps the file to itself: the game's end
// returns at once, and its games follow the first end after the lock is gone.
class HistoryLocked : public testing::TestWithParam<const char*> {};

TEST_P(HistoryLocked, GamesAreKeptAndWrittenAfterTheLockIsGone) {
  TTestFolder folder;
  THistory(folder.Path()).Record(SampleGame(0));
  const QString path = QString::fromStdString(folder / "History.db");
  THistory history(folder.Path());
  TNotices notices;
  notices.Attach(history);
  {
    QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
    locker.setDatabaseName(path);
    ASSERT_TRUE(locker.open());
    QSqlQuery lock(locker);
    for (const QString& statement : QString::fromLatin1(GetParam()).split(QLatin1Char(';'))) {
      ASSERT_TRUE(lock.exec(statement)) << statement.toStdString();
    }
    for (int n = 1; n <= 2; ++n) {
      EXPECT_LT(Timed([&] { history.Record(SampleGame(n)); }), QuickReturn);
    }
    EXPECT_EQ(history.KeptCount(), 2u);
    EXPECT_EQ(notices.Count, 1);
    lock.finish();
    locker.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("locker"));
  history.Record(SampleGame(3));
  EXPECT_EQ(history.KeptCount(), 0u);
  EXPECT_EQ(GamesOnDisk(folder), Samples(0, 4));
  EXPECT_EQ(notices.Count, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Locks, HistoryLocked,
    testing::Values("BEGIN EXCLUSIVE", "PRAGMA locking_mode=EXCLUSIVE;SELECT count(*) FROM games"));

namespace {

// The folder and its files as a player who may only read them sees them. Root reads and writes
// whatever the modes say, so for root the file checks are made as nobody while it lasts.
class TReadOnlyFolder {
public:
  explicit TReadOnlyFolder(const TTestFolder& folder) : Folder(folder) {
    for (const std::filesystem::directory_entry& file : std::filesystem::directory_iterator(Folder.Path())) {
      chmod(file.path().c_str(), 0444);
    }
    chmod(Folder.Path().c_str(), 0555);
    if (geteuid() == 0) setfsuid(65534);
  }
  ~TReadOnlyFolder() {
    if (geteuid() == 0) setfsuid(0);
    chmod(Folder.Path().c_str(), 0700);
    for (const std::filesystem::directory_entry& file : std::filesystem::directory_iterator(Folder.Path())) {
      chmod(file.path().c_str(), 0644);
    }
  }

private:
  const TTestFolder& Folder;
};

}  // namespace

TEST(HistoryFaults, AReadOnlyFileKeepsTheGamesUntilItCanBeWritten) {
  TTestFolder folder;
  THistory(folder.Path()).Record(SampleGame(0));
  THistory history(folder.Path());
  TNotices notices;
  notices.Attach(history);
  {
    const TReadOnlyFolder readOnly(folder);
    EXPECT_LT(Timed([&] { history.Record(SampleGame(1)); }), QuickReturn);
    history.Record(SampleGame(2));
    EXPECT_EQ(history.KeptCount(), 2u);
  }
  EXPECT_FALSE(Exists(folder / "History.db.bad")) << "a file that cannot be written is not damaged";
  EXPECT_EQ(notices.Count, 1);
  history.Record(SampleGame(3));
  EXPECT_EQ(history.KeptCount(), 0u);
  EXPECT_EQ(GamesOnDisk(folder), Samples(0, 4));
  EXPECT_EQ(notices.Count, 1);
}

TEST(HistoryExport, EveryGameIsOneLineUnderTheColumnNames) {
  TGameRecord game = SampleGame(5);
  EXPECT_EQ(HistoryCsv({game}).toStdString(),
            "started_at,ended_at,level,jokers,bombs,score,moves,lines,balls_cleared,longest_line,undo_used,"
            "end_reason,seconds_played,lines_5,lines_6,lines_7,lines_8,lines_9\r\n"
            "2026-03-06T10:11:15Z,2026-03-06T11:12:15Z,2,0,1,1185,205,35,185,5,0,new,655,25,10,8,6,1\r\n");
  TTestFolder folder;
  EXPECT_TRUE(SaveHistoryCsv(Samples(0, 3), QString::fromStdString(folder / "games.csv")));
  EXPECT_EQ(ReadBytes(folder / "games.csv").size(), static_cast<std::size_t>(HistoryCsv(Samples(0, 3)).size()));
  EXPECT_FALSE(SaveHistoryCsv(Samples(0, 3), QString::fromStdString(folder / "no folder/games.csv")));
}
