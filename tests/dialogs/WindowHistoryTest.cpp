// The main window's history: one row for each game that ends, for the reason it ended and with what
// it scored, in a data folder of the test's own; the Statistics window from the menu and its keys;
// a history that cannot be written said once.
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "GameSettings.h"
#include "History.h"
#include "MainMenu.h"
#include "RadioGroup.h"
#include "SettingsDialog.h"
#include "StatisticsDialog.h"
#include "UiTestSupport.h"

namespace {

// Below the lowest default top-ten score, so no record dialog comes.
constexpr int SmallScore = 7;

std::vector<TGameRecord> Rows(TTestProgram& program) {
  THistory reader(program.Directory.path().toStdString());
  return reader.Games();
}

// One move on a sparse board at Normal or Hard, which makes no line, and a few points as if it had.
void PlayOneMove(TTestProgram& program) {
  const TBoard sparse = BoardWith({{1, 1}, {41, 2}});
  if (program.Game().Fields().BallsPerTurn == 3) program.Game().LoadPosition(sparse, {3, 4, 5});
  else program.Game().LoadPosition(sparse, {3, 4, 5, 6});
  program.ClickCell(1);
  program.ClickCell(9);
  QVERIFY(program.WaitForIdle());
  program.Game().Variables.Score = SmallScore;
}

void StartPlaying(TTestProgram& program) {
  program.Start();
  QVERIFY(program.WaitForIdle());
}

}  // namespace

class WindowHistoryTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void NewRecordsThePlayedGameButNotOneWithoutAMove() {
    TTestProgram program;
    StartPlaying(program);
    program.Lines().btnClick(1);
    QVERIFY(program.WaitForIdle());
    PlayOneMove(program);
    program.Lines().btnClick(1);
    QVERIFY(program.WaitForIdle());
    QTRY_COMPARE(Rows(program).size(), std::size_t{1});
    const TGameRecord row = Rows(program)[0];
    QCOMPARE(row.EndReason, TEndReason::New);
    QCOMPARE(row.Score, SmallScore);
    QCOMPARE(row.Moves, 1);
    QCOMPARE(row.Level, 0);
    QVERIFY(!row.UndoUsed);
    QVERIFY(row.SecondsPlayed >= 0 && row.SecondsPlayed < 60);
    QVERIFY(row.StartedAt <= row.EndedAt);
    // Nothing was told: the file took the game.
    QVERIFY(program.Warnings.isEmpty());
  }

  void ALevelChangeRecordsTheGameAtTheLevelItWasPlayedAt() {
    TTestProgram program;
    StartPlaying(program);
    PlayOneMove(program);
    WhenModal<TfrmSettings>([](TfrmSettings& shown) {
      QTest::mouseClick(Control<TRadioGroup>(shown, QStringLiteral("grpLevel"))->Item(1), Qt::LeftButton, {}, QPoint(5, 5));
      QTest::mouseClick(Control(shown, QStringLiteral("btnOK")), Qt::LeftButton, {}, QPoint(5, 5));
    });
    program.Lines().btnClick(3);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(int(GameSettings.Level), 1);
    QTRY_COMPARE(Rows(program).size(), std::size_t{1});
    QCOMPARE(Rows(program)[0].EndReason, TEndReason::Settings);
    QCOMPARE(Rows(program)[0].Level, 0);
    // The next game is a new one: New ends it for its own reason.
    PlayOneMove(program);
    program.Lines().btnClick(1);
    QTRY_COMPARE(Rows(program).size(), std::size_t{2});
    QCOMPARE(Rows(program)[1].EndReason, TEndReason::New);
    QCOMPARE(Rows(program)[1].Level, 1);
    GameSettings.Level = 0;
  }

  void ClosingRecordsTheGameBeforeTheWindowIsGone() {
    TTestProgram program;
    StartPlaying(program);
    PlayOneMove(program);
    program.Lines().close();
    // No event loop runs after the last window closes: the row is on disk already.
    const std::vector<TGameRecord> rows = Rows(program);
    QCOMPARE(rows.size(), std::size_t{1});
    QCOMPARE(rows[0].EndReason, TEndReason::Close);
    QCOMPARE(rows[0].Score, SmallScore);
  }

  void AFullBoardIsRecordedOnceAsItFills() {
    TTestProgram program;
    StartPlaying(program);
    program.FillTheBoard();
    QTRY_COMPARE(Rows(program).size(), std::size_t{1});
    QCOMPARE(Rows(program)[0].EndReason, TEndReason::Full);
    QCOMPARE(Rows(program)[0].Moves, 1);
    // The click that starts the next game, and the close after it, add nothing: that game has no move.
    program.ClickCell(1);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);
    program.Lines().close();
    QCOMPARE(Rows(program).size(), std::size_t{1});
  }

  void TheMenuAndCtrlIOpenTheStatisticsAndTheBoardTakesTheKeysBack() {
    TTestProgram program;
    StartPlaying(program);
    TfrmLines& lines = program.Lines();
    QApplication::setActiveWindow(&lines);
    QVERIFY(QTest::qWaitForWindowActive(&lines));
    PlayOneMove(program);
    program.Lines().btnClick(1);
    QVERIFY(program.WaitForIdle());
    // The game that has just ended is in the window at once, written or not.
    QStringList seen;
    const auto look = [&seen](TfrmStatistics& shown) {
      seen << Control<QLabel>(shown, QStringLiteral("labGames"))->text();
      shown.reject();
    };
    WhenModal<TfrmStatistics>(look);
    program.Rooms().Menu().Menu().Statistics->trigger();
    QCOMPARE(seen, QStringList{"1"});
    QTRY_COMPARE(QApplication::activeWindow(), &lines);
    WhenModal<TfrmStatistics>(look);
    QTest::keyClick(&lines, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(seen, (QStringList{"1", "1"}));
    QTRY_COMPARE(QApplication::activeWindow(), &lines);
    QCOMPARE(QApplication::focusWidget(), &lines);
  }

  void AHistoryThatCannotBeWrittenIsSaidOnceAndTheGamesGoOn() {
    TTestProgram program;
    // A folder where the file should be: SQLite can neither open nor create it.
    QVERIFY(QDir(program.Directory.path()).mkdir(QStringLiteral("History.db")));
    StartPlaying(program);
    for (int game = 0; game < 2; ++game) {
      PlayOneMove(program);
      program.Lines().btnClick(1);
      QVERIFY(program.WaitForIdle());
    }
    QTRY_COMPARE(program.Rooms().Recorder().History().KeptCount(), std::size_t{2});
    QCOMPARE(program.Warnings.size(), 1);
    QVERIFY(program.Warnings[0].contains(QStringLiteral("history of your games")));
    QCOMPARE(program.BallCount(), 5);
  }
};

QTEST_MAIN(WindowHistoryTest)
#include "WindowHistoryTest.moc"
