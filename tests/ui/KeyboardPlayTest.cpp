// Playing without the mouse, the game-over sign over a full board, and the context menu.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include "FlatButton.h"
#include "GameOverBoard.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "UiTestSupport.h"

namespace {

// A key typed where the keyboard really goes: the focus widget, else the active window.
void Type(Qt::Key key, int times = 1) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
  QVERIFY(target != nullptr);
  for (int i = 0; i < times; ++i) QTest::keyClick(target, key);
}

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void ArrowsAndSpaceOrEnterAloneMakeALineAndAMove() {
    TTestProgram program;
    program.StartActive();
    program.Game().LoadPosition(BoardWith({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {23, 2}, {60, 6}}), {5, 6, 7});
    // The first arrow shows the cursor mid-board; then it moves.
    Type(Qt::Key_Right);
    QCOMPARE(program.Rooms().Keyboard().Cell(), 41);
    Type(Qt::Key_Up, 2);
    Type(Qt::Key_Space);
    QCOMPARE(program.Game().Fields().SelectedCell, 23);
    Type(Qt::Key_Up, 2);
    Type(Qt::Key_Return);
    QVERIFY(program.WaitForIdle());
    for (const int cell : {1, 2, 3, 4, 5}) QCOMPARE(program.Game().Cell(cell), EmptyCell);
    QVERIFY(program.Game().Variables.Score > 0);
    // It stops at the edges; the ball at 60 goes one cell down and three new balls come.
    Type(Qt::Key_Up);
    Type(Qt::Key_Down, 6);
    Type(Qt::Key_Right);
    QCOMPARE(program.Rooms().Keyboard().Cell(), 60);
    Type(Qt::Key_Enter);
    Type(Qt::Key_Down);
    Type(Qt::Key_Space);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.Game().Cell(69), BallCode{6});
    QCOMPARE(program.BallCount(), 4);
  }

  void TheCursorGivesWayToTheMouseAndComesBackOnThePickedBallAboveItsPicture() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    program.Game().LoadPosition(BoardWith({{10, 3}}), {1, 2, 3});
    auto* cursor = lines.findChild<QWidget*>(QStringLiteral("BoardCursor"));
    Type(Qt::Key_Down);
    QVERIFY(cursor->isVisible());
    program.ClickCell(10);
    QCOMPARE(program.Rooms().Keyboard().Cell(), 0);
    QVERIFY(!cursor->isVisible());
    QCOMPARE(program.Game().Fields().SelectedCell, 10);
    // Space with the cursor hidden only shows it, on the picked ball.
    Type(Qt::Key_Space);
    QCOMPARE(program.Rooms().Keyboard().Cell(), 10);
    QCOMPARE(program.Game().Fields().SelectedCell, 10);
    // The frame lies over the ball's picture: white between black lines inside the bevels.
    QTest::qWait(200);
    const QImage shown = lines.findChild<QWidget*>(QStringLiteral("panTabla"))->grab(QRect(0, 40, 40, 40)).toImage();
    for (const auto& [depth, colour] : {std::pair{2, Qt::black}, {3, Qt::white}, {4, Qt::white}, {5, Qt::black}})
      QCOMPARE(QColor(shown.pixel(20, depth)), QColor(colour));
  }

  void EscapeAndKeysDuringAWaitFollowTheClickGuards() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    program.Game().LoadPosition(BoardWith({{41, 2}, {45, 3}}), {5, 6, 7});
    Type(Qt::Key_Right);
    Type(Qt::Key_Space);
    QCOMPARE(program.Game().Fields().SelectedCell, 41);
    Type(Qt::Key_Escape);
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
    QVERIFY(!lines.AnimationTimer(TAnimationTimer::Jump).isActive());
    QVERIFY(Shows(lines, 41, TSpriteSet::Normal, 1, 2));

    Type(Qt::Key_Space);
    Type(Qt::Key_Right);
    std::vector<int> selected;
    bool moved = false;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (!selected.empty() || !program.Game().TurnWaiting()) return;
      // While new balls grow a ball may be picked, as by a click, but not sent or put down.
      Type(Qt::Key_Right, 3);
      Type(Qt::Key_Space);
      selected.push_back(program.Game().Fields().SelectedCell);
      Type(Qt::Key_Down);
      Type(Qt::Key_Enter);
      moved = program.Game().TimerEnabled(TAnimationTimer::Move);
      Type(Qt::Key_Escape);
      selected.push_back(program.Game().Fields().SelectedCell);
    });
    Type(Qt::Key_Enter);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(selected, (std::vector<int>{45, 45}));
    QVERIFY(!moved);
    Type(Qt::Key_Escape);
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
  }

  void AFullBoardShowsGameOverAfterTheRecordDialogsUntilTheNextKeyClickOrNew() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    const TGameOverBoard& sign = program.Rooms().GameOver().Sign();
    program.Game().Variables.Score = 250;
    int dialogs = 0;
    bool signUnderADialog = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ++dialogs;
        signUnderADialog = signUnderADialog || sign.isVisible();
        dialog->accept();
      }
    });
    answer.start(20);
    program.FillTheBoard();
    answer.stop();
    QCOMPARE(dialogs, 2);
    QVERIFY(!signUnderADialog);
    QVERIFY(sign.isVisible());
    QCOMPARE(sign.Score(), std::uint16_t{250});
    // The keyboard is back after the dialogs; an arrow puts the sign away and leaves the board full.
    QTRY_COMPARE(QApplication::activeWindow(), &lines);
    Type(Qt::Key_Left);
    QVERIFY(!sign.isVisible());
    QCOMPARE(program.BallCount(), 81);
    // Space on the full board is the click that starts the next game.
    Type(Qt::Key_Space);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);

    // A click puts it away and is the classic click as well; so is New.
    program.FillTheBoard();
    QVERIFY(sign.isVisible());
    program.ClickCell(1);
    QVERIFY(!sign.isVisible());
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);
    program.FillTheBoard();
    lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->click();
    QVERIFY(!sign.isVisible());
  }

  void TheMenuOpensBesideTheBoardOrByItsKeyAndItsKeysWindowGivesTheKeyboardBack() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    TMainMenu& menu = program.Rooms().Menu().Menu();
    QStringList items;
    for (const QAction* action : menu.actions())
      if (!action->isSeparator()) items << action->text().remove(QLatin1Char('&'));
    QCOMPARE(items, (QStringList{"Undo", "Keep the game on Exit", "Statistics…", "Keys…", "Size",
                                 "Symbols on the balls", "Preferences…"}));
    QVERIFY(!menu.Undo->isEnabled());
    QVERIFY(lines.actions().contains(menu.Undo));
    QVERIFY(!menu.KeepGameOnExit->isChecked());

    const auto rightClick = [](QWidget* widget) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(widget, &event);
    };
    rightClick(lines.CellImage(41));
    QVERIFY(!menu.isVisible());
    rightClick(lines.findChild<QWidget*>(QStringLiteral("panScore")));
    QTRY_VERIFY(menu.isVisible());
    menu.hide();
    Type(Qt::Key_Menu);
    QTRY_VERIFY(menu.isVisible());
    menu.hide();

    menu.KeepGameOnExit->trigger();
    QVERIFY(TPreferences(program.Directory.filePath(QStringLiteral("brindlow/brindlow.conf"))).Get(KeepGameOnExit));

    menu.Keys->trigger();
    auto* keys = lines.findChild<QDialog*>(QStringLiteral("frmKeys"));
    QTRY_VERIFY(keys->isVisible());
    QStringList texts;
    for (const QLabel* label : keys->findChildren<QLabel*>()) texts << label->text();
    for (const char* key : {"Arrow keys", "Space, Enter", "Escape", "Ctrl+Z, Backspace", "Alt+N", "Alt+T", "Alt+O",
                            "Alt+A", "Alt+H", "Alt+E", "Ctrl+I", "Menu key"})
      QVERIFY2(texts.contains(QString::fromUtf8(key)), key);
    keys->reject();
    QTRY_COMPARE(QApplication::activeWindow(), &lines);
    Type(Qt::Key_Up);
    QCOMPARE(program.Rooms().Keyboard().Cell(), 41);
  }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"
