// The Statistics window offscreen: the friendly note for a level without games, every figure, chart
// and row of a level with games, the reset that asks first, and the export of the whole history.
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QXYSeries>

#include "DialogTestSupport.h"
#include "GameSettings.h"
#include "History.h"
#include "HistoryCsv.h"
#include "StatisticsDialog.h"

namespace {

QString Figure(QWidget& form, const char* name) { return Control<QLabel>(form, QString::fromLatin1(name))->text(); }

bool ShowsEmptyNote(QWidget& form) {
  return Control<QLabel>(form, QStringLiteral("labEmpty"))->isVisible() &&
         !Control(form, QStringLiteral("Filled"))->isVisible();
}

// Scores 10, 20, ... 300 at Hard, ended five minutes apart; every third with undo; lines of five
// and one line of seven in the last game; two games at Normal.
std::vector<TGameRecord> KnownGames() {
  std::vector<TGameRecord> games;
  for (int n = 1; n <= 30; ++n) {
    TGameRecord game;
    game.StartedAt = "2026-05-01T10:00:00Z";
    game.EndedAt = QStringLiteral("2026-05-01T%1:%2:00Z").arg(10 + n * 5 / 60, 2, 10, QLatin1Char('0')).arg(n * 5 % 60, 2, 10, QLatin1Char('0')).toStdString();
    game.Level = 1;
    game.Score = 10 * n;
    game.Moves = 40 + n;
    game.Lines = 2;
    game.LinesByLength = {2, 0, 0, 0, 0};
    game.LongestLine = 5;
    game.UndoUsed = n % 3 == 0;
    game.SecondsPlayed = 120;
    games.push_back(game);
  }
  games.back().LinesByLength = {1, 0, 1, 0, 0};
  games.back().LongestLine = 7;
  for (const int score : {500, 70}) {
    TGameRecord game;
    game.Score = score;
    game.EndReason = TEndReason::Close;
    games.push_back(game);
  }
  return games;
}

// A program folder whose history holds the known games.
struct TKnownHistory {
  TKnownHistory() {
    for (const TGameRecord& game : KnownGames()) History.Record(game);
  }
  TDialogFixture Files;
  THistory History{Files.Folder()};
};

}  // namespace

class StatisticsDialogTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void AnEmptyHistoryShowsANoteInsteadOfCharts() {
    TDialogFixture fixture;
    THistory history(fixture.Folder());
    GameSettings.Level = 2;
    TfrmStatistics dialog(history);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Statistics"));
    QCOMPARE(Control<QTabBar>(dialog, QStringLiteral("TabBar"))->currentIndex(), 2);
    QVERIFY(ShowsEmptyNote(dialog));
    QVERIFY(Figure(dialog, "labEmpty").contains(QStringLiteral("Impossible")));
    QVERIFY(!Control<QPushButton>(dialog, QStringLiteral("btnExport"))->isEnabled());
    QVERIFY(!Control<QPushButton>(dialog, QStringLiteral("btnReset"))->isEnabled());
    QVERIFY2(!QFile::exists(fixture.FilePath("History.db")), "looking at an empty history creates no file");
    dialog.close();
  }

  void ALevelWithGamesShowsItsFiguresChartsAndLastGames() {
    TKnownHistory known;
    GameSettings.Level = 1;
    TfrmStatistics dialog(known.History);
    dialog.show();
    QVERIFY(!ShowsEmptyNote(dialog));
    QCOMPARE(Figure(dialog, "labGames"), QStringLiteral("30"));
    QCOMPARE(Figure(dialog, "labBest"), QStringLiteral("300"));
    QCOMPARE(Figure(dialog, "labAverage"), QStringLiteral("155.0"));
    QCOMPARE(Figure(dialog, "labMedian"), QStringLiteral("155"));
    QCOMPARE(Figure(dialog, "labTime"), QStringLiteral("1 h 00 min"));
    QCOMPARE(Figure(dialog, "labLongest"), QStringLiteral("7 balls"));
    QCOMPARE(Figure(dialog, "labUndo"), QStringLiteral("10"));
    QCOMPARE(Figure(dialog, "labLines5"), QStringLiteral("59"));
    QCOMPARE(Figure(dialog, "labLines7"), QStringLiteral("1"));
    QCOMPARE(Figure(dialog, "labLines9"), QStringLiteral("0"));

    // The trend: every score in order, and the average of the last ten at the end.
    const QList<QAbstractSeries*> trend = Control<QChartView>(dialog, QStringLiteral("Trend"))->chart()->series();
    QCOMPARE(trend.size(), 2);
    const QList<QPointF> points = static_cast<QXYSeries*>(trend[0])->points();
    QCOMPARE(points.size(), 30);
    QCOMPARE(points.first(), QPointF(1, 10));
    QCOMPARE(points.last(), QPointF(30, 300));
    QCOMPARE(static_cast<QXYSeries*>(trend[1])->points().last(), QPointF(30, 255));
    // The histogram: all thirty games in its bars.
    const QList<QAbstractSeries*> spread = Control<QChartView>(dialog, QStringLiteral("Histogram"))->chart()->series();
    QCOMPARE(spread.size(), 1);
    const QBarSet* bars = static_cast<QAbstractBarSeries*>(spread[0])->barSets().first();
    QCOMPARE(bars->sum(), 30.0);

    // The last twenty, the latest first.
    auto* table = Control<QTableWidget>(dialog, QStringLiteral("LastGames"));
    QCOMPARE(table->rowCount(), LastGamesRows);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("300"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("70"));
    QCOMPARE(table->item(0, 8)->text(), QStringLiteral("yes"));
    QCOMPARE(table->item(1, 8)->text(), QString());
    QCOMPARE(table->item(19, 1)->text(), QStringLiteral("110"));
    QCOMPARE(table->item(0, 9)->text(), QStringLiteral("Board full"));

    // The other tabs: the two Normal games, then nothing at Impossible.
    auto* tabs = Control<QTabBar>(dialog, QStringLiteral("TabBar"));
    tabs->setCurrentIndex(0);
    QCOMPARE(Figure(dialog, "labGames"), QStringLiteral("2"));
    QCOMPARE(Figure(dialog, "labMedian"), QStringLiteral("285"));
    QCOMPARE(Figure(dialog, "labLongest"), QStringLiteral("-"));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 9)->text(), QStringLiteral("Closed"));
    tabs->setCurrentIndex(2);
    QVERIFY(ShowsEmptyNote(dialog));
    dialog.close();
  }

  void ResetErasesOnlyAfterTheQuestionIsAnsweredYes() {
    TKnownHistory known;
    GameSettings.Level = 0;
    TfrmStatistics dialog(known.History);
    dialog.show();
    auto* reset = Control<QPushButton>(dialog, QStringLiteral("btnReset"));
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      QString question;
      WhenModal<QMessageBox>([&question, answer](QMessageBox& box) {
        question = box.text();
        box.button(answer)->click();
      });
      reset->click();
      QVERIFY(question.contains(QStringLiteral("32 games")));
      QCOMPARE(known.History.Games().size(), answer == QMessageBox::No ? 32u : 0u);
    }
    QVERIFY(ShowsEmptyNote(dialog));
    QVERIFY(!reset->isEnabled());
    dialog.close();
  }

  void ExportWritesTheWholeHistory() {
    TKnownHistory known;
    TfrmStatistics dialog(known.History);
    QVERIFY(dialog.ExportTo(known.Files.FilePath("games.csv")));
    QCOMPARE(known.Files.FileBytes("games.csv"), HistoryCsv(KnownGames()));
  }
};

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
