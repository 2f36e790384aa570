// Playing without the mouse, the game-over sign over a full board, and the context menu with its
// preference and its Keys window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "Bevels.h"
#include "FlatButton.h"
#include "GameOverBoard.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "UiTestSupport.h"

namespace {

// A key typed where the keyboard really goes: the focus widget, else the active window.
void Type(Qt::Key key, int times = 1) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) target = QApplication::activeWindow();
  QVERIFY(target != nullptr);
  for (int i = 0; i < times; ++i) QTest::keyClick(target, key);
}

void Activate(TfrmLines& lines) {
  QApplication::setActiveWindow(&lines);
  QVERIFY(QTest::qWaitForWindowActive(&lines));
}

QWidget* Board(TfrmLines& lines) { return lines.findChild<QWidget*>(QStringLiteral("panTabla")); }

QRect CellRect(int cell) { return QRect((cell - 1) % 9 * 40, (cell - 1) / 9 * 40, 40, 40); }

// A right click: the toolkit's context-menu event at a point of a widget, passed up as it would be.
void RightClick(QWidget* widget, QPoint at) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
}

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void ArrowsAndSpaceOrEnterAloneMakeALineAndAMove() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    program.Game().LoadPosition(BoardWith({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {23, 2}, {60, 6}}), {5, 6, 7});
    QCOMPARE(lines.KeyboardCursor(), 0);
    Type(Qt::Key_Right);
    // The first arrow shows the cursor mid-board without moving it.
    QCOMPARE(lines.KeyboardCursor(), 41);
    Type(Qt::Key_Up, 2);
    QCOMPARE(lines.KeyboardCursor(), 23);
    Type(Qt::Key_Space);
    QCOMPARE(program.Game().Fields().SelectedCell, 23);
    Type(Qt::Key_Up, 2);
    Type(Qt::Key_Return);
    QVERIFY(program.WaitForIdle());
    for (const int cell : {1, 2, 3, 4, 5}) QCOMPARE(program.Game().Cell(cell), EmptyCell);
    QVERIFY(program.Game().Variables.Score > 0);
    QCOMPARE(program.BallCount(), 1);

    // The ball at 60 goes one cell down; the move brings the three next balls.
    Type(Qt::Key_Down, 6);
    Type(Qt::Key_Right);
    QCOMPARE(lines.KeyboardCursor(), 60);
    Type(Qt::Key_Enter);
    Type(Qt::Key_Down);
    Type(Qt::Key_Space);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.Game().Cell(69), BallCode{6});
    QCOMPARE(program.Game().Cell(60), EmptyCell);
    QCOMPARE(program.BallCount(), 4);
  }

  void TheCursorStopsAtTheEdgesGivesWayToTheMouseAndReturnsOnThePickedBall() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    program.Game().LoadPosition(BoardWith({{10, 3}}), {1, 2, 3});
    auto* cursor = lines.findChild<QWidget*>(QStringLiteral("BoardCursor"));
    Type(Qt::Key_Down);
    QVERIFY(cursor->isVisible());
    QCOMPARE(cursor->geometry(), CellRect(41));
    Type(Qt::Key_Up, 6);
    Type(Qt::Key_Left, 6);
    QCOMPARE(lines.KeyboardCursor(), 1);
    Type(Qt::Key_Down, 9);
    Type(Qt::Key_Right, 9);
    QCOMPARE(lines.KeyboardCursor(), 81);
    QCOMPARE(cursor->geometry(), CellRect(81));

    // A click on the board hides the cursor and does just what a click does.
    program.ClickCell(10);
    QCOMPARE(lines.KeyboardCursor(), 0);
    QVERIFY(!cursor->isVisible());
    QCOMPARE(program.Game().Fields().SelectedCell, 10);
    Type(Qt::Key_Right);
    QCOMPARE(lines.KeyboardCursor(), 10);
    QVERIFY(cursor->isVisible());
    // Space with the cursor hidden only shows it again.
    program.ClickCell(10);
    QCOMPARE(lines.KeyboardCursor(), 0);
    Type(Qt::Key_Space);
    QCOMPARE(lines.KeyboardCursor(), 10);
    QCOMPARE(program.Game().Fields().SelectedCell, 10);
  }

  void TheCursorFrameStandsOutOnTheBlackCellAndOnEveryColour() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    // Cell 41 stays empty; the seven colours stand around it.
    program.Game().LoadPosition(BoardWith({{31, 1}, {32, 2}, {33, 3}, {40, 4}, {42, 5}, {49, 6}, {50, 7}}), {1, 2, 3});
    Type(Qt::Key_Down);
    for (const auto& [cell, key] : std::vector<std::pair<int, Qt::Key>>{
             {41, Qt::Key_unknown}, {32, Qt::Key_Up}, {31, Qt::Key_Left}, {40, Qt::Key_Down}, {49, Qt::Key_Down},
             {50, Qt::Key_Right}, {51, Qt::Key_Right}, {42, Qt::Key_Up}, {33, Qt::Key_Up}}) {
      if (key != Qt::Key_unknown) Type(key);
      QCOMPARE(lines.KeyboardCursor(), cell);
      const QImage shown = Board(lines)->grab(CellRect(cell)).toImage();
      // Inside the bevels: a black line, two white ones, a black one, along every side.
      for (const QPoint& edge : {QPoint(20, 0), QPoint(0, 20), QPoint(20, 39), QPoint(39, 20)}) {
        const QPoint inward(edge.x() == 0 ? 1 : edge.x() == 39 ? -1 : 0, edge.y() == 0 ? 1 : edge.y() == 39 ? -1 : 0);
        const auto at = [&](int depth) { return QColor(shown.pixel(edge + inward * depth)); };
        QCOMPARE(at(2), QColor(Qt::black));
        QCOMPARE(at(3), QColor(Qt::white));
        QCOMPARE(at(4), QColor(Qt::white));
        QCOMPARE(at(5), QColor(Qt::black));
      }
    }
  }

  void EscapePutsThePickedBallDownAndKeysInAWaitFollowTheClickGuards() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    program.Game().LoadPosition(BoardWith({{41, 2}, {45, 3}}), {5, 6, 7});
    Type(Qt::Key_Right);
    Type(Qt::Key_Space);
    QCOMPARE(program.Game().Fields().SelectedCell, 41);
    QVERIFY(lines.AnimationTimer(TAnimationTimer::Jump).isActive());
    QTest::qWait(130);
    Type(Qt::Key_Escape);
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
    QVERIFY(!lines.AnimationTimer(TAnimationTimer::Jump).isActive());
    QVERIFY(Shows(lines, 41, TSpriteSet::Normal, 1, 2));

    Type(Qt::Key_Space);
    Type(Qt::Key_Right);
    int selectedInWait = -1, selectedAfterRefusals = -1;
    bool movedInWait = false;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (selectedInWait >= 0 || !program.Game().TurnWaiting()) return;
      // Picking a ball while new balls grow is allowed, as it is for a click ...
      Type(Qt::Key_Right, 3);
      Type(Qt::Key_Space);
      selectedInWait = program.Game().Fields().SelectedCell;
      // ... but a move request and letting go are not.
      Type(Qt::Key_Down);
      Type(Qt::Key_Enter);
      movedInWait = program.Game().TimerEnabled(TAnimationTimer::Move);
      Type(Qt::Key_Escape);
      selectedAfterRefusals = program.Game().Fields().SelectedCell;
    });
    Type(Qt::Key_Enter);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(selectedInWait, 45);
    QVERIFY(!movedInWait);
    QCOMPARE(selectedAfterRefusals, 45);
    QCOMPARE(program.Game().Fields().SelectedCell, 45);
    Type(Qt::Key_Escape);
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
  }

  void AFullBoardShowsGameOverAfterTheRecordDialogsUntilTheNextKeyOrClick() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    const TGameOverBoard& sign = lines.GameOverSign();
    // Two free cells: the move frees a third, and the three new balls fill the board.
    program.Game().LoadPosition(BoardWithoutLines({40, 81}), {1, 1, 1});
    program.Game().Variables.Score = 250;
    QStringList dialogs;
    bool signUnderADialog = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialogs << dialog->objectName();
        signUnderADialog = signUnderADialog || sign.isVisible();
        dialog->accept();
      }
    });
    answer.start(20);
    program.ClickCell(41);
    program.ClickCell(40);
    QVERIFY(program.WaitForIdle());
    answer.stop();
    QCOMPARE(dialogs.size(), 2);
    QVERIFY(!signUnderADialog);
    QVERIFY(sign.isVisible());
    QCOMPARE(sign.Score(), std::uint16_t{250});
    QCOMPARE(sign.geometry(), Board(lines)->rect());
    // The keyboard is back on the window after the dialogs; an arrow puts the sign away and
    // leaves the full board as it is.
    QTRY_COMPARE(QApplication::activeWindow(), &lines);
    Type(Qt::Key_Left);
    QVERIFY(!sign.isVisible());
    QCOMPARE(program.BallCount(), 81);
    // Space on the full board is the click that starts the next game.
    Type(Qt::Key_Space);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);

    // The second time a click puts the sign away, and is the classic click as well.
    program.Game().LoadPosition(BoardWithoutLines({40, 81}), {1, 1, 1});
    program.ClickCell(41);
    program.ClickCell(40);
    QVERIFY(program.WaitForIdle());
    QVERIFY(sign.isVisible());
    QCOMPARE(sign.Score(), std::uint16_t{0});
    program.ClickCell(1);
    QVERIFY(!sign.isVisible());
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);
    QCOMPARE(lines.findChild<TBevelPanel*>(QStringLiteral("panScore"))->Caption(), QStringLiteral("0"));

    // And New.
    program.Game().LoadPosition(BoardWithoutLines({40, 81}), {1, 1, 1});
    program.ClickCell(41);
    program.ClickCell(40);
    QVERIFY(program.WaitForIdle());
    QVERIFY(sign.isVisible());
    lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->click();
    QVERIFY(!sign.isVisible());
    QVERIFY(program.WaitForIdle());
    QCOMPARE(program.BallCount(), 5);
  }

  void TheContextMenuOpensBesideTheBoardAndFromTheMenuKey() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    TMainMenu& menu = lines.ContextMenu();
    QStringList items;
    for (const QAction* action : menu.actions())
      if (!action->isSeparator()) items << Plain(action->text());
    QCOMPARE(items, (QStringList{"Undo", "Keep the game on Exit", "Keys…"}));
    QVERIFY(!menu.Undo->isEnabled());
    QCOMPARE(menu.Undo->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::Key_Backspace)}));
    QVERIFY(lines.actions().contains(menu.Undo));
    QVERIFY(menu.KeepGameOnExit->isCheckable());
    QVERIFY(!menu.KeepGameOnExit->isChecked());

    RightClick(lines.CellImage(41), QPoint(10, 10));
    QVERIFY(!menu.isVisible());
    QCOMPARE(program.Game().Fields().SelectedCell, 0);
    RightClick(lines.findChild<QWidget*>(QStringLiteral("panScore")), QPoint(5, 5));
    QTRY_VERIFY(menu.isVisible());
    menu.hide();
    Type(Qt::Key_Menu);
    QTRY_VERIFY(menu.isVisible());
    menu.hide();
  }

  void KeepTheGameOnExitIsWrittenToItsOwnFileAndBallsCfgKeepsItsBytes() {
    TTestProgram program;
    const QString conf = program.Directory.filePath(QStringLiteral("brindlow/brindlow.conf"));
    const QString cfg = program.Directory.filePath(QStringLiteral("Balls.cfg"));
    QFile settings(cfg);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray classic = settings.readAll();
    settings.close();
    QCOMPARE(classic.size(), 11);
    QVERIFY(!QFile::exists(conf));
    QAction* keep = program.Lines().ContextMenu().KeepGameOnExit;
    keep->trigger();
    QVERIFY(keep->isChecked());
    QVERIFY(TPreferences(conf).Get(KeepGameOnExit));
    keep->trigger();
    QVERIFY(!TPreferences(conf).Get(KeepGameOnExit));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), classic);
  }

  void TheKeysWindowListsEveryKeyAndGivesTheKeyboardBack() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    Activate(lines);
    lines.ContextMenu().Keys->trigger();
    auto* keys = lines.findChild<QDialog*>(QStringLiteral("frmKeys"));
    QVERIFY(keys != nullptr);
    QTRY_VERIFY(keys->isVisible());
    QStringList texts;
    for (const QLabel* label : keys->findChildren<QLabel*>()) texts << label->text();
    for (const char* key : {"Arrow keys", "Space, Enter", "Escape", "Ctrl+Z, Backspace", "Alt+N", "Alt+T", "Alt+O",
                            "Alt+A", "Alt+H", "Alt+E", "Menu key"})
      QVERIFY2(texts.contains(QString::fromUtf8(key)), key);
    QVERIFY(texts.contains(QStringLiteral("The Top 10 button")));
    keys->reject();
    QTRY_COMPARE(QApplication::activeWindow(), &lines);
    // The board's keys act again at once.
    Type(Qt::Key_Up);
    QCOMPARE(lines.KeyboardCursor(), 41);
  }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"
