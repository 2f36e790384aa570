// The main window's moments as an extra attached beside it hears them: each classic moment in its
// order, the board as the window draws it, and the start and the close that an extra may take over.
#include <QTest>

#include <array>

#include "Game.h"
#include "LinesExtra.h"
#include "UiTestSupport.h"

namespace {

// Writes down the moments it is told, by name, and the last sprite drawn in each cell. A child of
// the window, it lives as long as the window, as an extra must, and attaches itself.
class TRecordingExtra : public QObject, public TLinesExtra {
public:
  explicit TRecordingExtra(TfrmLines& window) : QObject(&window), Window(window) { window.Attach(*this); }

  QStringList Moments;
  struct TDrawn {
    TSpriteSet Set = TSpriteSet::Normal;
    int Frame = 0;
    BallCode Code = 0;
  };
  std::array<TDrawn, CellCount + 1> Drawn{};
  bool Keeps = false;
  bool TakesFirstGame = false;

  void GameCreated() override { Moments << QStringLiteral("GameCreated"); }
  bool TakeFirstGame() override {
    Moments << QStringLiteral("TakeFirstGame");
    if (TakesFirstGame) Window.Game()->NewGame();
    return TakesFirstGame;
  }
  void GameTakenUp() override { Moments << QStringLiteral("GameTakenUp"); }
  void CellClicking() override { Moments << QStringLiteral("CellClicking"); }
  void CellClicked() override { Moments << QStringLiteral("CellClicked"); }
  void TurnFinished() override { Moments << QStringLiteral("TurnFinished"); }
  void NewGameAsked(TNewGameCause cause) override {
    Moments << (cause == TNewGameCause::Button ? QStringLiteral("NewGameAsked(Button)") : QStringLiteral("NewGameAsked(Settings)"));
  }
  void NewGameStarting() override { Moments << QStringLiteral("NewGameStarting"); }
  void ScoreOffering() override { Moments << QStringLiteral("ScoreOffering"); }
  bool KeepsGameOnClose() const override { return Keeps; }
  void WindowClosing(bool gameEnds) override {
    Moments << (gameEnds ? QStringLiteral("WindowClosing(ends)") : QStringLiteral("WindowClosing(kept)"));
  }
  void DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) override { Drawn[cell] = {set, frame, code}; }
  void ClearCell(int cell) override { Drawn[cell] = {}; }
  void CopyCell(int from, int to) override { Drawn[to] = Drawn[from]; }

private:
  TfrmLines& Window;
};

// One move that completes no line, so that three new balls follow it.
void PlayOneMove(TTestProgram& program) {
  program.Game().LoadPosition(BoardWith({{41, 1}}), {2, 3, 4});
  program.ClickCell(41);
  program.ClickCell(40);
  QVERIFY(program.WaitForIdle());
}

}  // namespace

class TLinesExtraTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void AnExtraHearsEveryClassicMomentInItsOrderAndSeesTheBoardAsDrawn() {
    TTestProgram program;
    TRecordingExtra& extra = *new TRecordingExtra(program.Lines());
    program.Start();
    QVERIFY(program.WaitForIdle());
    PlayOneMove(program);
    // What the extra was told the cells show is what they show.
    int balls = 0;
    for (int cell = 1; cell <= CellCount; ++cell) {
      const auto& drawn = extra.Drawn[cell];
      if (program.Game().Cell(cell) == EmptyCell) {
        QVERIFY(Empty(program.Lines(), cell));
        continue;
      }
      ++balls;
      QVERIFY(drawn.Frame != 0);
      QVERIFY(Shows(program.Lines(), cell, drawn.Set, drawn.Frame, drawn.Code));
    }
    QCOMPARE(balls, 4);
    program.Lines().btnClick(1);
    QVERIFY(program.WaitForIdle());
    program.Lines().close();
    // A new game offers the score of the one it replaces (none, for the first), and so does a close
    // that ends the game.
    QCOMPARE(extra.Moments, (QStringList{"GameCreated", "TakeFirstGame", "NewGameStarting", "ScoreOffering",
                                         "CellClicking", "CellClicked", "CellClicking", "CellClicked", "TurnFinished",
                                         "NewGameAsked(Button)", "NewGameStarting", "ScoreOffering", "ScoreOffering",
                                         "WindowClosing(ends)"}));
  }

  void AGameAnExtraKeepsOnCloseIsNotOffered() {
    TTestProgram program;
    TRecordingExtra& extra = *new TRecordingExtra(program.Lines());
    extra.Keeps = true;
    program.Start();
    QVERIFY(program.WaitForIdle());
    PlayOneMove(program);
    extra.Moments.clear();
    program.Lines().close();
    QCOMPARE(extra.Moments, QStringList{"WindowClosing(kept)"});
  }

  void AFirstGameAnExtraTakesUpIsTheOnlyOneStarted() {
    TTestProgram program;
    TRecordingExtra& extra = *new TRecordingExtra(program.Lines());
    extra.TakesFirstGame = true;
    program.Start();
    QVERIFY(program.WaitForIdle());
    QCOMPARE(extra.Moments,
             (QStringList{"GameCreated", "TakeFirstGame", "NewGameStarting", "ScoreOffering", "GameTakenUp"}));
  }
};

QTEST_MAIN(TLinesExtraTest)
#include "LinesExtraTest.moc"
