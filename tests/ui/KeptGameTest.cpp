// Taking moves back in the window, and the running game kept in Game.sav: written after every turn,
// removed when the game ends, taken up again at the next start, kept on Exit when the player asks,
// and left alone by a second copy on the same folder.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "FlatButton.h"
#include "GameFile.h"
#include "GameKeeper.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "SettingsFile.h"
#include "TopLista.h"
#include "UiTestSupport.h"

namespace {

void Press(TfrmLines& lines, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(&lines, key, modifiers);
}

void Move(TTestProgram& program, int from, int to) {
  program.ClickCell(from);
  program.ClickCell(to);
  QVERIFY(program.WaitForIdle());
}

// A board with one ball to play and room for new balls; no move on it can make a line.
void LoadOpenBoard(TTestProgram& program) { program.Game().LoadPosition(BoardWith({{10, 3}, {50, 4}}), {1, 2, 3}); }

// The last move of a game: the ball at 41 goes to 40, and the level's new balls fill the board.
void FillTheBoard(TTestProgram& program) {
  TGame& game = program.Game();
  if (game.Fields().BallsPerTurn == 3) game.LoadPosition(BoardWithoutLines({40, 81}), {1, 1, 1});
  else game.LoadPosition(BoardWithoutLines({40, 81, 80}), {1, 1, 1, 1});
  Move(program, 41, 40);
}

// Accepts every dialog that opens while it lives (the name dialog keeps its default name) and counts them.
class TDialogAnswerer : public QObject {
public:
  TDialogAnswerer() {
    connect(&Poll, &QTimer::timeout, this, [this] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ++Answered;
        dialog->accept();
      }
    });
    Poll.start(20);
  }
  int Answered = 0;

private:
  QTimer Poll;
};

QString GameFilePath(TTestProgram& program) { return program.Directory.filePath(QString::fromLatin1(GameFileName)); }

bool GameFileThere(TTestProgram& program) { return QFile::exists(GameFilePath(program)); }

TSavedGame SavedOnDisk(TTestProgram& program) {
  const std::optional<TSavedGame> record = LoadGame(program.Directory.path().toStdString());
  return record ? *record : TSavedGame{};
}

// Hands one program's Game.sav to another, as the next run in the same folder would find it.
void CarryGameFile(TTestProgram& from, TTestProgram& to) {
  QVERIFY(QFile::copy(GameFilePath(from), GameFilePath(to)));
}

// Scores that any game beats, so that every offered score is a record.
void LowerEveryList() {
  for (int level = 0; level < LevelCount; ++level)
    for (int place = 1; place <= PlacesPerList; ++place) ScoreTable.Entry(level, place).Score = 0;
}

}  // namespace

class KeptGameTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void CtrlZAndBackspaceTakeBackAMoveAndALineAndMarkTheScore() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    QAction* undo = program.Rooms().Menu().Menu().Undo;
    QVERIFY(!undo->isEnabled());
    program.Game().LoadPosition(BoardWith({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {23, 2}, {60, 6}}), {5, 6, 7});
    const TGameState start = program.Game().State();

    Move(program, 60, 69);
    QCOMPARE(program.BallCount(), 9);
    QVERIFY(!program.Rooms().Kept().UndoMark().isVisible());
    QVERIFY(undo->isEnabled());
    const TGameState afterMove = program.Game().State();
    Move(program, 23, 5);
    QCOMPARE(program.Game().Cell(5), EmptyCell);
    QVERIFY(program.Game().Variables.Score > 0);

    Press(lines, Qt::Key_Z, Qt::ControlModifier);
    // The ball sent on the move taken back is picked again.
    TGameState expected = afterMove;
    expected.UndoUsed = 1;
    expected.SelectedCell = 23;
    QCOMPARE(program.Game().State(), expected);
    QVERIFY(Shows(lines, 1, TSpriteSet::Normal, 1, 2));
    QVERIFY(program.Rooms().Kept().UndoMark().isVisible());
    Press(lines, Qt::Key_Backspace);
    expected = start;
    expected.UndoUsed = 1;
    expected.SelectedCell = 60;
    QCOMPARE(program.Game().State(), expected);
    // Nothing is left to take back: the game is where it was loaded.
    QVERIFY(!undo->isEnabled());
    Press(lines, Qt::Key_Backspace);
    QCOMPARE(program.Game().State(), expected);

    // The same move brings the same new balls as before.
    Move(program, 60, 69);
    TGameState again = program.Game().State();
    again.UndoUsed = 0;
    QCOMPARE(again, afterMove);
    // A new game is an honest one again, and has nothing to take back.
    lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->click();
    QVERIFY(program.WaitForIdle());
    QVERIFY(!program.Rooms().Kept().UndoMark().isVisible());
    QVERIFY(!undo->isEnabled());
  }

  void UndoIsRefusedWhileATurnWaits() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    program.Game().LoadPosition(BoardWith({{41, 2}, {10, 3}}), {5, 6, 7});
    Move(program, 10, 11);
    bool enabledDuringWait = false;
    int triedDuringWait = 0;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (!program.Game().TurnWaiting()) return;
      enabledDuringWait = enabledDuringWait || program.Rooms().Menu().Menu().Undo->isEnabled();
      Press(lines, Qt::Key_Z, Qt::ControlModifier);
      program.Rooms().Menu().Menu().Undo->trigger();
      ++triedDuringWait;
    });
    Move(program, 41, 42);
    QVERIFY(triedDuringWait > 0);
    QVERIFY(!enabledDuringWait);
    QCOMPARE(program.Game().Cell(42), BallCode{2});
    QCOMPARE(program.Game().Variables.UndoUsed, std::uint8_t{0});
    QVERIFY(program.Rooms().Menu().Menu().Undo->isEnabled());
  }

  void AGameWithAMoveTakenBackIsNeverOfferedNeitherOnAFullBoardNorOnNewOrClose() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    LowerEveryList();
    const TScoreTable before = ScoreTable;
    TDialogAnswerer answerer;
    LoadOpenBoard(program);
    Move(program, 10, 11);
    program.Rooms().Menu().Menu().Undo->trigger();
    QVERIFY(program.Rooms().Kept().UndoMark().isVisible());
    program.Game().Variables.Score = 300;
    FillTheBoard(program);
    QCOMPARE(program.BallCount(), 81);
    program.Game().Variables.Score = 300;
    lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->click();
    QVERIFY(program.WaitForIdle());
    QCOMPARE(answerer.Answered, 0);

    LoadOpenBoard(program);
    Move(program, 10, 11);
    program.Rooms().Menu().Menu().Undo->trigger();
    program.Game().Variables.Score = 300;
    QVERIFY(lines.close());
    QCOMPARE(answerer.Answered, 0);
    QVERIFY(ScoreTable == before);
  }

  void GameSavFollowsEveryTurnAndGoesWithNewAFullBoardAChangedLevelAndAClose() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    QVERIFY(program.Rooms().Kept().KeepsGames());
    program.StartActive();
    QVERIFY(!GameFileThere(program));
    LoadOpenBoard(program);
    Move(program, 10, 11);
    QVERIFY(GameFileThere(program));
    QVERIFY(SavedOnDisk(program) == program.Rooms().Kept().Keeper()->Saved());
    Move(program, 11, 12);
    QCOMPARE(SavedOnDisk(program).History.size(), std::size_t{2});
    // Taking a move back is saved as well: the history is one shorter and the game marked.
    program.Rooms().Menu().Menu().Undo->trigger();
    QCOMPARE(SavedOnDisk(program).History.size(), std::size_t{1});
    QCOMPARE(SavedOnDisk(program).Current.UndoUsed, std::uint8_t{1});

    lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->click();
    QVERIFY(program.WaitForIdle());
    QVERIFY(!GameFileThere(program));

    LoadOpenBoard(program);
    Move(program, 10, 11);
    QVERIFY(GameFileThere(program));
    FillTheBoard(program);
    QVERIFY(!GameFileThere(program));
    // Taking back the move that filled the board brings the game, and its file, back.
    program.Rooms().Menu().Menu().Undo->trigger();
    QVERIFY(GameFileThere(program));

    lines.ShowSettings = [] {
      TSettingsChanges changes;
      changes.LevelChanged = true;
      return changes;
    };
    lines.btnClick(3);
    QVERIFY(program.WaitForIdle());
    QVERIFY(!GameFileThere(program));

    LoadOpenBoard(program);
    Move(program, 10, 11);
    QVERIFY(GameFileThere(program));
    QVERIFY(lines.close());
    QVERIFY(!GameFileThere(program));
  }

  void NewPressedDuringAWaitLeavesNoGameFileOnceTheNewGameHasStarted() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    LoadOpenBoard(program);
    Move(program, 10, 11);
    QVERIFY(GameFileThere(program));
    bool pressed = false;
    TTickWatcher watcher(lines, TAnimationTimer::Make, [&] {
      if (pressed || !program.Game().TurnWaiting()) return;
      pressed = true;
      lines.findChild<TFlatButton*>(QStringLiteral("btnNew"))->click();
    });
    Move(program, 11, 12);
    QVERIFY(pressed);
    QCOMPARE(program.BallCount(), 5);
    QVERIFY(!GameFileThere(program));
  }

  void TheNextStartTakesTheGameUpWithANoticeUntilTheNextAction() {
    TTestProgram first;
    first.StartActive();
    LoadOpenBoard(first);
    Move(first, 10, 11);
    Move(first, 50, 49);
    const TSavedGame kept = SavedOnDisk(first);
    QVERIFY(!kept.History.empty());

    TTestProgram second;
    CarryGameFile(first, second);
    TfrmLines& lines = second.Lines();
    second.StartActive();
    QVERIFY(second.Rooms().Kept().ResumeNotice().isVisible());
    QVERIFY(!second.Rooms().Kept().ResumeNotice().text().isEmpty());
    QVERIFY(second.Rooms().Kept().Keeper()->Saved() == kept);
    for (int cell = 1; cell <= CellCount; ++cell)
      if (kept.Current.Board[cell] != EmptyCell)
        QVERIFY(Shows(lines, cell, TSpriteSet::Normal, 1, kept.Current.Board[cell]));
    // Its moves can be taken back as in the run that played them.
    QVERIFY(second.Rooms().Menu().Menu().Undo->isEnabled());
    // The next key puts the notice away; so would a click.
    Press(lines, Qt::Key_Left);
    QVERIFY(!second.Rooms().Kept().ResumeNotice().isVisible());
    second.Rooms().Menu().Menu().Undo->trigger();
    QCOMPARE(second.Game().State(), [&] {
      TGameState state = kept.History.back();
      state.UndoUsed = 1;
      return state;
    }());
  }

  void ADamagedGameSavIsWarnedSetAsideAndANewGameStarts() {
    TTestProgram program;
    QFile damaged(GameFilePath(program));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("no game of ours");
    damaged.close();
    program.Start();
    QVERIFY(program.WaitForIdle());
    QVERIFY2(program.Warnings.filter(QStringLiteral("Game.sav")).size() == 1, qPrintable(program.Warnings.join('\n')));
    QVERIFY(!GameFileThere(program));
    QVERIFY(QFile::exists(program.Directory.filePath(QString::fromLatin1(BadGameFileName))));
    QCOMPARE(program.BallCount(), 5);
    QVERIFY(!program.Rooms().Kept().ResumeNotice().isVisible());
  }

  void KeepOnExitKeepsTheGameUnofferedUntilItEnds() {
    TTestProgram first;
    TfrmLines& lines = first.Lines();
    first.StartActive();
    LowerEveryList();
    first.Rooms().Menu().Menu().KeepGameOnExit->trigger();
    TDialogAnswerer answerer;
    LoadOpenBoard(first);
    Move(first, 10, 11);
    first.Game().Variables.Score = 120;
    // A ball picked after the last turn is kept too: the close saves the game as it stands.
    first.ClickCell(50);
    const TGameState atClose = first.Game().State();
    QVERIFY(lines.close());
    QCOMPARE(answerer.Answered, 0);
    QVERIFY(SavedOnDisk(first).Current == atClose);

    TTestProgram second;
    CarryGameFile(first, second);
    second.StartActive();
    QCOMPARE(second.Game().Variables.Score, std::uint16_t{120});
    FillTheBoard(second);
    QCOMPARE(answerer.Answered, 2);
    QCOMPARE(ScoreTable.Entry(0, 1).Score, std::uint16_t{120});
  }

  void WithKeepOnExitOffAClosedGameIsOfferedAndNotTakenUpAgain() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.StartActive();
    LowerEveryList();
    TDialogAnswerer answerer;
    LoadOpenBoard(program);
    Move(program, 10, 11);
    program.Game().Variables.Score = 90;
    QVERIFY(lines.close());
    QCOMPARE(answerer.Answered, 2);
    QVERIFY(!GameFileThere(program));
  }

  void ClosingOnTheStartPictureLeavesTheKeptGameForTheNextRun() {
    TTestProgram first;
    first.StartActive();
    LoadOpenBoard(first);
    Move(first, 10, 11);
    TTestProgram second;
    CarryGameFile(first, second);
    second.Show();
    QVERIFY(second.Lines().close());
    QVERIFY(GameFileThere(second));
  }

  void AGameTakenUpAtAnotherLevelScoresOnItsOwnListAndLeavesBallsCfgAlone() {
    TTestProgram first;
    GameSettings.Level = 1;
    GameSettings.Bombs = 1;
    first.StartActive();
    QCOMPARE(first.Game().Fields().BallsPerTurn, 4);
    first.Game().LoadPosition(BoardWith({{10, 3}, {50, 4}}), {1, 2, 3, 4});
    Move(first, 10, 11);

    TTestProgram second;
    CarryGameFile(first, second);
    const QString settingsPath = second.Directory.filePath(QString::fromLatin1(SettingsFileName));
    QFile settingsFile(settingsPath);
    QVERIFY(settingsFile.open(QIODevice::ReadOnly));
    const QByteArray settingsBefore = settingsFile.readAll();
    settingsFile.close();
    QCOMPARE(GameSettings.Level, std::uint8_t{0});
    second.StartActive();
    LowerEveryList();
    ScoreTable.Entry(1, 1).Score = 40;
    QCOMPARE(GameSettings.Level, std::uint8_t{1});
    QCOMPARE(GameSettings.Bombs, std::uint8_t{1});
    QCOMPARE(second.Game().Variables.GameBombs, std::uint8_t{1});
    QCOMPARE(second.Game().Fields().BallsPerTurn, 4);

    TDialogAnswerer answerer;
    second.Game().Variables.Score = 75;
    FillTheBoard(second);
    QCOMPARE(answerer.Answered, 2);
    QCOMPARE(ScoreTable.Entry(1, 1).Score, std::uint16_t{75});
    QCOMPARE(ScoreTable.Entry(1, 1).Bombs, std::uint8_t{1});
    QVERIFY(!ScoreTable.Entry(1, 1).Name().empty());
    QCOMPARE(ScoreTable.Entry(0, 1).Score, std::uint16_t{0});
    QVERIFY(settingsFile.open(QIODevice::ReadOnly));
    QCOMPARE(settingsFile.readAll(), settingsBefore);
    // The next game goes on at the level of the game taken up.
    second.ClickCell(1);
    QVERIFY(second.WaitForIdle());
    QCOMPARE(second.Game().Fields().BallsPerTurn, 4);
  }

  void ASecondCopyOnTheSameFolderNeitherTakesUpNorTouchesTheFirstCopysGame() {
    TTestProgram first;
    first.StartActive();
    LoadOpenBoard(first);
    Move(first, 10, 11);
    QFile file(GameFilePath(first));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray kept = file.readAll();
    file.close();

    TSilentSound sound;
    const std::string folder = first.Directory.path().toStdString();
    TProgram second(TGameFolders{folder, folder}, sound);
    TfrmLines& lines = second.Lines();
    QVERIFY(!second.Rooms().Kept().KeepsGames());
    second.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&lines));
    lines.imgBackgroundClick();
    QVERIFY(!second.Rooms().Kept().ResumeNotice().isVisible());
    lines.Game()->LoadPosition(BoardWith({{20, 5}}), {1, 2, 3});
    QTest::mouseClick(lines.CellImage(20), Qt::LeftButton);
    QTest::mouseClick(lines.CellImage(21), Qt::LeftButton);
    QTRY_VERIFY(lines.Game()->Resting() && lines.Game()->Cell(21) == 5);
    lines.btnClick(1);
    QTRY_VERIFY(lines.Game()->Resting());
    QVERIFY(lines.close());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kept);
  }
};

QTEST_MAIN(KeptGameTest)
#include "KeptGameTest.moc"
