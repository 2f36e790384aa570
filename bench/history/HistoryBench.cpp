// brindlow-bench-history: recording one ended game into a history of 10,000 games, against the same
// into an empty history; and opening the Statistics window on 10,000 games up to its first painted
// frame, against a bare dialog of the same size.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <cstdlib>

#include "GameSettings.h"
#include "History.h"
#include "HistoryColumns.h"
#include "StatisticsDialog.h"

namespace {

constexpr int HistoryGames = 10000;

TGameRecord BenchGame(int n) {
  TGameRecord game;
  game.StartedAt = "2026-01-01T10:00:00Z";
  game.EndedAt = "2026-01-01T10:20:00Z";
  game.Level = n % 3;
  game.Jokers = n % 2 == 0;
  game.Score = (n * 7919) % 3000;
  game.Moves = 100 + n % 300;
  game.Lines = 20 + n % 40;
  game.BallsCleared = 5 * game.Lines;
  game.LongestLine = 5 + n % 5;
  game.UndoUsed = n % 4 == 0;
  game.SecondsPlayed = 300 + n % 900;
  game.LinesByLength = {game.Lines - 3, 1, 1, 1, 0};
  return game;
}

// A history of `games` games: the first through THistory, which makes the file, the rest in one
// transaction of its own for speed.
void FillHistory(const QString& folder, int games) {
  THistory(folder.toStdString()).Record(BenchGame(0));
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    database.setDatabaseName(folder + QStringLiteral("/History.db"));
    if (!database.open()) std::abort();
    QStringList columns;
    QStringList marks;
    for (const char* column : HistoryColumns) {
      columns << QString::fromLatin1(column);
      marks << QStringLiteral("?");
    }
    QSqlQuery query(database);
    query.exec(QStringLiteral("BEGIN"));
    query.prepare(QStringLiteral("INSERT INTO games (%1) VALUES (%2)").arg(columns.join(','), marks.join(',')));
    for (int n = 1; n < games; ++n) {
      const TRecordFields fields = FieldsOf(BenchGame(n));
      for (std::size_t i = 0; i < fields.size(); ++i) query.bindValue(static_cast<int>(i), fields[i]);
      if (!query.exec()) std::abort();
    }
    QSqlQuery(database).exec(QStringLiteral("COMMIT"));
  }
  QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

double Ms(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

template <typename Action>
double TimedMs(Action action) {
  const auto started = std::chrono::steady_clock::now();
  action();
  return Ms(std::chrono::steady_clock::now() - started);
}

void RecordGame(benchmark::State& state) {
  QTemporaryDir fullFolder;
  QTemporaryDir emptyFolder;
  FillHistory(fullFolder.path(), HistoryGames);
  THistory full(fullFolder.path().toStdString());
  THistory empty(emptyFolder.path().toStdString());
  // The first end of a run opens the file; every later end is what a player waits for.
  full.Record(BenchGame(1));
  empty.Record(BenchGame(1));
  double fullMs = 0;
  double emptyMs = 0;
  int n = 2;
  for (auto _ : state) {
    const double fullRun = TimedMs([&] { full.Record(BenchGame(n)); });
    emptyMs += TimedMs([&] { empty.Record(BenchGame(n)); });
    fullMs += fullRun;
    state.SetIterationTime(fullRun / 1000);
    ++n;
  }
  if (full.KeptCount() != 0 || empty.KeptCount() != 0) state.SkipWithError("a game was not written");
  const double runs = static_cast<double>(state.iterations());
  state.counters["games_in_history"] = static_cast<double>(HistoryGames);
  state.counters["record_ms"] = fullMs / runs;
  state.counters["empty_history_ms"] = emptyMs / runs;
  state.counters["ratio"] = fullMs / emptyMs;
}
BENCHMARK(RecordGame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(500);

// Notes the first paint of the watched widget; its children paint in the same pass.
class TPaintSeen : public QObject {
public:
  bool Seen = false;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    Seen = Seen || event->type() == QEvent::Paint;
    return false;
  }
};

// Creates and shows the dialog, and returns once its first frame has been painted.
double OpenMs(const std::function<QDialog*()>& create) {
  const auto started = std::chrono::steady_clock::now();
  QDialog* dialog = create();
  TPaintSeen painted;
  dialog->installEventFilter(&painted);
  dialog->show();
  while (!painted.Seen) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const double ms = Ms(std::chrono::steady_clock::now() - started);
  delete dialog;
  return ms;
}

void OpenStatistics(benchmark::State& state) {
  QTemporaryDir folder;
  FillHistory(folder.path(), HistoryGames);
  THistory history(folder.path().toStdString());
  GameSettings = DefaultSettings;
  double statisticsMs = 0;
  double bareMs = 0;
  for (auto _ : state) {
    const double run = OpenMs([&history] { return new TfrmStatistics(history); });
    bareMs += OpenMs([] {
      auto* bare = new QDialog;
      bare->setFixedSize(880, 720);
      new QLabel(QStringLiteral("Statistics"), bare);
      return bare;
    });
    statisticsMs += run;
    state.SetIterationTime(run / 1000);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["games_in_history"] = static_cast<double>(HistoryGames);
  state.counters["open_ms"] = statisticsMs / runs;
  state.counters["bare_dialog_ms"] = bareMs / runs;
  state.counters["ratio"] = statisticsMs / bareMs;
}
BENCHMARK(OpenStatistics)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  // Without a display the window is drawn offscreen, as in the tests.
  if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
