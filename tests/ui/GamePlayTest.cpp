// Playing in the window: clicks on the cells, the pictures of every animation tick, lines, new
// balls, new games, the held New button, the cost of a wait, and closing in every phase of a turn.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <ctime>
#include <functional>
#include <vector>

#include "Bevels.h"
#include "FlatButton.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "UiTestSupport.h"

namespace {

// Counts a timer's ticks as they arrive, before any handler has run.
class TTickCounter : public QObject {
public:
  explicit TTickCounter(QTimer& timer) { timer.installEventFilter(this); }
  int Ticks = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Timer) ++Ticks;
    return false;
  }
};

double ProcessSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

QString Caption(TfrmLines& lines, const char* name) {
  return lines.findChild<TBevelPanel*>(QString::fromLatin1(name))->Caption();
}

}  // namespace

class GamePlayTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void TheFirstGamePlacesFiveBallsEachGrowingThroughThreePictures() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Show();
    std::vector<int> grown;
    QString wrongPicture;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      const TGame& game = program.Game();
      const int cell = game.Fields().SpawnCell;
      const BallCode code = game.Cell(cell);
      // After the tick the tag names the next frame: 1 after make frame 1, 2 after make frame 2,
      // and 0 with the timer off after the resting picture.
      const int next = game.TimerTag(TAnimationTimer::Make);
      const bool right = next == 1   ? Shows(lines, cell, TSpriteSet::Make, 1, code)
                         : next == 2 ? Shows(lines, cell, TSpriteSet::Make, 2, code)
                                     : Shows(lines, cell, TSpriteSet::Normal, 1, code);
      if (!right) wrongPicture = QStringLiteral("cell %1 after tag %2").arg(cell).arg(next);
      if (next == 0) grown.push_back(cell);
    });
    QElapsedTimer clock;
    clock.start();
    lines.imgBackgroundClick();
    QVERIFY2(wrongPicture.isEmpty(), qPrintable(wrongPicture));
    // Five balls, three ticks of 50 ms each.
    QVERIFY(clock.elapsed() >= 5 * 3 * 50 - 20);
    QCOMPARE(program.BallCount(), 5);
    QCOMPARE(int(grown.size()), 5);
    for (const int cell : grown) QVERIFY(Shows(lines, cell, TSpriteSet::Normal, 1, program.Game().Cell(cell)));
    for (int i = 1; i <= 3; ++i)
      QCOMPARE(lines.NextImage(i)->Picture().cacheKey(),
               lines.Sprites(TSpriteSet::Normal).GetSprite(1, program.Game().Fields().NextBalls[i]).cacheKey());
    QVERIFY(lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->isEnabled());
    QCOMPARE(Caption(lines, "panScore"), QStringLiteral("0"));
  }

  void ASelectedBallJumpsAndASecondClickMovesTheSelection() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{10, 3}, {20, JokerBall}, {30, BombBall}}), {1, 2, 3});

    std::vector<QString> shown;
    TTickWatcher watcher(lines, TAnimationTimer::Jump, [&] {
      const int cell = program.Game().Fields().SelectedCell;
      const BallCode code = program.Game().Cell(cell);
      QString picture = QStringLiteral("?");
      if (Shows(lines, cell, TSpriteSet::Normal, 1, code)) picture = QStringLiteral("rest");
      else if (Shows(lines, cell, TSpriteSet::Jump, 1, code)) picture = QStringLiteral("jump1");
      else if (Shows(lines, cell, TSpriteSet::Jump, 2, code)) picture = QStringLiteral("jump2");
      shown.push_back(QStringLiteral("%1:%2").arg(cell).arg(picture));
    });
    program.ClickCell(10);
    QCOMPARE(program.Game().Fields().SelectedCell, 10);
    QVERIFY(lines.AnimationTimer(TAnimationTimer::Jump).isActive());
    QCOMPARE(lines.AnimationTimer(TAnimationTimer::Jump).interval(), 60);
    QTRY_COMPARE(int(shown.size()), 5);
    QCOMPARE(shown, (std::vector<QString>{"10:rest", "10:jump1", "10:jump2", "10:jump1", "10:rest"}));

    shown.clear();
    program.ClickCell(20);
    // The first ball is drawn at rest at once; the joker starts at jump frame 1 and has three frames.
    QVERIFY(Shows(lines, 10, TSpriteSet::Normal, 1, 3));
    QCOMPARE(program.Game().Fields().SelectedCell, 20);
    QTRY_COMPARE(int(shown.size()), 4);
    QCOMPARE(shown, (std::vector<QString>{"20:jump1", "20:jump2", "20:rest", "20:jump1"}));

    shown.clear();
    program.ClickCell(30);
    program.ClickCell(30);
    QCOMPARE(program.Game().Fields().SelectedCell, 30);
    QTRY_COMPARE(int(shown.size()), 4);
    QCOMPARE(shown, (std::vector<QString>{"30:jump1", "30:jump2", "30:jump1", "30:rest"}));
    QVERIFY(Shows(lines, 20, TSpriteSet::Normal, 1, JokerBall));

    // An empty cell without a selection, and a click on the preview, do nothing.
    program.Game().LoadPosition(BoardWith({{10, 3}}), {1, 2, 3});
    program.ClickCell(50);
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
    QTest::mouseClick(lines.NextImage(1), Qt::LeftButton);
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
    QVERIFY(!lines.AnimationTimer(TAnimationTimer::Jump).isActive());
  }

  void AMovedBallWalksItsRouteOneCellPerTick() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    // A wall in column 5 with one gap at the bottom: the route must go round it.
    program.Game().LoadPosition(BoardWith({{1, 4}, {5, 1}, {14, 1}, {23, 1}, {32, 1}, {41, 1}, {50, 1}, {59, 1},
                                           {68, 1}}),
                                {1, 1, 1});
    std::vector<int> picturesAt;
    QString fault;
    const TGame& game = program.Game();
    TTickWatcher watcher(lines, TAnimationTimer::Move, [&] {
      if (!game.TimerEnabled(TAnimationTimer::Move)) return;
      const int step = game.Fields().MoveStep - 1;  // the cell the ball's picture has just reached
      const int now = game.PathFinder().Path[step];
      const int before = game.PathFinder().Path[step - 1];
      if (!Shows(lines, now, TSpriteSet::Normal, 1, 4) || !Empty(lines, before))
        fault = QStringLiteral("step %1").arg(step);
      picturesAt.push_back(now);
    });
    program.ClickCell(1);
    program.ClickCell(9);
    // The board holds the ball at its destination from the click on; the picture follows.
    QCOMPARE(game.Cell(9), BallCode{4});
    QCOMPARE(game.Cell(1), EmptyCell);
    QCOMPARE(lines.AnimationTimer(TAnimationTimer::Move).interval(), 55);
    QVERIFY(program.WaitForIdle());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const int length = game.PathFinder().PathLength;
    QCOMPARE(length, 25);  // down to row 9, across the gap, up to row 1
    std::vector<int> route;
    for (int i = 2; i <= length; ++i) route.push_back(game.PathFinder().Path[i]);
    QCOMPARE(picturesAt, route);
    QCOMPARE(route.back(), 9);
    QVERIFY(Shows(lines, 9, TSpriteSet::Normal, 1, 4));
  }

  void ANeighbourMoveReachesTheEndOfTheMoveOnItsSecondTick() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{41, 2}}), {3, 4, 5});
    TTickCounter moveTicks(lines.AnimationTimer(TAnimationTimer::Move));
    int moveTicksAtFirstGrowth = -1;
    qint64 msToFirstGrowth = 0;
    QElapsedTimer clock;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (moveTicksAtFirstGrowth < 0) {
        moveTicksAtFirstGrowth = moveTicks.Ticks;
        msToFirstGrowth = clock.elapsed();
      }
    });
    program.ClickCell(41);
    clock.start();
    program.ClickCell(42);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(moveTicksAtFirstGrowth, 2);
    // Two move ticks of 55 ms and the first growth tick of 50 ms.
    QVERIFY2(msToFirstGrowth >= 150, qPrintable(QString::number(msToFirstGrowth)));
    QVERIFY(Shows(lines, 42, TSpriteSet::Normal, 1, 2));
    QVERIFY(Empty(lines, 41));
  }

  void NewBallsComeFromThePreviewGrowAndTheRowIsDrawnAgain() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{41, 2}}), {5, 6, 7});
    std::vector<BallCode> grownCodes;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      const TGame& game = program.Game();
      if (!game.TimerEnabled(TAnimationTimer::Make)) grownCodes.push_back(game.Cell(game.Fields().SpawnCell));
    });
    program.ClickCell(41);
    program.ClickCell(42);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(grownCodes, (std::vector<BallCode>{5, 6, 7}));
    QCOMPARE(program.BallCount(), 4);
    const TGame& game = program.Game();
    for (int i = 1; i <= 3; ++i)
      QCOMPARE(lines.NextImage(i)->Picture().cacheKey(),
               lines.Sprites(TSpriteSet::Normal).GetSprite(1, game.Fields().NextBalls[i]).cacheKey());
    for (int cell = 1; cell <= CellCount; ++cell) {
      if (game.Cell(cell) != EmptyCell) QVERIFY(Shows(lines, cell, TSpriteSet::Normal, 1, game.Cell(cell)));
      else QVERIFY(Empty(lines, cell));
    }
  }

  void ACompletedLineBreaksInThreePicturesThenScores() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {23, 2}, {60, 6}}), {5, 6, 7});
    std::vector<QString> stages;
    TTickWatcher watcher(lines, TAnimationTimer::Destroy, [&] {
      const TGame& game = program.Game();
      const int next = game.TimerTag(TAnimationTimer::Destroy);
      QString stage;
      for (const int cell : {1, 2, 3, 4, 5}) {
        // The board keeps the codes until the animation has ended.
        const BallCode code = game.Cell(cell);
        const QString picture = Empty(lines, cell)                                    ? QStringLiteral("empty")
                                : Shows(lines, cell, TSpriteSet::Destroy, 1, code) ? QStringLiteral("break1")
                                : Shows(lines, cell, TSpriteSet::Destroy, 2, code) ? QStringLiteral("break2")
                                                                                     : QStringLiteral("?");
        if (stage.isEmpty()) stage = picture;
        else if (stage != picture) stage = QStringLiteral("mixed");
        if (code != 2) stage = QStringLiteral("board emptied early");
      }
      stages.push_back(stage + QStringLiteral("/%1").arg(next));
    });
    program.ClickCell(23);
    program.ClickCell(5);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(stages, (std::vector<QString>{"break1/1", "break2/2", "empty/0"}));
    const TGame& game = program.Game();
    for (const int cell : {1, 2, 3, 4, 5}) QCOMPARE(game.Cell(cell), EmptyCell);
    // A line brings no new balls.
    QCOMPARE(program.BallCount(), 1);
    QVERIFY(game.Variables.Score > 0);
    QCOMPARE(Caption(lines, "panScore"), QString::number(game.Variables.Score));
    QCOMPARE(Caption(lines, "panBest"), QStringLiteral("100"));
  }

  void AClickOnAFullBoardStartsANewGame() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    // Two free cells: the move frees a third, and the three new balls fill the board.
    program.Game().LoadPosition(BoardWithoutLines({40, 81}), {1, 1, 1});
    const BallCode moved = program.Game().Cell(41);
    program.ClickCell(41);
    program.ClickCell(40);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.Game().Cell(40), moved);
    QCOMPARE(program.BallCount(), 81);
    program.ClickCell(1);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);
    QCOMPARE(Caption(lines, "panScore"), QStringLiteral("0"));
  }

  void AltNStartsANewGame() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    QApplication::setActiveWindow(&lines);
    QVERIFY(QTest::qWaitForWindowActive(&lines));
    program.Game().LoadPosition(BoardWith({{10, 3}, {11, 4}}), {1, 2, 3});
    program.ClickCell(10);
    QCOMPARE(program.Game().Fields().SelectedCell, 10);
    QTest::keyClick(&lines, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(program.Game().Fields().SelectedCell, 0);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);
  }

  void NewPressedWhileATurnWaitsStartsTheGameWhenTheTurnHasEnded() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{41, 2}}), {5, 6, 7});
    auto* btnNew = lines.findChild<TFlatButton*>(QStringLiteral("btnNew"));
    int ballsWhenPressed = -1;
    bool heldWhilePressed = false;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (ballsWhenPressed >= 0 || !program.Game().TurnWaiting()) return;
      ballsWhenPressed = program.BallCount();
      QVERIFY(btnNew->isEnabled());
      btnNew->click();
      heldWhilePressed = program.Game().NewGameHeld();
    });
    program.ClickCell(41);
    program.ClickCell(42);
    QVERIFY(program.WaitForIdle());
    QVERIFY(heldWhilePressed);
    QCOMPARE(ballsWhenPressed, 2);
    QVERIFY(!program.Game().NewGameHeld());
    // The interrupted turn ended with four balls; the new game has its own five.
    QCOMPARE(program.BallCount(), 5);
  }

  void AWaitSleepsBetweenTicks() {
    TTestProgram program;
    program.Show();
    QElapsedTimer wall;
    const double cpuBefore = ProcessSeconds();
    wall.start();
    // Five balls grow one after another: the whole set-up is spent in waits.
    program.Lines().imgBackgroundClick();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    const double cpuSeconds = ProcessSeconds() - cpuBefore;
    QVERIFY(wallSeconds >= 0.7);
    QVERIFY2(cpuSeconds / wallSeconds < 0.2,
             qPrintable(QStringLiteral("%1 s of processor time in %2 s").arg(cpuSeconds).arg(wallSeconds)));
  }

  void ClosingWhileABallIsSelectedEndsCleanly() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{10, 3}}), {1, 2, 3});
    program.ClickCell(10);
    QVERIFY(lines.AnimationTimer(TAnimationTimer::Jump).isActive());
    QVERIFY(lines.close());
    QVERIFY(lines.IsClosing());
    QVERIFY(!lines.AnimationTimer(TAnimationTimer::Jump).isActive());
    QTest::qWait(150);
  }

  void ClosingWhileABallMovesEndsCleanly() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{1, 3}}), {1, 2, 3});
    program.ClickCell(1);
    program.ClickCell(81);
    QTRY_VERIFY(program.Game().Fields().MoveStep > 3);
    QVERIFY(lines.close());
    QVERIFY(!lines.AnimationTimer(TAnimationTimer::Move).isActive());
    QTest::qWait(150);
    // No tick has run since: the picture stands where the window closed.
    QVERIFY(program.Game().TimerEnabled(TAnimationTimer::Move));
  }

  void ClosingWhileNewBallsGrowLetsTheTurnUnwind() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Show();
    bool closed = false;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (!closed) closed = lines.close();
    });
    QElapsedTimer clock;
    clock.start();
    lines.imgBackgroundClick();
    // The waits play the rest out at once: far less than the 750 ms of a set-up.
    QVERIFY(closed);
    QVERIFY2(clock.elapsed() < 400, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.BallCount(), 5);
    for (const TAnimationTimer timer :
         {TAnimationTimer::Move, TAnimationTimer::Jump, TAnimationTimer::Make, TAnimationTimer::Destroy})
      QVERIFY(!lines.AnimationTimer(timer).isActive());
    QVERIFY(!program.Game().TurnWaiting());
  }

  void ClosingWhileALineVanishesLetsTheTurnUnwind() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    program.Game().LoadPosition(BoardWith({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {23, 2}}), {5, 6, 7});
    bool closed = false;
    TTickWatcher watcher(lines, TAnimationTimer::Destroy, [&] {
      if (!closed) closed = lines.close();
    });
    program.ClickCell(23);
    program.ClickCell(5);
    QTRY_VERIFY(closed);
    QTRY_VERIFY(!program.Game().TurnWaiting());
    const TGame& game = program.Game();
    for (const int cell : {1, 2, 3, 4, 5}) {
      QCOMPARE(game.Cell(cell), EmptyCell);
      QVERIFY(Empty(lines, cell));
    }
    QVERIFY(game.Variables.Score > 0);
    QVERIFY(!lines.AnimationTimer(TAnimationTimer::Destroy).isActive());
  }
};

QTEST_MAIN(GamePlayTest)
#include "GamePlayTest.moc"
